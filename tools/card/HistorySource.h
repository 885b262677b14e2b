#pragma once

// Where the history commands find the history of a card folder.

#include <optional>
#include <string>

#include "core/history/CardHistory.h"
#include "core/history/WriteRecorder.h"

namespace cardtool {

// The recorder of this computer's history place, for a card folder that can be listed; none
// after saying on stderr why not (the folder cannot be used, or there is no place for a history).
std::optional<core::history::WriteRecorder> RecorderFor(const std::string& command, const std::string& folder);

// The entry `id` of the card's history, or none after saying why on stderr.
std::optional<core::history::Entry> EntryOf(const std::string& command, core::history::CardHistory& history,
                                            std::uint64_t id);

// "保存定时": the command of an entry in the card's words.
std::string CommandWords(const core::history::Entry& entry);

// "17  2026-12-11T14:40:12+08:00  SCH01.DAT  保存定时": one line of the list.
std::string EntryLine(const core::history::Entry& entry);

}  // namespace cardtool
