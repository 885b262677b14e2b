#include "core/schedule/StoreSupport.h"

#include "core/fs/AtomicReplace.h"
#include "core/fs/FileError.h"

namespace core::detail {

using core::FileError;
using core::FileErrorCause;

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

std::vector<std::uint8_t> ReadWholeFile(core::File& file) {
    const std::uint64_t length = file.Length();
    std::vector<std::uint8_t> content(static_cast<std::size_t>(length));
    file.Seek(0);
    content.resize(core::ReadFully(file, content));
    return content;
}

Result<Stored> PutInPlace(FileSystem& fs, const std::string& path, std::span<const ByteRun> runs,
                          std::optional<std::uint16_t> count, std::unique_ptr<File> held) {
    try {
        core::ReplaceFileContents(fs, path, runs, std::move(held));
    } catch (const core::CreateFailed& error) {
        return OpenFailure(error);
    } catch (const FileError& error) {
        return IoFailure(error);
    }
    return Stored{count};
}

std::unique_ptr<core::File> HoldIfExists(core::FileSystem& fs, const std::string& path) {
    try {
        return fs.Open(path, core::OpenMode::Read);
    } catch (const FileError& error) {
        if (error.cause() == FileErrorCause::FileNotFound) return nullptr;
        throw;
    }
}

}  // namespace core::detail
