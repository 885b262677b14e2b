#pragma once

#include <cstdint>
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

// Whole-file helpers that bypass the seam, so they see the disk as it really is.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace testsupport
