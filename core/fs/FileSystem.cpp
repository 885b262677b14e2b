#include "core/fs/FileSystem.h"

#include "core/fs/Path.h"

namespace core {

bool CanOpenForReading(FileSystem& fs, const std::string& path) {
    auto opened = fs.Open(path, OpenMode::Read);
    return opened.ok() && (*opened)->Close().ok();
}

Result<> MakeFolderPath(FileSystem& fs, const std::string& path) {
    const std::string parent = FolderOf(path);
    if (parent != path && parent != "." && !parent.empty() && parent.size() < path.size()) {
        // The parent is made first; when it exists already, making it is a no-op.
        if (auto made = MakeFolderPath(fs, parent); !made.ok()) return made;
    }
    return fs.MakeFolder(path);
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
