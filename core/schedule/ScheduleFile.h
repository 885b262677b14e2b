#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/fs/FileSystem.h"
#include "core/fs/Result.h"
#include "core/schedule/MusicEntry.h"
#include "core/schedule/TimerFingerprint.h"
#include "core/schedule/TimerRecord.h"

namespace core {

// A program file: a 4104-byte header (magic AA 55, program, count, reserved, then 512 index
// slots of offset and size), followed by the timers back to back in index order. Each timer is
// its 32-byte record followed by musicCount entries of 624 bytes.
inline constexpr std::size_t kMaxTimers = 512;
inline constexpr std::size_t kScheduleHeaderSize = 8 + 8 * kMaxTimers;  // 4104
inline constexpr std::uint16_t kScheduleMagic = 0x55AA;
// The largest valid program file: 512 timers of 65535 music entries each. A program file
// larger than that, or whose index reaches past it, is damaged beyond use: every write refuses
// it with FileTooLarge and leaves it as it is, whatever its first bytes hold.
inline constexpr std::uint64_t kMaxScheduleFileSize =
    kScheduleHeaderSize + kMaxTimers * (32 + 65535ull * 624);

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

// What a store operation leaves behind: the file's count of timers after it, whenever the file
// could be read (none for a copied file that is not a program file).
struct Stored {
    std::optional<std::uint16_t> count;
};

// One timer read from a program file.
struct TimerRead {
    TimerRecord record;                 // the caller's start record, overlaid with the file's
    std::uint16_t count = 0;            // the header's count; above 512 reads as 512
    std::vector<MusicEntryInfo> music;  // the timer's entries in file order
    // The stored timer's fingerprint, to hand back to ReplaceTimer or DeleteTimer. Present when
    // index is below the count and the bytes its index entry names lie wholly inside the file
    // (and are no more than a timer can hold).
    std::optional<TimerFingerprint> fingerprint;
};

// Reads timer `index` over `start`. Reads only the header and that one timer. Where the file
// ends early the missing header bytes read as 0 and a record cut short keeps the rest of
// `start`; of the music entries, those that start inside the file are read, one cut short
// reading as if padded with zeros. OpenFailed or IoFailed with the cause otherwise.
Result<TimerRead> ReadTimer(FileSystem& fs, const std::string& path, std::uint16_t index,
                            const TimerRecord& start);

// The writing operations below refuse a timer that does not fit the stored form
// (TooManyMusicFiles, MusicNameTooLong) or a program without room (ProgramFull) before touching
// the file. A file that cannot be opened, or whose replacement cannot be created, is OpenFailed
// and nothing was written; a failure after that is IoFailed.
//
// Replace and delete take the fingerprint of the timer the page showed, when it has one. While
// the file is held, a timer below the file's count must still have that fingerprint, or the
// answer is TimerChanged and nothing is written: another writer changed the file meanwhile.

// Stores the timer that Save collected at `index`, `pageCount` being the count the page
// believes the file has. Creates the file when it does not exist or is not a program file;
// otherwise replaces timer `index` when index < pageCount, or appends.
// `expected` goes with a replacement (see above).
Result<Stored> WriteTimer(FileSystem& fs, const std::string& path, std::uint16_t index,
                          std::uint32_t pageCount, std::uint16_t program, const TimerData& timer,
                          std::optional<TimerFingerprint> expected = std::nullopt);

// Writes a new file (replacing whatever is there) holding only `timer`, as timer 0.
Result<Stored> CreateScheduleFile(FileSystem& fs, const std::string& path, std::uint16_t program,
                                  const TimerData& timer);

// Appends `timer` at the file's own count, in place: its data right after the last timer the
// index describes (after the header when there is none), then the header, then the file is cut
// to its new end. Bytes past the last timer, left by an append cut short, are dead and are
// overwritten. The timer, the header and the length are then read back from the medium; other
// bytes there are IoFailed with ReadBackMismatch. On a failure the file is put back to its old
// header and length where possible.
Result<Stored> AppendTimer(FileSystem& fs, const std::string& path, const TimerData& timer);

// Replaces timer `index` (below the file's count; at or past it, appends instead). The file is
// rewritten whole and replaced in one step.
Result<Stored> ReplaceTimer(FileSystem& fs, const std::string& path, std::uint16_t index,
                            const TimerData& timer, std::optional<TimerFingerprint> expected = std::nullopt);

// Removes timer `index` (below the file's count; otherwise nothing is written). The file is
// rewritten whole and replaced in one step; a program left with no timers keeps its file.
Result<Stored> DeleteTimer(FileSystem& fs, const std::string& path, std::uint16_t index,
                           std::optional<TimerFingerprint> expected = std::nullopt);

// Copies a whole file byte for byte over target (replaced in one step), through a fixed
// buffer. OpenFailed with FileNotFound when the source does not exist; FileTooLarge, target
// untouched, when the source or the target is larger than any program file.
Result<Stored> CopyScheduleFile(FileSystem& fs, const std::string& source, const std::string& target);

}  // namespace core
