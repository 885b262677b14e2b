#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/history/CardHistory.h"

namespace cardtool {

// What `entry` changed in its file, line by line in the card's words; none after saying on
// stderr that a kept content could not be read.
std::optional<std::vector<std::string>> ChangeLines(const std::string& command, core::history::CardHistory& history,
                                                    const core::history::Entry& entry);

}  // namespace cardtool
