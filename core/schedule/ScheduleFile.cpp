// Reading timers, and the store operations that create a program file or add to it.
#include "core/schedule/ScheduleFile.h"

#include <algorithm>

#include "core/fs/ReadBack.h"
#include "core/schedule/LittleEndian.h"
#include "core/schedule/StoreSupport.h"

namespace core {

using namespace detail;

namespace {

// Reads the music entries that follow a record at `at`: at most `count`, and only as many as
// have at least one byte in the file (an entry cut short reads as if padded with zeros).
Result<std::vector<MusicEntryInfo>> ReadMusicEntries(File& file, std::uint64_t at, std::uint64_t length,
                                                     std::uint16_t count) {
    std::vector<MusicEntryInfo> entries;
    if (at >= length || count == 0) return entries;
    const std::uint64_t wanted = std::min<std::uint64_t>(length - at, std::uint64_t{kMusicEntrySize} * count);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(wanted));
    if (auto moved = file.Seek(at); !moved.ok()) return moved.failure();
    const auto got = ReadFully(file, bytes);
    if (!got.ok()) return got.failure();
    bytes.resize(*got);
    for (std::size_t pos = 0; pos < bytes.size(); pos += kMusicEntrySize) {
        MusicEntryBytes entry{};
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(pos),
                    std::min(kMusicEntrySize, bytes.size() - pos), entry.begin());
        entries.push_back(DecodeMusicEntry(entry));
    }
    return entries;
}

// Writes bytes at `at`.
Result<> WriteAt(File& file, std::uint64_t at, std::span<const std::uint8_t> bytes) {
    if (auto moved = file.Seek(at); !moved.ok()) return moved;
    return file.Write(bytes);
}

// Writes an appended timer's data at `at`, then its index entry, then the count: until the
// count is written the file describes exactly its old timers. `headerPresent` says whether the
// file had a whole header, whose other bytes then stay untouched. Last, the file is cut to its
// new logical end: dead bytes an earlier append left past it go.
Result<> WriteAppended(File& file, std::uint64_t at, std::span<const std::uint8_t> data,
                       const ScheduleHeaderBytes& newHeader, std::uint16_t index, bool headerPresent,
                       std::uint64_t oldLength) {
    if (auto written = WriteAt(file, at, data); !written.ok()) return written;
    if (auto synced = file.Sync(); !synced.ok()) return synced;
    const std::span<const std::uint8_t> header(newHeader);
    if (headerPresent) {
        const std::size_t entryAt = 8 + 8 * std::size_t{index};
        if (auto entry = WriteAt(file, entryAt, header.subspan(entryAt, 8)); !entry.ok()) return entry;
        if (auto count = WriteAt(file, 4, header.subspan(4, 2)); !count.ok()) return count;
    } else if (auto whole = WriteAt(file, 0, header); !whole.ok()) {
        return whole;
    }
    const std::uint64_t end = at + data.size();
    if (oldLength > end) {
        if (auto cut = file.Truncate(end); !cut.ok()) return cut;
    }
    return file.Sync();
}

// Reads an append back from the medium through the held file, its cached pages dropped: the
// timer's bytes, the whole header and the length must be what was written.
Result<> CheckAppended(File& file, std::uint64_t at, std::span<const std::uint8_t> data,
                       const ScheduleHeaderBytes& newHeader) {
    if (auto dropped = file.DropCachedPages(); !dropped.ok()) return dropped;
    if (auto timer = CheckBytesAt(file, at, data); !timer.ok()) return timer;
    if (auto header = CheckBytesAt(file, 0, newHeader); !header.ok()) return header;
    const auto length = file.Length();
    if (!length.ok()) return length.failure();
    if (*length != at + data.size()) return ReadBackMismatch(file.Path());
    return {};
}

// Where an appended timer goes: right after the timers the index describes (after the header
// when there are none), so that bytes a cut-short append left there are overwritten rather
// than kept as a gap. Never past the end of the file, whatever a damaged index claims, and
// never inside the header.
std::uint64_t LogicalEnd(const ScheduleHeader& header, std::uint64_t length) {
    std::uint64_t end = kScheduleHeaderSize;
    for (std::size_t j = 0; j < UsableCount(header); ++j) {
        end = std::max(end, std::uint64_t{header.index[j].offset} + header.index[j].size);
    }
    return std::max<std::uint64_t>(std::min(end, length), kScheduleHeaderSize);
}

