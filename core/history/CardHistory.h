#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/fs/FileSystem.h"
#include "core/fs/Result.h"
#include "core/history/CardPlan.h"
#include "core/history/HistoryEntry.h"
#include "core/history/HistoryPlace.h"

namespace core::history {

// The history of one card, kept on this computer in a folder of its own under the history root:
//
//     <root>/<key>/card.json           the card's folder and volume, for people who look
//     <root>/<key>/objects/<sha256>    each distinct content of a card file, once
//     <root>/<key>/entries/<id>.json   one per write: when, which file, which command, the
//                                      content before and after
//     <root>/<key>/plan.json           a write of several files under way, or cut short
//     <root>/<key>/plan.lock           held by the one writer at work on such a write
//
// Everything is written as the card is: a temporary file, pushed to the medium, renamed into
// place. An entry is only written once both its contents are kept, so a writer killed at any
// moment leaves a history that reads; what it left half-way is ignored and cleared later.
class CardHistory {
public:
    // The history of the card in `cardFolder`, under `root` (none: there is nowhere to keep
    // one, and every call fails), written through `fs`, kept under `capBytes`.
    CardHistory(FileSystem& fs, std::optional<std::string> root, const std::string& cardFolder,
                std::uint64_t capBytes = kDefaultCapBytes);

    const std::string& Folder() const { return m_folder; }  // empty without a root
    const CardIdentity& Card() const { return m_card; }
    std::uint64_t CapBytes() const { return m_cap; }

    // Every entry that reads, newest first. A history never written lists no entries.
    Result<std::vector<Entry>> Entries();
    // The entry with that id. OpenFailed with FileNotFound when there is none.
    Result<Entry> FindEntry(std::uint64_t id);

    // Keeps `bytes` as a content and names it; refused with FileTooLarge past the cap.
    Result<Version> KeepBytes(std::span<const std::uint8_t> bytes);
    // Keeps the content of `file`, read from its start, and names it. A content kept already is
    // only read. Refused with FileTooLarge when it is larger than the cap.
    Result<Version> Keep(File& file);
    // Reads a kept content from its start in pieces, handing each to `use`, and checks that it
    // still is what its name says: IoFailed, naming the kept file, when it is not (a piece
    // already handed over may then be part of a damaged content).
    using PieceUser = std::function<Result<>(std::span<const std::uint8_t> piece)>;
    Result<> ReadVersionInPieces(const Version& version, const PieceUser& use);
    // Reads a kept content whole, checked in the same way.
    Result<std::vector<std::uint8_t>> ReadVersion(const Version& version);

    // Writes `entry` with the next free id (which it gives), then lets the oldest entries go
    // while the contents they keep exceed the cap; the newest version of each file always stays.
    Result<std::uint64_t> Add(Entry entry);

    // The hold on this card's plans: while one process holds it, no other starts a write of
    // several files or finishes one left pending. OpenFailed with SharingViolation meanwhile.
    Result<std::unique_ptr<File>> HoldPlans();
    // The plan of a write of several files under way or cut short; none when there is none.
    Result<std::optional<CardPlan>> PendingPlan();
    // Writes the plan, in one step like every history file; the caller holds the plans.
    Result<> WritePlan(const CardPlan& plan);
    // Removes the plan: the write is whole.
    void DropPlan();

private:
    std::string ObjectPath(const std::string& sha256) const;
    std::string EntriesFolder() const;
    Result<> MakeFolders();
    Result<> WriteCardNote();
    // Puts a content under its name, written by `write`, unless it is kept already.
    Result<Version> Place(const Version& version, const std::function<Result<>(File& out)>& write);
    void Prune();

    FileSystem& m_fs;
    CardIdentity m_card;
    std::string m_folder;
    std::uint64_t m_cap;
};

// The cap of a card's history: "cap_megabytes" in <root>/settings.json when it names one,
// otherwise kDefaultCapBytes.
std::uint64_t CapOfRoot(FileSystem& fs, const std::optional<std::string>& root);

}  // namespace core::history
