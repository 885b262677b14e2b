#pragma once

#include <map>
#include <string>

#include "core/card/Card.h"

namespace proctest {

// The program file of general program 1 in `folder`, read whole as the card reader reads it.
core::CardFile ReadProgramFile(const std::string& folder);

// Timer name -> version of every timer in a file that was read whole; a timer with no label
// counts under "?".
std::map<std::string, int> LabelsIn(const core::CardFile& file);

}  // namespace proctest
