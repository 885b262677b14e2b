#pragma once

#include <string>

#include "core/card/Card.h"
#include "core/fs/FileSystem.h"

namespace core {

// Reads all 16 files of the card in `folder`, each to the end or to the first thing wrong with
// it. Never throws for anything a file or the file system does: each file says what became of
// it. An empty folder, or one that does not exist, reads as a card whose files are all Absent;
// a path through something that is not a folder makes every file Unreadable.
// Memory grows with the timers, names and dates found, never with a file's size.
Card ReadCard(FileSystem& fs, const std::string& folder);

}  // namespace core
