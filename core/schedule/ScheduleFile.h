#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/schedule/MusicEntry.h"
#include "core/schedule/TimerRecord.h"
#include "core/fs/FileError.h"
#include "core/fs/FileSystem.h"

namespace core {

// A program file: a 4104-byte header (magic AA 55, program, count, reserved, then 512 index
// slots of offset and size), followed by the timers back to back in index order. Each timer is
// its 32-byte record followed by musicCount entries of 624 bytes.
inline constexpr std::size_t kMaxTimers = 512;
inline constexpr std::size_t kScheduleHeaderSize = 8 + 8 * kMaxTimers;  // 4104
inline constexpr std::uint16_t kScheduleMagic = 0x55AA;

struct TimerIndexEntry {
    std::uint32_t offset = 0;  // byte position of the timer's record
    std::uint32_t size = 0;    // 32 + 624 * musicCount

    bool operator==(const TimerIndexEntry&) const = default;
};

struct ScheduleHeader {
    std::uint16_t magic = kScheduleMagic;
    std::uint16_t program = 0;  // written once, when the file is created
    std::uint16_t count = 0;    // 0 to 512
    std::uint16_t reserved = 0;
    std::array<TimerIndexEntry, kMaxTimers> index{};

    bool operator==(const ScheduleHeader&) const = default;
};

using ScheduleHeaderBytes = std::array<std::uint8_t, kScheduleHeaderSize>;

ScheduleHeaderBytes EncodeScheduleHeader(const ScheduleHeader& header);
// Decodes a header from the bytes present; bytes past the end read as 0.
ScheduleHeader DecodeScheduleHeader(std::span<const std::uint8_t> bytes);

// A timer as the pages hand it to the store: the record, the music list in play order and the
// medium of those files. The store writes one entry for each of the first record.musicCount
// names.
struct TimerData {
    TimerRecord record;
    std::vector<std::u16string> musicNames;
    MusicSource source = MusicSource::Internal;
};

// How a store operation ended.
enum class StoreStatus {
    Done,               // the file was written (or read) as asked
    OpenFailed,         // the file could not be opened or created; error says why
    IoFailed,           // a read or write failed after the open, or the file is too damaged
                        // to rewrite; error says why
    ProgramFull,        // a new timer, but the file already holds 512 timers
    TooManyMusicFiles,  // more than 65535 names, or fewer names than musicCount
    MusicNameTooLong,   // a name longer than 260 UTF-16 units
};

struct StoreResult {
    StoreStatus status = StoreStatus::Done;
    // The file's count of timers after the operation, whenever the file could be read.
    std::optional<std::uint16_t> count;
    // For OpenFailed and IoFailed: the cause and the file's path.
    std::optional<core::FileError> error;

    bool ok() const { return status == StoreStatus::Done; }
};

// One timer read from a program file.
struct ReadResult {
    StoreStatus status = StoreStatus::Done;  // Done, OpenFailed or IoFailed
    std::uint16_t count = 0;                 // the header's count; above 512 reads as 512
    std::vector<MusicEntryInfo> music;       // the timer's entries in file order
    std::optional<core::FileError> error;

    bool ok() const { return status == StoreStatus::Done; }
};

// Reads timer `index` into `record`. Reads only the header and that one timer. Where the file
// ends early the missing header bytes read as 0 and a record cut short keeps the rest of the
// caller's record; of the music entries, those that start inside the file are read, one cut
// short reading as if padded with zeros.
ReadResult ReadTimer(core::FileSystem& fs, const std::string& path, std::uint16_t index,
                     TimerRecord& record);

// Stores the timer that Save collected at `index`, `pageCount` being the count the page
// believes the file has. Creates the file when it does not exist or is not a program file;
// otherwise replaces timer `index` when index < pageCount, or appends.
StoreResult WriteTimer(core::FileSystem& fs, const std::string& path, std::uint16_t index,
                       std::uint32_t pageCount, std::uint16_t program, const TimerData& timer);

// Writes a new file (replacing whatever is there) holding only `timer`, as timer 0.
StoreResult CreateScheduleFile(core::FileSystem& fs, const std::string& path,
                               std::uint16_t program, const TimerData& timer);

// Appends `timer` at the file's own count: data first, then the header. On a failure the file
// is cut back to its old length where possible.
StoreResult AppendTimer(core::FileSystem& fs, const std::string& path, const TimerData& timer);

// Replaces timer `index` (below the file's count; at or past it, appends instead). The file is
// rewritten whole and replaced in one step.
StoreResult ReplaceTimer(core::FileSystem& fs, const std::string& path, std::uint16_t index,
                         const TimerData& timer);

// Removes timer `index` (below the file's count; otherwise nothing is written). The file is
// rewritten whole and replaced in one step; a program left with no timers keeps its file.
StoreResult DeleteTimer(core::FileSystem& fs, const std::string& path, std::uint16_t index);

// Copies a whole file byte for byte over target (replaced in one step). OpenFailed with
// FileNotFound when the source does not exist.
StoreResult CopyScheduleFile(core::FileSystem& fs, const std::string& source,
                             const std::string& target);

}  // namespace core
