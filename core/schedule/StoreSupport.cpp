#include "core/schedule/StoreSupport.h"

#include <algorithm>
#include <array>

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

Result<std::vector<std::uint8_t>> ReadWholeFile(File& file) {
    const auto length = file.Length();
    if (!length.ok()) return length.failure();
    std::vector<std::uint8_t> content(static_cast<std::size_t>(*length));
    if (auto moved = file.Seek(0); !moved.ok()) return moved.failure();
    const auto got = ReadFully(file, content);
    if (!got.ok()) return got.failure();
    content.resize(*got);
    return content;
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

Result<Stored> PutInPlace(FileSystem& fs, const std::string& path, std::span<const ByteRun> runs,
                          std::optional<std::uint16_t> count, std::unique_ptr<File> held) {
    if (auto replaced = ReplaceFileContents(fs, path, runs, std::move(held)); !replaced.ok()) {
        return replaced.failure();
    }
    return Stored{count};
}

}  // namespace core::detail
