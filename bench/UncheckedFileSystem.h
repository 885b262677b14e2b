#pragma once

#include "core/fs/FileSystem.h"

namespace bench {

// The machine's file system with the read-back of every write switched off, to measure what
// the read-back costs. Only the benchmark has one: the tool always checks its writes.
class UncheckedFileSystem final : public core::FileSystem {
public:
    bool ChecksWrites() const override { return false; }

    core::Result<std::unique_ptr<core::File>> Open(const std::string& path, core::OpenMode mode) override {
        return m_inner.Open(path, mode);
    }
    core::Result<> Rename(const std::string& from, const std::string& to) override {
        return m_inner.Rename(from, to);
    }
    core::Result<bool> RenameIfAbsent(const std::string& from, const std::string& to) override {
        return m_inner.RenameIfAbsent(from, to);
    }
    core::Result<> RenameOverHeld(const std::string& from, const std::string& to, core::File& held) override {
        return m_inner.RenameOverHeld(from, to, held);
    }
    void Remove(const std::string& path) noexcept override { m_inner.Remove(path); }
    core::Result<std::vector<std::string>> ListFolder(const std::string& folder) override {
        return m_inner.ListFolder(folder);
    }
    core::Result<std::string> WriteTargetOf(const std::string& path) override { return m_inner.WriteTargetOf(path); }

private:
    core::FileSystem& m_inner = core::SystemFileSystem();
};

}  // namespace bench
