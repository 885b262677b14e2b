#pragma once

#include <string>
#include <vector>

#include "core/card/Card.h"
#include "core/check/Finding.h"
#include "core/check/FolderNames.h"
#include "core/fs/FileSystem.h"
#include "core/fs/Result.h"

namespace core {

// Every mistake on `card`, whose folder holds `names`. Sorted by file (in the order of
// AllCardFiles), then by timer or date, then by code. A pair of timers or lists is reported once,
// on the first of them. An empty card has no findings.
std::vector<Finding> CheckCard(const Card& card, const FolderNames& names);

// Lists `folder`, reads the card in it and checks it. Fails, as ListFolder does, only when the
// folder cannot be listed; a file of the card that cannot be read is a finding.
Result<std::vector<Finding>> CheckCardFolder(FileSystem& fs, const std::string& folder);

}  // namespace core
