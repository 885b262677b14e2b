#include "core/history/CardHistory.h"

#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "core/fs/AtomicReplace.h"
#include "core/fs/Path.h"
#include "core/history/Sha256.h"

namespace core::history {

namespace {

constexpr std::size_t kBufferSize = 1 << 20;
constexpr int kIdDigits = 8;
constexpr std::string_view kEntrySuffix = ".json";

Failure NoRoot() { return OpenFailure(FileError(FileErrorCause::BadPath, "")); }

std::span<const std::uint8_t> BytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Reads a small file whole (an entry, the settings); IoFailed past `limit` bytes.
Result<std::string> ReadSmallFile(FileSystem& fs, const std::string& path, std::uint64_t limit = 1 << 16) {
    auto opened = fs.Open(path, OpenMode::Read);
    if (!opened.ok()) return opened.failure();
    const auto length = (*opened)->Length();
    if (!length.ok()) return length.failure();
    if (*length > limit) return IoFailure(FileError(FileErrorCause::Generic, path));
    std::string text(static_cast<std::size_t>(*length), '\0');
    const auto got = ReadFully(**opened, {reinterpret_cast<std::uint8_t*>(text.data()), text.size()});
    if (!got.ok()) return got.failure();
    text.resize(*got);
    return text;
}

// Reads `file` from its start to its end in pieces, handing each to `use`.
template <class Use>
Result<std::uint64_t> ReadThrough(File& file, Use use) {
    if (auto moved = file.Seek(0); !moved.ok()) return moved.failure();
    std::vector<std::uint8_t> buffer(kBufferSize);
    std::uint64_t total = 0;
    for (;;) {
        const auto got = ReadFully(file, buffer);
        if (!got.ok()) return got.failure();
        if (*got == 0) return total;
        total += *got;
        if (auto used = use(std::span<const std::uint8_t>(buffer.data(), *got)); !used.ok()) return used.failure();
        if (*got < buffer.size()) return total;
    }
}

std::optional<std::uint64_t> IdOfEntryName(const std::string& name) {
    if (name.size() != kIdDigits + kEntrySuffix.size() || !name.ends_with(kEntrySuffix)) return std::nullopt;
    std::uint64_t id = 0;
    for (std::size_t k = 0; k < kIdDigits; ++k) {
        if (name[k] < '0' || name[k] > '9') return std::nullopt;
        id = id * 10 + static_cast<std::uint64_t>(name[k] - '0');
    }
    return id;
}

std::string EntryName(std::uint64_t id) {
    std::string digits = std::to_string(id);
    if (digits.size() < kIdDigits) digits.insert(0, kIdDigits - digits.size(), '0');
    return digits + std::string(kEntrySuffix);
}

}  // namespace

std::uint64_t CapOfRoot(FileSystem& fs, const std::optional<std::string>& root) {
    if (!root) return kDefaultCapBytes;
    const auto text = ReadSmallFile(fs, JoinPath(*root, "settings.json"));
    if (!text.ok()) return kDefaultCapBytes;
    const auto json = nlohmann::json::parse(*text, nullptr, false);
    if (!json.is_object() || !json.contains("cap_megabytes") || !json["cap_megabytes"].is_number() ||
        json["cap_megabytes"].get<double>() <= 0) {
        return kDefaultCapBytes;
    }
    return static_cast<std::uint64_t>(json["cap_megabytes"].get<double>() * 1024 * 1024);
}

CardHistory::CardHistory(FileSystem& fs, std::optional<std::string> root, const std::string& cardFolder,
                         std::uint64_t capBytes)
    : m_fs(fs), m_card(IdentifyCard(cardFolder)), m_cap(capBytes) {
    if (root) m_folder = JoinPath(*root, HistoryKey(m_card));
}

std::string CardHistory::ObjectPath(const std::string& sha256) const {
    return JoinPath(JoinPath(m_folder, "objects"), sha256);
}

std::string CardHistory::EntriesFolder() const { return JoinPath(m_folder, "entries"); }

Result<> CardHistory::MakeFolders() {
    if (m_folder.empty()) return NoRoot();
    if (auto made = MakeFolderPath(m_fs, JoinPath(m_folder, "objects")); !made.ok()) return made;
    if (auto made = MakeFolderPath(m_fs, EntriesFolder()); !made.ok()) return made;
    return WriteCardNote();
}

// card.json says which card this folder is about; written once.
Result<> CardHistory::WriteCardNote() {
    const std::string path = JoinPath(m_folder, "card.json");
    if (CanOpenForReading(m_fs, path)) return {};
    const std::string text = nlohmann::json{{"folder", m_card.folder}, {"volume", m_card.volume}}.dump(2) + "\n";
    const auto written =
        ReplaceFileContents(m_fs, path, [&](File& out) { return out.Write(BytesOf(text)); }, nullptr,
                            IfCreatedMeanwhile::GiveWay);
    if (!written.ok()) return written.failure();
    return {};
}

Result<std::vector<Entry>> CardHistory::Entries() {
    if (m_folder.empty()) return NoRoot();
    const auto names = m_fs.ListFolder(EntriesFolder());
    if (!names.ok()) {
        if (names.error() && names.error()->cause() == FileErrorCause::FileNotFound) return std::vector<Entry>{};
        return names.failure();
    }
    std::vector<Entry> entries;
    for (const std::string& name : *names) {
        const auto id = IdOfEntryName(name);
        if (!id) continue;  // a temporary file a killed writer left
        const auto text = ReadSmallFile(m_fs, JoinPath(EntriesFolder(), name));
        if (!text.ok()) continue;
        auto entry = DecodeEntry(*text);
        if (entry && entry->id == *id) entries.push_back(std::move(*entry));
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.id > b.id; });
    return entries;
}

