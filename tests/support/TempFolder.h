#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

// A fresh, empty folder under the system's temporary folder, removed with everything in it
// when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    // The full path of `name` inside the folder.
    std::string operator/(const std::string& name) const;
    // Names of the entries in the folder, sorted.
    std::vector<std::string> Entries() const;

private:
    std::string m_path;
};

// Paths are UTF-8 throughout the tool. Built from a u8string, a path means the same file on
// every platform; from a narrow string Windows would read it in the ANSI code page.
std::filesystem::path NativePath(const std::string& utf8);

// Whole-file helpers that bypass the seam, so they see the disk as it really is.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Gives the existing file at path the length `length` without writing it (sparse where the file
// system allows): false when it cannot. Through the tool's own file layer, whose lengths are 64
// bits everywhere; the C library's on Windows stop at 2 GiB.
bool StretchFile(const std::string& path, std::uint64_t length);

}  // namespace testsupport
