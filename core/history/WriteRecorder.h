#pragma once

#include <optional>
#include <string>

#include "core/fs/FileSystem.h"
#include "core/history/CardHistory.h"
#include "core/history/HistoryEntry.h"
#include "core/history/HistoryPlace.h"

namespace core::history {

// The road every writer of a card takes: around each command that changes a card file, the
// file's bytes before and after are kept in the history of its card, on this computer. Nothing
// but the card file itself is ever written on the card.
//
// The history never stands in a write's way: when it cannot be written (no place for it, a full
// disk, a file larger than the cap), the write goes on and the recorder remembers that this
// write has no copy, for the page or the tool to say once.
class WriteRecorder {
public:
    // Records the writes to card files read through `card`, into the histories under `root`,
    // written through `history`.
    explicit WriteRecorder(FileSystem& card, std::optional<std::string> root = DefaultHistoryRoot(),
                           FileSystem& history = SystemFileSystem());

    // Runs `write`, which changes the card file at `path` (or fails), and keeps what it changed.
    // Gives what `write` gave.
    template <class Write>
    auto Record(const std::string& path, Command command, Write&& write) -> decltype(write()) {
        const Snapshot before = Before(path);
        auto result = write();
        After(path, command, before, result.ok());
        return result;
    }

    // A card file's content as kept: `known` false when it could not be read or kept.
    struct Snapshot {
        bool known = false;
        std::optional<Version> version;  // none: the file does not exist
    };
    // The two halves of Record, for a writer that holds the file itself while it writes: it
    // hands its handle (or none when the file does not exist) to Before, as a second open of a
    // held file fails.
    Snapshot Before(const std::string& path);
    Snapshot BeforeHeld(const std::string& path, File* held);
    // Records the change from `before` to what the file holds now; `written` says whether the
    // write reported success.
    void After(const std::string& path, Command command, const Snapshot& before, bool written);

    // True when a write since the last call changed a card file but left no copy; asking clears it.
    bool TakeMissedCopy();

    const std::optional<std::string>& Root() const { return m_root; }
    FileSystem& CardFiles() const { return m_card; }
    // The history of the card in `cardFolder`.
    CardHistory HistoryOf(const std::string& cardFolder) const;

private:
    FileSystem& m_card;
    std::optional<std::string> m_root;
    FileSystem& m_history;
    bool m_missed = false;
};

}  // namespace core::history
