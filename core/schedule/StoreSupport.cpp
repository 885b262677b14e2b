#include "core/schedule/StoreSupport.h"

#include <algorithm>
#include <array>
#include <memory>

namespace core::detail {

Result<> CheckTimerFits(const TimerData& timer) {
    const auto& names = timer.musicNames;
    if (names.size() > kMaxMusicFiles || names.size() < timer.record.musicCount) {
        return Refusal(Status::TooManyMusicFiles);
    }
    for (std::size_t i = 0; i < timer.record.musicCount; ++i) {
        if (names[i].size() > kMusicNameMaxUnits) return Refusal(Status::MusicNameTooLong);
    }
    return {};
}

void AppendStoredTimer(std::vector<std::uint8_t>& out, const TimerData& timer) {
    const auto record = EncodeTimerRecord(timer.record);
    out.insert(out.end(), record.begin(), record.end());
    for (std::size_t i = 0; i < timer.record.musicCount; ++i) {
        const auto entry = EncodeMusicEntry(timer.source, timer.musicNames[i]);
        out.insert(out.end(), entry.begin(), entry.end());
    }
}

Result<FileStart> ReadFileStart(File& file) {
    FileStart start;
    const auto length = file.Length();
    if (!length.ok()) return length.failure();
    start.length = *length;
    const auto got = ReadFully(file, start.headerBytes);
    if (!got.ok()) return got.failure();
    start.present = *got;
    return start;
}

Result<> CheckNotTooLarge(const FileStart& start, const std::string& path) {
    if (start.length > kMaxScheduleFileSize) return TooLargeFailure(path);
    const ScheduleHeader header = start.Header();
    for (std::size_t j = 0; j < UsableCount(header); ++j) {
        if (std::uint64_t{header.index[j].offset} + header.index[j].size > kMaxScheduleFileSize) {
            return TooLargeFailure(path);
        }
    }
    return {};
}

Result<> CopyRange(File& from, std::uint64_t offset, std::uint64_t size, File& to) {
    if (auto moved = from.Seek(offset); !moved.ok()) return moved;
    // Left uninitialised: every byte is read into before it is written out.
    const std::size_t capacity = static_cast<std::size_t>(std::min<std::uint64_t>(size, kCopyBufferSize));
    const auto storage = std::make_unique_for_overwrite<std::uint8_t[]>(capacity);
    const std::span<std::uint8_t> buffer(storage.get(), capacity);
    while (size > 0) {
        const auto chunk =
            buffer.first(static_cast<std::size_t>(std::min<std::uint64_t>(size, buffer.size())));
        const auto got = ReadFully(from, chunk);
        if (!got.ok()) return got.failure();
        if (*got < chunk.size()) return IoFailure(FileError(FileErrorCause::EndOfFile, from.Path()));
        if (auto written = to.Write(chunk); !written.ok()) return written;
        size -= chunk.size();
    }
    return {};
}

Result<std::optional<TimerFingerprint>> ReadFingerprint(File& file, const TimerIndexEntry& entry,
                                                        std::uint64_t length) {
    const std::uint64_t end = std::uint64_t{entry.offset} + entry.size;
    if (end > length || entry.size > StoredTimerSize(kMaxMusicFiles))
        return std::optional<TimerFingerprint>();
    if (auto moved = file.Seek(entry.offset); !moved.ok()) return moved.failure();
    std::array<std::uint8_t, 64 * 1024> buffer;
    FingerprintBuilder builder;
    for (std::uint64_t left = entry.size; left > 0;) {
        const auto chunk =
            std::span(buffer).first(static_cast<std::size_t>(std::min<std::uint64_t>(left, buffer.size())));
        const auto got = ReadFully(file, chunk);
        if (!got.ok()) return got.failure();
        // The file shrank under us; only a file we do not hold can do that.
        if (*got < chunk.size()) return std::optional<TimerFingerprint>();
        builder.Add(chunk);
        left -= chunk.size();
    }
    return std::optional<TimerFingerprint>(builder.Finish());
}

Result<Stored> PutInPlace(FileSystem& fs, const std::string& path, const ContentWriter& write,
                          std::optional<std::uint16_t> count, std::unique_ptr<File> held) {
    if (auto replaced = ReplaceFileContents(fs, path, write, std::move(held)); !replaced.ok()) {
        return replaced.failure();
    }
    return Stored{count};
}

}  // namespace core::detail
