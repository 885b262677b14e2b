#include "core/fs/Path.h"

namespace core {

std::string JoinPath(const std::string& folder, const std::string& name) {
    std::string path;
    path.reserve(folder.size() + 1 + name.size());
    path += folder;
    path += kPathSeparator;
    path += name;
    return path;
}

}  // namespace core
