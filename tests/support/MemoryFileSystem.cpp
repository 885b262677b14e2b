#include "tests/support/MemoryFileSystem.h"

#include <algorithm>
#include <cstring>

#include "core/fs/FileError.h"

namespace testsupport {

using core::FileError;
using core::FileErrorCause;

namespace {

class MemoryFile final : public core::File {
public:
    MemoryFile(std::shared_ptr<MemoryFileSystem::Node> node, std::string path,
               std::uint64_t capacity)
        : node_(std::move(node)), path_(std::move(path)), capacity_(capacity) {
        node_->held = true;
    }
    ~MemoryFile() override { Release(); }

    const std::string& Path() const override { return path_; }

    std::size_t Read(std::span<std::uint8_t> buffer) override {
        Bytes& bytes = Open().bytes;
        if (position_ >= bytes.size()) return 0;
        const std::size_t got =
            static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), bytes.size() - position_));
        std::memcpy(buffer.data(), bytes.data() + position_, got);
        position_ += got;
        return got;
    }

    void Write(std::span<const std::uint8_t> data) override {
        Bytes& bytes = Open().bytes;
        if (data.empty()) return;
        const std::uint64_t end = position_ + data.size();
        if (end > capacity_) throw FileError(FileErrorCause::DiskFull, path_);
        if (end > bytes.size()) bytes.resize(static_cast<std::size_t>(end));
        std::memcpy(bytes.data() + position_, data.data(), data.size());
        position_ = end;
    }

    void Seek(std::uint64_t offset) override {
        Open();
        position_ = offset;
    }

    std::uint64_t Length() override { return Open().bytes.size(); }

    void Truncate(std::uint64_t length) override {
        Bytes& bytes = Open().bytes;
        if (length > capacity_) throw FileError(FileErrorCause::DiskFull, path_);
        bytes.resize(static_cast<std::size_t>(length));
    }

    void Sync() override { Open(); }

    void Close() override {
        Open();
        Release();
    }

private:
    MemoryFileSystem::Node& Open() {
        if (!node_) throw FileError(FileErrorCause::InvalidFile, path_);
        return *node_;
    }
    void Release() {
        if (node_) node_->held = false;
        node_.reset();
    }

    std::shared_ptr<MemoryFileSystem::Node> node_;
    std::string path_;
    std::uint64_t capacity_;
    std::uint64_t position_ = 0;
};

}  // namespace

void MemoryFileSystem::SetFile(const std::string& path, Bytes bytes) {
    files_[path] = std::make_shared<Node>(Node{std::move(bytes), false});
}

std::optional<Bytes> MemoryFileSystem::FileBytes(const std::string& path) const {
    const auto found = files_.find(path);
    if (found == files_.end()) return std::nullopt;
    return found->second->bytes;
}

std::vector<std::string> MemoryFileSystem::Paths() const {
    std::vector<std::string> paths;
    for (const auto& [path, node] : files_) paths.push_back(path);
    return paths;
}

std::unique_ptr<core::File> MemoryFileSystem::Open(const std::string& path,
                                                        core::OpenMode mode) {
    auto found = files_.find(path);
    if (found == files_.end()) {
        if (mode != core::OpenMode::Create) throw FileError(FileErrorCause::FileNotFound, path);
        found = files_.emplace(path, std::make_shared<Node>()).first;
    }
    if (found->second->held) throw FileError(FileErrorCause::SharingViolation, path);
    if (mode == core::OpenMode::Create) found->second->bytes.clear();
    return std::make_unique<MemoryFile>(found->second, path, capacity_);
}

void MemoryFileSystem::Rename(const std::string& from, const std::string& to) {
    const auto found = files_.find(from);
    if (found == files_.end()) throw FileError(FileErrorCause::FileNotFound, from);
    auto node = found->second;
    files_.erase(found);
    files_[to] = std::move(node);
}

void MemoryFileSystem::Remove(const std::string& path) noexcept { files_.erase(path); }

}  // namespace testsupport
