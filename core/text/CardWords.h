#pragma once

#include <string_view>

namespace core {

// The words the command line uses to show a card, its documents and its differences, in UTF-8,
// marked for translation under the context "CardWords". `key` is "<group>.<identifier>", the
// identifier being the JSON form's own: "mode.radio", "weekday.mon", "power.hold",
// "play.shuffle", "loop.all-once", "medium.E", "field.start", "state.absent",
// "problem.out-of-range", "import.written"... The key itself when it is not in the table, so
// nothing is ever lost from a line.
std::string_view CardWord(std::string_view key);

}  // namespace core
