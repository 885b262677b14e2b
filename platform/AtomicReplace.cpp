#include "AtomicReplace.h"

#include "FileError.h"

namespace platform {

std::string TemporaryPathFor(const std::string& target) {
    return target + ".tmp";
}

void ReplaceFileContents(FileSystem& fs, const std::string& target,
                         std::span<const std::uint8_t> content) {
    const std::string temporary = TemporaryPathFor(target);
    try {
        auto file = fs.Open(temporary, OpenMode::Create);
        file->Write(content);
        file->Sync();
        file->Close();
        fs.Rename(temporary, target);
    } catch (const FileError& error) {
        fs.Remove(temporary);
        // The user knows the target, not our temporary file: name the target.
        throw FileError(error.cause(), target);
    }
}

}  // namespace platform
