#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/fs/FileSystem.h"
#include "core/history/CardHistory.h"
#include "core/history/WriteRecorder.h"
#include "support/TempFolder.h"

namespace historytest {

using Bytes = std::vector<std::uint8_t>;

// A card folder and a history root on disk, and a recorder between them.
struct CardOnDisk {
    testsupport::TempFolder card;
    testsupport::TempFolder root;
    core::history::WriteRecorder recorder{core::SystemFileSystem(), root.path()};

    core::history::CardHistory History() const { return recorder.HistoryOf(card.path()); }
    std::vector<core::history::Entry> Entries() const;
    // A kept content's bytes; none for "the file did not exist".
    std::optional<Bytes> Kept(const std::optional<core::history::Version>& version) const;
    std::string Path(const std::string& name) const { return card / name; }
    std::optional<Bytes> FileBytes(const std::string& name) const { return testsupport::ReadFileBytes(Path(name)); }
    // Writes `bytes` as the card file `name` through the recorder, as a page's save would.
    void Write(const std::string& name, const Bytes& bytes, core::history::Command command);
};

// A program file of `timers` timers without music, as the store writes it.
Bytes ProgramBytes(int program, int timers);

}  // namespace historytest
