#pragma once

#include <string>

namespace core {

// The separator that joins a folder and a file name on this platform.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// folder, one separator, name. The separator is added even when the folder already ends in
// one (a drive root such as E:\ then gives E:\\SCH01.DAT), which the file system accepts.
std::string JoinPath(const std::string& folder, const std::string& name);

// The folder part of a path ("." when it has none) and the name after the last separator.
std::string FolderOf(const std::string& path);
std::string NameOf(const std::string& path);

}  // namespace core
