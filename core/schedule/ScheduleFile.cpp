// Reading timers, and the store operations that create a program file or add to it.
#include "core/schedule/ScheduleFile.h"

#include <algorithm>

#include "core/schedule/LittleEndian.h"
#include "core/schedule/StoreSupport.h"

namespace core {

using core::FileError;
using core::FileErrorCause;
using core::OpenMode;
using namespace detail;

namespace {

// Reads the music entries that follow a record at `at`: at most `count`, and only as many as
// have at least one byte in the file (an entry cut short reads as if padded with zeros).
std::vector<MusicEntryInfo> ReadMusicEntries(core::File& file, std::uint64_t at,
                                             std::uint64_t length, std::uint16_t count) {
    std::vector<MusicEntryInfo> entries;
    if (at >= length || count == 0) return entries;
    const std::uint64_t wanted = std::min<std::uint64_t>(length - at, std::uint64_t{kMusicEntrySize} * count);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(wanted));
    file.Seek(at);
    bytes.resize(core::ReadFully(file, bytes));
    for (std::size_t pos = 0; pos < bytes.size(); pos += kMusicEntrySize) {
        MusicEntryBytes entry{};
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(pos),
                    std::min(kMusicEntrySize, bytes.size() - pos), entry.begin());
        entries.push_back(DecodeMusicEntry(entry));
    }
    return entries;
}

}  // namespace

Result<TimerRead> ReadTimer(FileSystem& fs, const std::string& path, std::uint16_t index,
                            const TimerRecord& start) {
    std::unique_ptr<core::File> file;
    try {
        file = fs.Open(path, OpenMode::Read);
    } catch (const FileError& error) {
        return OpenFailure(error);
    }
    try {
        const std::uint64_t length = file->Length();
        ScheduleHeaderBytes headerBytes{};
        const std::size_t got = core::ReadFully(*file, headerBytes);
        const ScheduleHeader header = DecodeScheduleHeader(std::span(headerBytes).first(got));

        TimerRead result{start, UsableCount(header), {}};
        if (index < kMaxTimers) {
            const std::uint64_t at = header.index[index].offset;
            if (at < length) {
                TimerRecordBytes recordBytes{};
                file->Seek(at);
                const std::size_t present = core::ReadFully(*file, recordBytes);
                OverlayTimerRecord(std::span(recordBytes).first(present), result.record);
                if (present == kTimerRecordSize) {
                    result.music =
                        ReadMusicEntries(*file, at + kTimerRecordSize, length, result.record.musicCount);
                }
            }
        }
        file.reset();
        return result;
    } catch (const FileError& error) {
        return IoFailure(error);
    }
}

Result<Stored> WriteTimer(core::FileSystem& fs, const std::string& path, std::uint16_t index,
                       std::uint32_t pageCount, std::uint16_t program, const TimerData& timer) {
    if (auto fits = CheckTimerFits(timer); !fits.ok()) return fits.failure();

    std::unique_ptr<core::File> file;
    try {
        file = fs.Open(path, OpenMode::Read);
    } catch (const FileError& error) {
        // Only a file that is not there is created anew; a busy or forbidden one stays as it is.
        if (error.cause() == FileErrorCause::FileNotFound) {
            return CreateScheduleFile(fs, path, program, timer);
        }
        return OpenFailure(error);
    }
    std::array<std::uint8_t, 6> start{};
    try {
        core::ReadFully(*file, start);
        file->Close();
    } catch (const FileError& error) {
        return IoFailure(error);
    }
    if (le::Get16(start, 0) != kScheduleMagic) return CreateScheduleFile(fs, path, program, timer);
    if (pageCount != 0 && index < pageCount) return ReplaceTimer(fs, path, index, timer);
    return AppendTimer(fs, path, timer);
}

