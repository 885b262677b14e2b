#include "core/fs/FileSystem.h"

namespace core {

bool CanOpenForReading(FileSystem& fs, const std::string& path) {
    auto opened = fs.Open(path, OpenMode::Read);
    return opened.ok() && (*opened)->Close().ok();
}

Result<std::size_t> ReadFully(File& file, std::span<std::uint8_t> buffer) {
    std::size_t done = 0;
    while (done < buffer.size()) {
        const auto got = file.Read(buffer.subspan(done));
        if (!got.ok()) return got.failure();
        if (*got == 0) break;
        done += *got;
    }
    return done;
}

}  // namespace core
