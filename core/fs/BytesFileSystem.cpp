#include "core/fs/BytesFileSystem.h"

#include <algorithm>
#include <cstring>

#include "core/fs/Path.h"

namespace core {

namespace {

class BytesFile final : public File {
public:
    BytesFile(std::string path, std::span<const std::uint8_t> bytes)
        : m_path(std::move(path)), m_bytes(bytes) {}

    const std::string& Path() const override { return m_path; }

    Result<std::size_t> Read(std::span<std::uint8_t> buffer) override {
        if (m_position >= m_bytes.size()) return std::size_t{0};
        const auto got =
            static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), m_bytes.size() - m_position));
        std::memcpy(buffer.data(), m_bytes.data() + m_position, got);
        m_position += got;
        return got;
    }
    Result<> Write(std::span<const std::uint8_t>) override { return Refused(); }
    Result<> Seek(std::uint64_t offset) override {
        m_position = offset;
        return {};
    }
    Result<std::uint64_t> Length() override { return std::uint64_t{m_bytes.size()}; }
    Result<> Truncate(std::uint64_t) override { return Refused(); }
    Result<> Sync() override { return {}; }
    Result<> Close() override { return {}; }

private:
    Failure Refused() const { return IoFailure(FileError(FileErrorCause::AccessDenied, m_path)); }

    std::string m_path;
    std::span<const std::uint8_t> m_bytes;
    std::uint64_t m_position = 0;
};

}  // namespace

Result<std::unique_ptr<File>> BytesFileSystem::Open(const std::string& path, OpenMode mode) {
    const auto found = m_files.find(path);
    if (mode != OpenMode::Read) return OpenFailure(FileError(FileErrorCause::AccessDenied, path));
    if (found == m_files.end()) return OpenFailure(FileError(FileErrorCause::FileNotFound, path));
    return std::unique_ptr<File>(std::make_unique<BytesFile>(path, found->second));
}

Result<> BytesFileSystem::Rename(const std::string&, const std::string& to) {
    return IoFailure(FileError(FileErrorCause::AccessDenied, to));
}

Result<bool> BytesFileSystem::RenameIfAbsent(const std::string&, const std::string& to) {
    return IoFailure(FileError(FileErrorCause::AccessDenied, to));
}

Result<std::vector<std::string>> BytesFileSystem::ListFolder(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& [path, bytes] : m_files) {
        if (FolderOf(path) == folder) names.push_back(NameOf(path));
    }
    return names;
}

}  // namespace core
