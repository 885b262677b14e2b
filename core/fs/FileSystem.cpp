#include "core/fs/FileSystem.h"

#include "core/fs/FileError.h"

namespace core {

bool CanOpenForReading(FileSystem& fs, const std::string& path) {
    try {
        fs.Open(path, OpenMode::Read)->Close();
        return true;
    } catch (const FileError&) {
        return false;
    }
}

std::size_t ReadFully(File& file, std::span<std::uint8_t> buffer) {
    std::size_t done = 0;
    while (done < buffer.size()) {
        const std::size_t got = file.Read(buffer.subspan(done));
        if (got == 0) break;
        done += got;
    }
    return done;
}

}  // namespace core
