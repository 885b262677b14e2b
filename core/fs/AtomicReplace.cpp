#include "core/fs/AtomicReplace.h"

namespace core {

std::string TemporaryPathFor(const std::string& target) {
    return target + ".tmp";
}

void ReplaceFileContents(FileSystem& fs, const std::string& target,
                         std::span<const std::uint8_t> content, std::unique_ptr<File> held) {
    const ByteRun whole[] = {content};
    ReplaceFileContents(fs, target, whole, std::move(held));
}

void ReplaceFileContents(FileSystem& fs, const std::string& target, std::span<const ByteRun> runs,
                         std::unique_ptr<File> held) {
    // The user knows the target, not our temporary file: every error names the target.
    const std::string temporary = TemporaryPathFor(target);
    std::unique_ptr<File> file;
    try {
        file = fs.Open(temporary, OpenMode::Create);
    } catch (const FileError& error) {
        throw CreateFailed(error.cause(), target);
    }
    try {
        for (const ByteRun& run : runs) file->Write(run);
        file->Sync();
        file->Close();
        held.reset();
        fs.Rename(temporary, target);
    } catch (const FileError& error) {
        file.reset();
        fs.Remove(temporary);
        throw FileError(error.cause(), target);
    }
}

}  // namespace core
