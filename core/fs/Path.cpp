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

namespace {

// Position of the last separator; '/' is taken as one everywhere, as the platforms accept it.
std::string::size_type LastSeparator(const std::string& path) {
    return path.find_last_of(kPathSeparator == '/' ? "/" : "/\\");
}

}  // namespace

std::string FolderOf(const std::string& path) {
    const auto slash = LastSeparator(path);
    if (slash == std::string::npos) return ".";
    if (slash == 0) return path.substr(0, 1);
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = LastSeparator(path);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace core
