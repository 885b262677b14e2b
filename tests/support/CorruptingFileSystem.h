#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/fs/FileSystem.h"
#include "core/fs/Result.h"

namespace testsupport {

// A card that takes writes and keeps other bytes, as a failing or counterfeit one does: wraps a
// file system, and the chosen writes to files whose path contains `name` are stored with one
// byte flipped while they report success.
//
// The system's cache is modelled as well: until a file's cached pages are dropped
// (File::DropCachedPages, or an open with OpenMode::ReadFromMedium), reads of it give back what
// was written, as they do on a real machine; only the medium holds the altered bytes. So a
// read-back that goes no further than the cache finds nothing wrong here either.
class CorruptingFileSystem final : public core::FileSystem {
public:
    CorruptingFileSystem(core::FileSystem& inner, std::string name)
        : m_inner(inner), m_name(std::move(name)) {}

    // Writes number first to first + count - 1 (from 0, among the non-empty writes to matching
    // files from now on) are altered. Nothing is altered until this is called.
    void CorruptWrites(std::size_t first = 0, std::size_t count = std::numeric_limits<std::size_t>::max());
    // How many writes were altered so far.
    std::size_t Corrupted() const { return m_corrupted; }

    core::Result<std::unique_ptr<core::File>> Open(const std::string& path, core::OpenMode mode) override;
    core::Result<> Rename(const std::string& from, const std::string& to) override;
    core::Result<bool> RenameIfAbsent(const std::string& from, const std::string& to) override;
    core::Result<> RenameOverHeld(const std::string& from, const std::string& to, core::File& held) override;
    void Remove(const std::string& path) noexcept override;
    core::Result<std::vector<std::string>> ListFolder(const std::string& folder) override {
        return m_inner.ListFolder(folder);
    }
    core::Result<std::string> WriteTargetOf(const std::string& path) override { return m_inner.WriteTargetOf(path); }

private:
    friend class CorruptingFile;

    // The bytes the cache still holds where the medium holds others, by position.
    using CachedBytes = std::map<std::uint64_t, std::uint8_t>;

    // Whether this write, to `path`, is one to alter; counts it.
    bool TakeWrite(const std::string& path, std::size_t size);
    void Moved(const std::string& from, const std::string& to);

    core::FileSystem& m_inner;
    std::string m_name;
    std::size_t m_writes = 0;  // matching writes since CorruptWrites
    std::size_t m_first = std::numeric_limits<std::size_t>::max();
    std::size_t m_count = 0;
    std::size_t m_corrupted = 0;
    std::map<std::string, CachedBytes> m_cache;
};

}  // namespace testsupport
