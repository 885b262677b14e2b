#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/fs/FileSystem.h"
#include "core/fs/Result.h"
#include "core/history/HistoryEntry.h"
#include "core/history/WriteRecorder.h"

namespace core::history {

// One card file of a write of several.
struct FileWrite {
    std::string path;                 // a card file
    std::vector<std::uint8_t> bytes;  // its whole new content
    std::unique_ptr<File> held;       // the writer's hold on it, taken before; none when absent
};

struct MultiWriteResult {
    std::size_t written = 0;         // how many of the writes, in order, went through
    std::optional<Failure> failure;  // the write that failed, or the plans busy (nothing written)
    bool rolledBack = false;         // after the failure, those written got their old contents back
    bool planned = false;            // false: no plan could be kept, so not all or nothing
    std::vector<std::string> left;   // files a roll-back found changed by another program
};

// Writes several card files of `cardFolder` through `card`, each replaced in one step and
// recorded as `command`, all or nothing as the next command sees it: their contents before and
// after, then a plan naming them, go into the card's history first, and the plan goes when the
// last file is written. A failed write puts the files written before it back; a writer killed
// half-way leaves the plan for the next command to finish or undo (SettlePendingPlan). When the
// history cannot be written the files are written all the same, one by one, and the recorder
// says that there is no copy. Failed with SharingViolation, writing nothing, while another
// process is at work on a write of several files of the same card.
MultiWriteResult WriteAllOrNothing(WriteRecorder& recorder, FileSystem& card, const std::string& cardFolder,
                                   Command command, std::vector<FileWrite> writes);

}  // namespace core::history
