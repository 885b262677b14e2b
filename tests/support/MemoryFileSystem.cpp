#include "tests/support/MemoryFileSystem.h"

#include <algorithm>
#include <cstring>

#include "core/fs/FileError.h"
#include "core/fs/Path.h"

namespace testsupport {

using core::FileError;
using core::FileErrorCause;
using core::Result;

namespace {

class MemoryFile final : public core::File {
public:
    MemoryFile(std::shared_ptr<MemoryFileSystem::Node> node, std::string path, std::uint64_t capacity)
        : m_node(std::move(node)), m_path(std::move(path)), m_capacity(capacity) {
        m_node->held = true;
    }
    ~MemoryFile() override { Release(); }

    const std::string& Path() const override { return m_path; }

    Result<std::size_t> Read(std::span<std::uint8_t> buffer) override {
        if (!m_node) return Closed();
        const Bytes& bytes = m_node->bytes;
        if (m_position >= bytes.size()) return std::size_t{0};
        const std::size_t got =
            static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), bytes.size() - m_position));
        std::memcpy(buffer.data(), bytes.data() + m_position, got);
        m_position += got;
        return got;
    }

    Result<> Write(std::span<const std::uint8_t> data) override {
        if (!m_node) return Closed();
        Bytes& bytes = m_node->bytes;
        if (data.empty()) return {};
        const std::uint64_t end = m_position + data.size();
        if (end > m_capacity) return DiskFull();
        if (end > bytes.size()) bytes.resize(static_cast<std::size_t>(end));
        std::memcpy(bytes.data() + m_position, data.data(), data.size());
        m_position = end;
        return {};
    }

    Result<> Seek(std::uint64_t offset) override {
        if (!m_node) return Closed();
        m_position = offset;
        return {};
    }

    Result<std::uint64_t> Length() override {
        if (!m_node) return Closed();
        return std::uint64_t{m_node->bytes.size()};
    }

    Result<> Truncate(std::uint64_t length) override {
        if (!m_node) return Closed();
        if (length > m_capacity) return DiskFull();
        m_node->bytes.resize(static_cast<std::size_t>(length));
        return {};
    }

    Result<> Sync() override {
        if (!m_node) return Closed();
        return {};
    }

    // Memory has no cache to drop, but a closed file still takes no call.
    Result<> DropCachedPages() override {
        if (!m_node) return Closed();
        return {};
    }

    Result<> Close() override {
        if (!m_node) return Closed();
        Release();
        return {};
    }

private:
    // Any call on a file already closed.
    core::Failure Closed() const { return core::IoFailure(FileError(FileErrorCause::InvalidFile, m_path)); }
    core::Failure DiskFull() const { return core::IoFailure(FileError(FileErrorCause::DiskFull, m_path)); }

    void Release() {
        if (m_node) m_node->held = false;
        m_node.reset();
    }

    std::shared_ptr<MemoryFileSystem::Node> m_node;
    std::string m_path;
    std::uint64_t m_capacity;
    std::uint64_t m_position = 0;
};

}  // namespace

void MemoryFileSystem::SetFile(const std::string& path, Bytes bytes) {
    m_files[path] = std::make_shared<Node>(Node{std::move(bytes), false});
}

std::optional<Bytes> MemoryFileSystem::FileBytes(const std::string& path) const {
    const auto found = m_files.find(path);
    if (found == m_files.end()) return std::nullopt;
    return found->second->bytes;
}

std::vector<std::string> MemoryFileSystem::Paths() const {
    std::vector<std::string> paths;
    for (const auto& [path, node] : m_files) paths.push_back(path);
    return paths;
}

Result<std::unique_ptr<core::File>> MemoryFileSystem::Open(const std::string& path, core::OpenMode mode) {
    const bool creates = mode == core::OpenMode::Create || mode == core::OpenMode::CreateNew;
    auto found = m_files.find(path);
    if (found != m_files.end() && mode == core::OpenMode::CreateNew) {
        return core::OpenFailure(FileError(FileErrorCause::Generic, path));
    }
    if (found == m_files.end()) {
        if (!creates) return core::OpenFailure(FileError(FileErrorCause::FileNotFound, path));
        found = m_files.emplace(path, std::make_shared<Node>()).first;
    }
    if (found->second->held) return core::OpenFailure(FileError(FileErrorCause::SharingViolation, path));
    if (mode == core::OpenMode::Create) found->second->bytes.clear();
    return std::unique_ptr<core::File>(std::make_unique<MemoryFile>(found->second, path, m_capacity));
}

Result<> MemoryFileSystem::Rename(const std::string& from, const std::string& to) {
    const auto found = m_files.find(from);
    if (found == m_files.end()) return core::IoFailure(FileError(FileErrorCause::FileNotFound, from));
    auto node = found->second;
    m_files.erase(found);
    m_files[to] = std::move(node);
    return {};
}

Result<bool> MemoryFileSystem::RenameIfAbsent(const std::string& from, const std::string& to) {
    if (Exists(to)) return false;
    if (auto renamed = Rename(from, to); !renamed.ok()) return renamed.failure();
    return true;
}

void MemoryFileSystem::Remove(const std::string& path) noexcept { m_files.erase(path); }

Result<std::vector<std::string>> MemoryFileSystem::ListFolder(const std::string& folder) {
    const std::string prefix = core::JoinPath(folder, "");
    std::vector<std::string> names;
    for (const auto& [path, node] : m_files) {
        if (path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0) continue;
        std::string name = path.substr(prefix.size());
        if (name.find(core::kPathSeparator) == std::string::npos) names.push_back(std::move(name));
    }
    return names;
}

}  // namespace testsupport
