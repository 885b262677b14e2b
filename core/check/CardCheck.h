#pragma once

#include <vector>

#include "core/card/Card.h"
#include "core/check/Finding.h"
#include "core/check/FolderNames.h"

namespace core {

// Every mistake on `card`, whose folder holds `names`. Sorted by file (in the order of
// AllCardFiles), then by timer or date, then by code. A pair of timers or lists is reported once,
// on the first of them. An empty card has no findings.
std::vector<Finding> CheckCard(const Card& card, const FolderNames& names);

}  // namespace core