// Puts a program file holding only `timer` in place of path (see ReplaceFileContents).
Result<Placement> PutNewProgram(FileSystem& fs, const std::string& path, std::uint16_t program,
                                const TimerData& timer, std::unique_ptr<File> held,
                                IfCreatedMeanwhile ifCreated) {
    ScheduleHeader header;
    header.program = program;
    header.count = 1;
    header.index[0] = {static_cast<std::uint32_t>(kScheduleHeaderSize),
                       static_cast<std::uint32_t>(StoredTimerSize(timer.record.musicCount))};
    const auto headerBytes = EncodeScheduleHeader(header);
    std::vector<std::uint8_t> data;
    AppendStoredTimer(data, timer);
    const auto write = [&](File& out) {
        if (auto written = out.Write(headerBytes); !written.ok()) return written;
        return out.Write(data);
    };
    return ReplaceFileContents(fs, path, write, std::move(held), ifCreated);
}

// Puts an append that failed back as it was, as far as the medium lets us: the old header
// bytes and the old length. Stops at the first call that fails.
void UndoAppend(File& file, const FileStart& old) {
    const auto headerBytes =
        static_cast<std::size_t>(std::min<std::uint64_t>(old.length, kScheduleHeaderSize));
    if (!WriteAt(file, 0, std::span(old.headerBytes).first(headerBytes)).ok()) return;
    if (!file.Truncate(old.length).ok()) return;
    static_cast<void>(file.Sync());
}

}  // namespace

Result<TimerRead> ReadTimer(FileSystem& fs, const std::string& path, std::uint16_t index,
                            const TimerRecord& start) {
    const auto opened = fs.Open(path, OpenMode::Read);
    if (!opened.ok()) return opened.failure();
    File& file = **opened;
    const auto fileStart = ReadFileStart(file);
    if (!fileStart.ok()) return fileStart.failure();
    const std::uint64_t length = fileStart->length;
    const ScheduleHeader header = fileStart->Header();

    TimerRead result{start, UsableCount(header), {}, std::nullopt};
    if (index >= kMaxTimers) return result;
    const std::uint64_t at = header.index[index].offset;
    if (at >= length) return result;
    TimerRecordBytes recordBytes{};
    if (auto moved = file.Seek(at); !moved.ok()) return moved.failure();
    const auto present = ReadFully(file, recordBytes);
    if (!present.ok()) return present.failure();
    OverlayTimerRecord(std::span(recordBytes).first(*present), result.record);
    if (*present == kTimerRecordSize) {
        auto music = ReadMusicEntries(file, at + kTimerRecordSize, length, result.record.musicCount);
        if (!music.ok()) return music.failure();
        result.music = std::move(*music);
    }
    if (index < result.count) {
        auto fingerprint = ReadFingerprint(file, header.index[index], length);
        if (!fingerprint.ok()) return fingerprint.failure();
        result.fingerprint = *fingerprint;
    }
    return result;
}

