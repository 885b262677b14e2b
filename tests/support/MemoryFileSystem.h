#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/fs/FileSystem.h"
#include "core/fs/Result.h"

namespace testsupport {

using Bytes = std::vector<std::uint8_t>;

// A file system held in memory, for fuzzing and for sweeps that run an operation thousands
// of times. It behaves like the real one where the store can tell: exclusive opens (a second
// open of a held file fails with SharingViolation), the three open modes, reads that stop at
// the end, writes past the end that fill the gap with zeros, and a rename that replaces its
// target even while someone holds the old one open. Folders do not exist: any path names a
// file, and a folder lists the paths that lie in it. A file cannot grow past `capacity` bytes (DiskFull), so
// damaged input cannot make a test allocate without bound.
class MemoryFileSystem final : public core::FileSystem {
public:
    explicit MemoryFileSystem(std::uint64_t capacity = 64u << 20) : m_capacity(capacity) {}

    void SetFile(const std::string& path, Bytes bytes);
    // The file's bytes, or nothing when it does not exist.
    std::optional<Bytes> FileBytes(const std::string& path) const;
    bool Exists(const std::string& path) const { return m_files.count(path) != 0; }
    std::vector<std::string> Paths() const;

    core::Result<std::unique_ptr<core::File>> Open(const std::string& path, core::OpenMode mode) override;
    core::Result<> Rename(const std::string& from, const std::string& to) override;
    core::Result<bool> RenameIfAbsent(const std::string& from, const std::string& to) override;
    // Names of the paths whose folder part (core::FolderOf) is `folder`.
    core::Result<std::vector<std::string>> ListFolder(const std::string& folder) override;
    void Remove(const std::string& path) noexcept override;

    struct Node {
        Bytes bytes;
        bool held = false;
    };

private:
    std::map<std::string, std::shared_ptr<Node>> m_files;
    std::uint64_t m_capacity;
};

}  // namespace testsupport