Result<Entry> CardHistory::FindEntry(std::uint64_t id) {
    if (m_folder.empty()) return NoRoot();
    const std::string path = JoinPath(EntriesFolder(), EntryName(id));
    const auto text = ReadSmallFile(m_fs, path);
    if (!text.ok()) return text.failure();
    auto entry = DecodeEntry(*text);
    if (!entry || entry->id != id) return IoFailure(FileError(FileErrorCause::Generic, path));
    return *entry;
}

Result<Version> CardHistory::Keep(File& file) {
    if (auto made = MakeFolders(); !made.ok()) return made.failure();
    const auto length = file.Length();
    if (!length.ok()) return length.failure();
    if (*length > m_cap) return Refusal(Status::FileTooLarge);

    Sha256 hash;
    const auto read = ReadThrough(file, [&](std::span<const std::uint8_t> piece) {
        hash.Add(piece);
        return Result<>();
    });
    if (!read.ok()) return read.failure();
    const Version version{hash.HexDigest(), *read};
    // When the content is new it is copied, then checked against the name it goes under, so
    // that a file that changed between the two readings is never kept under another's name.
    return Place(version, [&](File& out) -> Result<> {
        Sha256 copied;
        const auto done = ReadThrough(file, [&](std::span<const std::uint8_t> piece) {
            copied.Add(piece);
            return out.Write(piece);
        });
        if (!done.ok()) return done.failure();
        if (copied.HexDigest() != version.sha256) return IoFailure(FileError(FileErrorCause::Generic, file.Path()));
        return {};
    });
}

Result<Version> CardHistory::KeepBytes(std::span<const std::uint8_t> bytes) {
    if (auto made = MakeFolders(); !made.ok()) return made.failure();
    if (bytes.size() > m_cap) return Refusal(Status::FileTooLarge);
    Sha256 hash;
    hash.Add(bytes);
    return Place({hash.HexDigest(), bytes.size()}, [&](File& out) { return out.Write(bytes); });
}

Result<Version> CardHistory::Place(const Version& version, const std::function<Result<>(File& out)>& write) {
    const std::string path = ObjectPath(version.sha256);
    if (CanOpenForReading(m_fs, path)) return version;
    const auto placed = ReplaceFileContents(m_fs, path, write, nullptr, IfCreatedMeanwhile::GiveWay);
    if (!placed.ok()) return placed.failure();
    return version;  // given way: another writer kept the same content meanwhile
}

Result<std::unique_ptr<File>> CardHistory::HoldPlans() {
    if (auto made = MakeFolders(); !made.ok()) return made.failure();
    // Never removed: a lock file taken away while held would let a second holder in.
    return m_fs.Open(JoinPath(m_folder, "plan.lock"), OpenMode::Create);
}

Result<std::optional<CardPlan>> CardHistory::PendingPlan() {
    if (m_folder.empty()) return NoRoot();
    const std::string path = JoinPath(m_folder, "plan.json");
    const auto text = ReadSmallFile(m_fs, path, 1 << 20);
    if (!text.ok()) {
        if (text.error() && text.error()->cause() == FileErrorCause::FileNotFound) return std::optional<CardPlan>();
        return text.failure();
    }
    auto plan = DecodePlan(*text);
    // Written in one step, so it always reads; anything else is not one of ours.
    if (!plan) return IoFailure(FileError(FileErrorCause::Generic, path));
    return std::optional<CardPlan>(std::move(*plan));
}

Result<> CardHistory::WritePlan(const CardPlan& plan) {
    if (auto made = MakeFolders(); !made.ok()) return made;
    const std::string text = EncodePlan(plan);
    const auto placed = ReplaceFileContents(m_fs, JoinPath(m_folder, "plan.json"),
                                            [&](File& out) { return out.Write(BytesOf(text)); }, nullptr);
    if (!placed.ok()) return placed.failure();
    return {};
}

void CardHistory::DropPlan() {
    if (!m_folder.empty()) m_fs.Remove(JoinPath(m_folder, "plan.json"));
}

