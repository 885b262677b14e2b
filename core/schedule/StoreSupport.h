#pragma once

// Pieces shared by the store operations; not part of the storage interface.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/fs/AtomicReplace.h"
#include "core/fs/FileSystem.h"
#include "core/fs/Result.h"
#include "core/schedule/ScheduleFile.h"

namespace core::detail {

// Refuses a timer that does not fit the stored form: more than 65535 names, fewer names than
// its musicCount, or a name longer than 260 units.
Result<> CheckTimerFits(const TimerData& timer);

// Appends the stored form of timer (record, then one entry per name) to out.
void AppendStoredTimer(std::vector<std::uint8_t>& out, const TimerData& timer);

// An open program file's length and its header as far as the file has one.
struct FileStart {
    std::uint64_t length = 0;
    ScheduleHeaderBytes headerBytes{};
    std::size_t present = 0;  // header bytes the file has; the rest read as 0

    ScheduleHeader Header() const { return DecodeScheduleHeader(std::span(headerBytes).first(present)); }
};

// Reads the length and the header of a file just opened.
Result<FileStart> ReadFileStart(File& file);

// FileTooLarge, naming path, when the file is larger than any program file or its index
// reaches past that.
Result<> CheckNotTooLarge(const FileStart& start, const std::string& path);

// The most a rewrite or a copy holds in memory at once, however large the file. Small enough
// to stay in the processor's cache between the read and the write, large enough that a full
// program is moved in a few calls.
inline constexpr std::size_t kCopyBufferSize = 1 << 20;

// Copies `size` bytes at `offset` of `from` to the current position of `to`, through a buffer of
// at most kCopyBufferSize. A file that ends early is IoFailed with EndOfFile.
Result<> CopyRange(File& from, std::uint64_t offset, std::uint64_t size, File& to);

// Puts what `write` writes in place of the file at path in one step (see ReplaceFileContents)
// and reports `count` on success. A temporary file that cannot be created is OpenFailed:
// nothing was written; any later failure is IoFailed.
// `held` is the caller's handle on the old file, kept until the new one is in place.
Result<Stored> PutInPlace(FileSystem& fs, const std::string& path, const ContentWriter& write,
                          std::optional<std::uint16_t> count, std::unique_ptr<File> held = nullptr);

// The fingerprint of the bytes that `entry` names in a file of `length` bytes, read through a
// fixed buffer; none when they do not lie wholly inside the file or are more than a timer can
// hold.
Result<std::optional<TimerFingerprint>> ReadFingerprint(File& file, const TimerIndexEntry& entry,
                                                        std::uint64_t length);

// Timers a header can describe: its count, never more than the index has slots.
inline std::uint16_t UsableCount(const ScheduleHeader& header) {
    return header.count > kMaxTimers ? static_cast<std::uint16_t>(kMaxTimers) : header.count;
}

}  // namespace core::detail
