#pragma once

#include <string_view>

namespace core {

// What the window and the command line say about the history of a card, in UTF-8, marked for
// translation under the context "History". `key` is "<group>.<identifier>": "command.save-timer"
// (the commands by their stored keys), "restore.done", "error.no-entry"... The key itself when it
// is not in the table, so nothing is ever lost from a line.
std::string_view HistoryWord(std::string_view key);

// Said once after a write that changed the card but left no copy on this computer.
const char* NoHistoryCopyText();

}  // namespace core