Result<> CardHistory::ReadVersionInPieces(const Version& version, const PieceUser& use) {
    if (m_folder.empty()) return NoRoot();
    const std::string path = ObjectPath(version.sha256);
    auto opened = m_fs.Open(path, OpenMode::Read);
    if (!opened.ok()) return opened.failure();
    const Failure damaged = IoFailure(FileError(FileErrorCause::Generic, path));
    Sha256 hash;
    std::uint64_t total = 0;
    const auto read = ReadThrough(**opened, [&](std::span<const std::uint8_t> piece) {
        total += piece.size();
        if (total > version.size) return Result<>(damaged);
        hash.Add(piece);
        return use(piece);
    });
    if (!read.ok()) return read.failure();
    if (total != version.size || hash.HexDigest() != version.sha256) return damaged;
    return {};
}

Result<std::vector<std::uint8_t>> CardHistory::ReadVersion(const Version& version) {
    std::vector<std::uint8_t> bytes;
    const auto read = ReadVersionInPieces(version, [&](std::span<const std::uint8_t> piece) {
        bytes.insert(bytes.end(), piece.begin(), piece.end());
        return Result<>();
    });
    if (!read.ok()) return read.failure();
    return bytes;
}

Result<std::uint64_t> CardHistory::Add(Entry entry) {
    if (auto made = MakeFolders(); !made.ok()) return made.failure();
    const auto names = m_fs.ListFolder(EntriesFolder());
    if (!names.ok()) return names.failure();
    std::uint64_t next = 1;
    for (const std::string& name : *names) {
        if (const auto id = IdOfEntryName(name)) next = std::max(next, *id + 1);
    }
    // Another writer may take an id first: then the next one.
    for (int attempt = 0; attempt < 64; ++attempt, ++next) {
        entry.id = next;
        const std::string text = EncodeEntry(entry);
        const auto placed =
            ReplaceFileContents(m_fs, JoinPath(EntriesFolder(), EntryName(next)),
                                [&](File& out) { return out.Write(BytesOf(text)); }, nullptr, IfCreatedMeanwhile::GiveWay);
        if (!placed.ok()) return placed.failure();
        if (*placed == Placement::Placed) {
            Prune();
            return next;
        }
    }
    return OpenFailure(FileError(FileErrorCause::SharingViolation, EntriesFolder()));
}

// Lets the oldest entries go while the contents the entries keep exceed the cap. The newest
// entry of each file stays whatever its size, so the card as it is now can always come back.
// Only contents that no entry left names are removed, and leftovers of killed writers.
void CardHistory::Prune() {
    auto listed = Entries();
    if (!listed.ok()) return;
    std::vector<Entry> entries = std::move(*listed);
    std::reverse(entries.begin(), entries.end());  // oldest first

    std::map<std::string, std::uint64_t> newestOfFile;
    for (const Entry& entry : entries) newestOfFile[entry.file] = entry.id;
    std::map<std::string, std::pair<std::uint64_t, int>> kept;  // sha256 -> size, entries naming it
    const auto name = [&](const std::optional<Version>& version, int change) {
        if (!version) return;
        auto& [size, users] = kept[version->sha256];
        size = version->size;
        users += change;
    };
    for (const Entry& entry : entries) {
        name(entry.before, +1);
        name(entry.after, +1);
    }
    const auto total = [&] {
        std::uint64_t sum = 0;
        for (const auto& [sha, use] : kept) sum += use.second > 0 ? use.first : 0;
        return sum;
    };

    std::set<std::string> released;
    for (const Entry& entry : entries) {
        if (total() <= m_cap) break;
        if (newestOfFile[entry.file] == entry.id) continue;
        m_fs.Remove(JoinPath(EntriesFolder(), EntryName(entry.id)));
        name(entry.before, -1);
        name(entry.after, -1);
        for (const auto& version : {entry.before, entry.after}) {
            if (version && kept[version->sha256].second == 0) released.insert(version->sha256);
        }
    }
    // A plan's contents stay until it is finished or undone.
    if (const auto plan = PendingPlan(); plan.ok() && *plan) {
        for (const Entry& change : (*plan)->changes) {
            for (const auto& version : {change.before, change.after}) {
                if (version) released.erase(version->sha256);
            }
        }
    }
    for (const std::string& sha : released) m_fs.Remove(ObjectPath(sha));

    // What killed writers left: temporary files that nobody holds.
    for (const std::string& folder : {JoinPath(m_folder, "objects"), EntriesFolder()}) {
        const auto names = m_fs.ListFolder(folder);
        if (!names.ok()) continue;
        for (const std::string& leftover : *names) {
            if (IsContentName(leftover) || IdOfEntryName(leftover) || !leftover.ends_with(".tavrel-tmp")) continue;
            const std::string path = JoinPath(folder, leftover);
            if (auto opened = m_fs.Open(path, OpenMode::Read); opened.ok()) m_fs.Remove(path);
        }
    }
}

}  // namespace core::history
