#pragma once

#include <map>

#include "core/fs/FileSystem.h"

namespace core {

// Files given as bytes in memory, read through the same seam as a card folder: for reading a
// version of a file that is not on disk with the card's own readers. Read-only: a path it was
// not given is FileNotFound, every write is AccessDenied. It does not copy the bytes; they must
// outlive it and every file opened from it.
class BytesFileSystem final : public FileSystem {
public:
    void Serve(const std::string& path, std::span<const std::uint8_t> bytes) { m_files[path] = bytes; }

    Result<std::unique_ptr<File>> Open(const std::string& path, OpenMode mode) override;
    Result<> Rename(const std::string& from, const std::string& to) override;
    Result<bool> RenameIfAbsent(const std::string& from, const std::string& to) override;
    void Remove(const std::string&) noexcept override {}
    // The names of the files served in `folder`; any folder lists, if only as empty.
    Result<std::vector<std::string>> ListFolder(const std::string& folder) override;

private:
    std::map<std::string, std::span<const std::uint8_t>> m_files;
};

}  // namespace core
