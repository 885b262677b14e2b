#include "core/fs/WindowsUnbufferedFile.h"

#include <malloc.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "core/fs/WindowsFileBase.h"

namespace core {

namespace {

// Unbuffered reads must line up with the sectors of the volume; a page is a multiple of the
// usual 512 and 4096 bytes, and whole pages are what the system moves anyway.
constexpr std::size_t kMinAlignment = 4096;
// How much one read of the medium brings in: a full program in a handful of reads.
constexpr std::size_t kBlockBytes = 1 << 20;

// The sector size of the volume that holds `path`, or none when the system does not say.
DWORD SectorSize(const std::wstring& path) {
    std::vector<wchar_t> volume(path.size() + 2);
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
    if (!GetVolumePathNameW(path.c_str(), volume.data(), static_cast<DWORD>(volume.size()))) return 0;
    if (!GetDiskFreeSpaceW(volume.data(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters))
        return 0;
    return bytesPerSector;
}

struct AlignedFree {
    void operator()(std::uint8_t* p) const { _aligned_free(p); }
};
using AlignedBytes = std::unique_ptr<std::uint8_t, AlignedFree>;

class WindowsUnbufferedFile final : public WindowsFileBase {
public:
    WindowsUnbufferedFile(HANDLE handle, std::string path, std::unique_ptr<WindowsPathLock> lock,
                          std::size_t alignment)
        : WindowsFileBase(handle, std::move(path), std::move(lock)),
          m_blockSize((kBlockBytes + alignment - 1) / alignment * alignment),
          m_block(static_cast<std::uint8_t*>(_aligned_malloc(m_blockSize, alignment))) {
        if (!m_block) throw std::bad_alloc();
    }

    Result<std::size_t> Read(std::span<std::uint8_t> buffer) override {
        if (IsClosed()) return Closed();
        std::size_t done = 0;
        while (done < buffer.size()) {
            if (!InBlock(m_position)) {
                if (auto loaded = Load(m_position / m_blockSize * m_blockSize); !loaded.ok())
                    return loaded.failure();
                if (!InBlock(m_position)) break;  // the end of the file
            }
            const std::size_t from = static_cast<std::size_t>(m_position - m_blockStart);
            const std::size_t n = std::min(buffer.size() - done, m_blockLength - from);
            std::memcpy(buffer.data() + done, m_block.get() + from, n);
            done += n;
            m_position += n;
        }
        return done;
    }
    Result<> Write(std::span<const std::uint8_t>) override { return ReadOnly(); }
    Result<> Seek(std::uint64_t offset) override {
        if (IsClosed()) return Closed();
        m_position = offset;
        return {};
    }
    Result<> Truncate(std::uint64_t) override { return ReadOnly(); }
    // Nothing was written through this handle.
    Result<> Sync() override {
        if (IsClosed()) return Closed();
        return {};
    }

private:
    bool InBlock(std::uint64_t position) const {
        return position >= m_blockStart && position - m_blockStart < m_blockLength;
    }

    // Reads the block at `start`, a multiple of the block size. A read shorter than the block
    // ends at the end of the file.
    Result<> Load(std::uint64_t start) {
        m_blockLength = 0;
        if (auto moved = MoveTo(start); !moved.ok()) return moved;
        DWORD got = 0;
        if (!ReadFile(m_handle, m_block.get(), static_cast<DWORD>(m_blockSize), &got, nullptr)) {
            return LastFailure(m_path);
        }
        m_blockStart = start;
        m_blockLength = got;
        return {};
    }

    Failure ReadOnly() const { return IoFailure(FileError(FileErrorCause::AccessDenied, m_path)); }

    std::size_t m_blockSize;
    AlignedBytes m_block;
    std::uint64_t m_blockStart = 0;
    std::size_t m_blockLength = 0;  // bytes of the file in the block
    std::uint64_t m_position = 0;
};

}  // namespace

Result<std::unique_ptr<File>> OpenUnbuffered(const std::wstring& wide, const std::string& path,
                                             std::unique_ptr<WindowsPathLock> lock) {
    const std::size_t alignment = std::max<std::size_t>(SectorSize(wide), kMinAlignment);
    HANDLE handle = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_NO_BUFFERING, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return OpenFailure(FileError(CauseFromWin32(GetLastError()), path));
    return std::unique_ptr<File>(
        std::make_unique<WindowsUnbufferedFile>(handle, path, std::move(lock), alignment));
}

}  // namespace core