Result<Stored> CreateScheduleFile(core::FileSystem& fs, const std::string& path,
                               std::uint16_t program, const TimerData& timer) {
    if (auto fits = CheckTimerFits(timer); !fits.ok()) return fits.failure();

    ScheduleHeader header;
    header.program = program;
    header.count = 1;
    header.index[0] = {static_cast<std::uint32_t>(kScheduleHeaderSize),
                       static_cast<std::uint32_t>(StoredTimerSize(timer.record.musicCount))};
    const auto headerBytes = EncodeScheduleHeader(header);
    std::vector<std::uint8_t> content(headerBytes.begin(), headerBytes.end());
    AppendStoredTimer(content, timer);

    std::unique_ptr<core::File> held;
    try {
        held = HoldIfExists(fs, path);
    } catch (const FileError& error) {
        return OpenFailure(error);
    }
    const core::ByteRun runs[] = {content};
    return PutInPlace(fs, path, runs, 1, std::move(held));
}

Result<Stored> AppendTimer(core::FileSystem& fs, const std::string& path, const TimerData& timer) {
    if (auto fits = CheckTimerFits(timer); !fits.ok()) return fits.failure();

    std::unique_ptr<core::File> file;
    try {
        file = fs.Open(path, OpenMode::ReadWrite);
    } catch (const FileError& error) {
        return OpenFailure(error);
    }

    std::uint64_t oldLength = 0;
    ScheduleHeaderBytes oldHeader{};
    bool touched = false;
    try {
        oldLength = file->Length();
        const std::size_t got = core::ReadFully(*file, oldHeader);
        ScheduleHeader header = DecodeScheduleHeader(std::span(oldHeader).first(got));
        if (header.count >= kMaxTimers) return Refusal(Status::ProgramFull);

        // The data never goes inside the header, even of a file cut short.
        const std::uint64_t at = std::max<std::uint64_t>(oldLength, kScheduleHeaderSize);
        std::vector<std::uint8_t> data;
        AppendStoredTimer(data, timer);
        if (at + data.size() > UINT32_MAX) return Refusal(Status::ProgramFull);

        const std::uint16_t index = header.count;
        header.index[index] = {static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(data.size())};
        header.count = static_cast<std::uint16_t>(index + 1);
        const auto newHeader = EncodeScheduleHeader(header);

        // Data first, then the index entry, then the count: until the count is written the file
        // describes exactly its old timers.
        touched = true;
        file->Seek(at);
        file->Write(data);
        file->Sync();
        if (got == kScheduleHeaderSize) {
            const std::size_t entryAt = 8 + 8 * std::size_t{index};
            file->Seek(entryAt);
            file->Write(std::span(newHeader).subspan(entryAt, 8));
            file->Seek(4);
            file->Write(std::span(newHeader).subspan(4, 2));
        } else {
            file->Seek(0);
            file->Write(newHeader);
        }
        file->Sync();
        file.reset();  // everything is on the medium; closing cannot lose anything now
        return Stored{header.count};
    } catch (const FileError& error) {
        if (touched) {
            // Put the file back as it was, as far as the medium lets us.
            try {
                file->Seek(0);
                file->Write(std::span(oldHeader).first(static_cast<std::size_t>(
                    std::min<std::uint64_t>(oldLength, kScheduleHeaderSize))));
                file->Truncate(oldLength);
                file->Sync();
            } catch (const FileError&) {
            }
        }
        return IoFailure(error);
    }
}

Result<Stored> CopyScheduleFile(core::FileSystem& fs, const std::string& source,
                             const std::string& target) {
    std::vector<std::uint8_t> content;
    std::unique_ptr<core::File> from;
    try {
        from = fs.Open(source, OpenMode::Read);
    } catch (const FileError& error) {
        return OpenFailure(error);
    }
    try {
        content = ReadWholeFile(*from);
    } catch (const FileError& error) {
        return IoFailure(error);
    }
    std::unique_ptr<core::File> held;
    try {
        held = HoldIfExists(fs, target);
    } catch (const FileError& error) {
        return OpenFailure(error);
    }
    const ScheduleHeader header = DecodeScheduleHeader(content);
    std::optional<std::uint16_t> count;
    if (header.magic == kScheduleMagic) count = UsableCount(header);
    const core::ByteRun runs[] = {content};
    return PutInPlace(fs, target, runs, count, std::move(held));
}

}  // namespace core
