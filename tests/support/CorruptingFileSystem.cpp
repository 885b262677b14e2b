#include "tests/support/CorruptingFileSystem.h"

#include <algorithm>

namespace testsupport {

using core::Result;

// An open file of a CorruptingFileSystem. It tracks its own position, to know which bytes a
// read or a write covers.
class CorruptingFile final : public core::File {
public:
    CorruptingFile(CorruptingFileSystem& fs, std::unique_ptr<core::File> inner)
        : m_fs(fs), m_inner(std::move(inner)) {}

    const std::string& Path() const override { return m_inner->Path(); }

    Result<std::size_t> Read(std::span<std::uint8_t> buffer) override {
        auto got = m_inner->Read(buffer);
        if (!got.ok()) return got;
        // The cache gives back what was written.
        const auto& cached = Cached();
        for (auto at = cached.lower_bound(m_position); at != cached.end() && at->first < m_position + *got;
             ++at) {
            buffer[static_cast<std::size_t>(at->first - m_position)] = at->second;
        }
        m_position += *got;
        return got;
    }

    Result<> Write(std::span<const std::uint8_t> data) override {
        auto& cached = Cached();
        cached.erase(cached.lower_bound(m_position), cached.lower_bound(m_position + data.size()));
        Result<> written;
        if (m_fs.TakeWrite(Path(), data.size())) {
            const std::size_t flipped = data.size() / 2;
            std::vector<std::uint8_t> altered(data.begin(), data.end());
            altered[flipped] ^= 0xFF;
            written = m_inner->Write(altered);
            if (written.ok()) cached[m_position + flipped] = data[flipped];
        } else {
            written = m_inner->Write(data);
        }
        if (written.ok()) m_position += data.size();
        return written;
    }

    Result<> Seek(std::uint64_t offset) override {
        auto moved = m_inner->Seek(offset);
        if (moved.ok()) m_position = offset;
        return moved;
    }

    Result<std::uint64_t> Length() override { return m_inner->Length(); }

    Result<> Truncate(std::uint64_t length) override {
        auto cut = m_inner->Truncate(length);
        if (cut.ok()) {
            auto& cached = Cached();
            cached.erase(cached.lower_bound(length), cached.end());
        }
        return cut;
    }

    Result<> Sync() override { return m_inner->Sync(); }

    Result<> DropCachedPages() override {
        auto dropped = m_inner->DropCachedPages();
        if (dropped.ok()) m_fs.m_cache.erase(Path());
        return dropped;
    }

    Result<> Close() override { return m_inner->Close(); }
    Result<> CloseKeepingPath() override { return m_inner->CloseKeepingPath(); }

private:
    CorruptingFileSystem::CachedBytes& Cached() { return m_fs.m_cache[Path()]; }

    CorruptingFileSystem& m_fs;
    std::unique_ptr<core::File> m_inner;
    std::uint64_t m_position = 0;
};

void CorruptingFileSystem::CorruptWrites(std::size_t first, std::size_t count) {
    m_writes = 0;
    m_first = first;
    m_count = count;
}

bool CorruptingFileSystem::TakeWrite(const std::string& path, std::size_t size) {
    if (size == 0 || path.find(m_name) == std::string::npos) return false;
    const std::size_t n = m_writes++;
    if (n < m_first || n - m_first >= m_count) return false;
    ++m_corrupted;
    return true;
}

void CorruptingFileSystem::Moved(const std::string& from, const std::string& to) {
    auto cached = m_cache.extract(from);
    m_cache.erase(to);
    if (cached) {
        cached.key() = to;
        m_cache.insert(std::move(cached));
    }
}

Result<std::unique_ptr<core::File>> CorruptingFileSystem::Open(const std::string& path, core::OpenMode mode) {
    auto opened = m_inner.Open(path, mode);
    if (!opened.ok()) return opened.failure();
    // The open from the medium drops the cache; emptying the file drops what it held.
    if (mode == core::OpenMode::ReadFromMedium || mode == core::OpenMode::Create) m_cache.erase(path);
    return std::unique_ptr<core::File>(std::make_unique<CorruptingFile>(*this, std::move(*opened)));
}

Result<> CorruptingFileSystem::Rename(const std::string& from, const std::string& to) {
    auto renamed = m_inner.Rename(from, to);
    if (renamed.ok()) Moved(from, to);
    return renamed;
}

Result<bool> CorruptingFileSystem::RenameIfAbsent(const std::string& from, const std::string& to) {
    auto renamed = m_inner.RenameIfAbsent(from, to);
    if (renamed.ok() && *renamed) Moved(from, to);
    return renamed;
}

Result<> CorruptingFileSystem::RenameOverHeld(const std::string& from, const std::string& to,
                                              core::File& held) {
    auto renamed = m_inner.RenameOverHeld(from, to, held);
    if (renamed.ok()) Moved(from, to);
    return renamed;
}

void CorruptingFileSystem::Remove(const std::string& path) noexcept {
    m_inner.Remove(path);
    m_cache.erase(path);
}

}  // namespace testsupport