// Two writers saving into a program that does not exist yet: both build a new file, and the
// first to put it in place wins. The other finds the file there, gives way without writing, and
// saves into that file as into any program: its timer is appended (or replaces the one at its
// index), so neither save is lost.
Result<Stored> WriteTimer(FileSystem& fs, const std::string& path, std::uint16_t index,
                          std::uint32_t pageCount, std::uint16_t program, const TimerData& timer,
                          std::optional<TimerFingerprint> expected) {
    if (auto fits = CheckTimerFits(timer); !fits.ok()) return fits.failure();

    // A file that keeps appearing and vanishing under us ends the rounds as busy.
    for (int round = 0; round < 3; ++round) {
        const auto opened = fs.Open(path, OpenMode::Read);
        if (!opened.ok()) {
            // Only a file that is not there is created anew; a busy or forbidden one stays as it is.
            if (!opened.error() || opened.error()->cause() != FileErrorCause::FileNotFound) {
                return opened.failure();
            }
            auto created = PutNewProgram(fs, path, program, timer, nullptr, IfCreatedMeanwhile::GiveWay);
            if (!created.ok()) return created.failure();
            if (*created == Placement::Placed) return Stored{1};
            continue;
        }
        std::array<std::uint8_t, 6> start{};
        if (auto got = ReadFully(**opened, start); !got.ok()) return got.failure();
        if (auto closed = (*opened)->Close(); !closed.ok()) return closed.failure();

        if (le::Get16(start, 0) != kScheduleMagic) return CreateScheduleFile(fs, path, program, timer);
        if (pageCount != 0 && index < pageCount) return ReplaceTimer(fs, path, index, timer, expected);
        return AppendTimer(fs, path, timer);
    }
    return OpenFailure(FileError(FileErrorCause::SharingViolation, path));
}

Result<Stored> CreateScheduleFile(FileSystem& fs, const std::string& path, std::uint16_t program,
                                  const TimerData& timer) {
    if (auto fits = CheckTimerFits(timer); !fits.ok()) return fits.failure();
    auto held = HoldToReplace(fs, path, kMaxScheduleFileSize);
    if (!held.ok()) return held.failure();
    const auto put = PutNewProgram(fs, path, program, timer, std::move(*held), IfCreatedMeanwhile::Replace);
    if (!put.ok()) return put.failure();
    return Stored{1};
}

Result<Stored> AppendTimer(FileSystem& fs, const std::string& path, const TimerData& timer) {
    if (auto fits = CheckTimerFits(timer); !fits.ok()) return fits.failure();

    const auto opened = fs.Open(path, OpenMode::ReadWrite);
    if (!opened.ok()) return opened.failure();
    File& file = **opened;
    if (auto cleared = RemoveLeftovers(fs, path); !cleared.ok()) return cleared.failure();
    const auto old = ReadFileStart(file);
    if (!old.ok()) return old.failure();
    if (auto size = CheckNotTooLarge(*old, path); !size.ok()) return size.failure();
    ScheduleHeader header = old->Header();
    if (header.count >= kMaxTimers) return Refusal(Status::ProgramFull);

    const std::uint64_t at = LogicalEnd(header, old->length);
    std::vector<std::uint8_t> data;
    AppendStoredTimer(data, timer);
    if (at + data.size() > UINT32_MAX) return Refusal(Status::ProgramFull);

    const std::uint16_t index = header.count;
    header.index[index] = {static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(data.size())};
    header.count = static_cast<std::uint16_t>(index + 1);
    const auto newHeader = EncodeScheduleHeader(header);

    auto written =
        WriteAppended(file, at, data, newHeader, index, old->present == kScheduleHeaderSize, old->length);
    if (written.ok() && fs.ChecksWrites()) written = CheckAppended(file, at, data, newHeader);
    if (!written.ok()) {
        // Also when the medium gave back other bytes: the old timers are what it should keep.
        UndoAppend(file, *old);
        return written.failure();
    }
    // Everything is on the medium; closing (quietly, as the file goes) cannot lose anything now.
    return Stored{header.count};
}

Result<Stored> CopyScheduleFile(FileSystem& fs, const std::string& source, const std::string& target) {
    // The source stays held until the copy is in place.
    const auto from = fs.Open(source, OpenMode::Read);
    if (!from.ok()) return from.failure();
    File& file = **from;
    const auto start = ReadFileStart(file);
    if (!start.ok()) return start.failure();
    if (start->length > kMaxScheduleFileSize) return TooLargeFailure(source);
    auto held = HoldToReplace(fs, target, kMaxScheduleFileSize);
    if (!held.ok()) return held.failure();
    const ScheduleHeader header = start->Header();
    std::optional<std::uint16_t> count;
    if (header.magic == kScheduleMagic) count = UsableCount(header);
    const std::uint64_t length = start->length;
    const auto copy = [&file, length](File& out) { return CopyRange(file, 0, length, out); };
    return PutInPlace(fs, target, copy, count, std::move(*held));
}

}  // namespace core
