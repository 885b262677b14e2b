#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/fs/FileSystem.h"
#include "core/fs/Path.h"
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
    // Gives what `write` gave. A write of several files of that card left half-way is settled
    // first (SettlePending).
    template <class Write>
    auto Record(const std::string& path, Command command, Write&& write) -> decltype(write()) {
        SettlePending(FolderOf(path));
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
    // For a write of several files that could keep no plan: it has no copy that keeps it whole.
    void MarkMissedCopy() { m_missed = true; }

    // Finishes or undoes a write of several files of the card in `cardFolder` that was cut short
    // (SettlePendingPlan), for the next TakeSettlements to tell. Every command that opens a card
    // calls it first; a card without such a write costs one failed open in the history.
    void SettlePending(const std::string& cardFolder);
    // What SettlePending did since the last call, one settlement a plan; asking clears it.
    std::vector<PlanSettlement> TakeSettlements();

    const std::optional<std::string>& Root() const { return m_root; }
    FileSystem& CardFiles() const { return m_card; }
    // The history of the card in `cardFolder`.
    CardHistory HistoryOf(const std::string& cardFolder) const;

private:
    FileSystem& m_card;
    std::optional<std::string> m_root;
    FileSystem& m_history;
    bool m_missed = false;
    std::vector<PlanSettlement> m_settled;
};

}  // namespace core::history
