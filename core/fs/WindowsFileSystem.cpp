// The file system on Windows. An open takes the lock of its path (WindowsPathLock.h), which keeps
// every other opener of this tool out, and shares nothing with other programs but deletion, so
// that a leftover can be removed while it is held.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/fs/AlignedBlocks.h"
#include "core/fs/FileError.h"
#include "core/fs/FileSystem.h"
#include "core/fs/Path.h"
#include "core/fs/WindowsPathLock.h"

namespace core {

namespace {

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

std::string Narrow(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), n, nullptr, nullptr);
    return utf8;
}

FileErrorCause CauseFromWin32(DWORD code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND: return FileErrorCause::FileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME: return FileErrorCause::BadPath;
    case ERROR_TOO_MANY_OPEN_FILES: return FileErrorCause::TooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return FileErrorCause::AccessDenied;
    case ERROR_INVALID_HANDLE: return FileErrorCause::InvalidFile;
    case ERROR_CANNOT_MAKE: return FileErrorCause::DirectoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK: return FileErrorCause::BadSeek;
    case ERROR_CRC:
    case ERROR_IO_DEVICE: return FileErrorCause::HardIO;
    case ERROR_SHARING_VIOLATION: return FileErrorCause::SharingViolation;
    case ERROR_LOCK_VIOLATION: return FileErrorCause::LockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return FileErrorCause::DiskFull;
    case ERROR_HANDLE_EOF: return FileErrorCause::EndOfFile;
    default: return FileErrorCause::Generic;
    }
}

// A failure after the open, from the calling thread's last error.
Failure LastFailure(const std::string& path) {
    return IoFailure(FileError(CauseFromWin32(GetLastError()), path));
}

// An unbuffered read must line up with the sectors of the volume; a page is a multiple of the
// usual 512 and 4096 bytes.
constexpr std::size_t kMinUnbufferedAlignment = 4096;

// The alignment unbuffered reads of the file at `path` need: its volume's sector size, at least
// a page.
std::size_t UnbufferedAlignment(const std::wstring& path) {
    std::vector<wchar_t> volume(path.size() + 2);
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
    const bool known =
        GetVolumePathNameW(path.c_str(), volume.data(), static_cast<DWORD>(volume.size())) &&
        GetDiskFreeSpaceW(volume.data(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters);
    return std::max<std::size_t>(known ? bytesPerSector : 0, kMinUnbufferedAlignment);
}

class WindowsFile final : public File {
public:
    // `unbuffered`: the handle was opened with FILE_FLAG_NO_BUFFERING, and reads go through it.
    WindowsFile(HANDLE handle, std::string path, std::unique_ptr<WindowsPathLock> lock,
                std::unique_ptr<AlignedBlocks> unbuffered = nullptr)
        : m_handle(handle),
          m_path(std::move(path)),
          m_lock(std::move(lock)),
          m_unbuffered(std::move(unbuffered)) {}
    ~WindowsFile() override {
        if (m_handle != INVALID_HANDLE_VALUE) CloseHandle(m_handle);
    }
    const std::string& Path() const override { return m_path; }
    Result<std::size_t> Read(std::span<std::uint8_t> buffer) override {
        if (m_handle == INVALID_HANDLE_VALUE) return Closed();
        if (m_unbuffered) {
            return m_unbuffered->Read(buffer, [this](std::uint64_t start, std::span<std::uint8_t> block) {
                return ReadAt(start, block);
            });
        }
        DWORD got = 0;
        const DWORD want = buffer.size() > MAXDWORD ? MAXDWORD : static_cast<DWORD>(buffer.size());
        if (!ReadFile(m_handle, buffer.data(), want, &got, nullptr)) return LastFailure(m_path);
        return std::size_t{got};
    }
    Result<> Write(std::span<const std::uint8_t> data) override {
        if (m_handle == INVALID_HANDLE_VALUE) return Closed();
        while (!data.empty()) {
            DWORD put = 0;
            const DWORD want = data.size() > MAXDWORD ? MAXDWORD : static_cast<DWORD>(data.size());
            if (!WriteFile(m_handle, data.data(), want, &put, nullptr)) return LastFailure(m_path);
            if (put == 0) return IoFailure(FileError(FileErrorCause::DiskFull, m_path));
            data = data.subspan(put);
        }
        return {};
    }
    Result<> Seek(std::uint64_t offset) override {
        if (m_handle == INVALID_HANDLE_VALUE) return Closed();
        if (!m_unbuffered) return MoveTo(offset);
        m_unbuffered->Seek(offset);
        return {};
    }
    Result<std::uint64_t> Length() override {
        if (m_handle == INVALID_HANDLE_VALUE) return Closed();
        LARGE_INTEGER size;
        if (!GetFileSizeEx(m_handle, &size)) return LastFailure(m_path);
        return static_cast<std::uint64_t>(size.QuadPart);
    }
    Result<> Truncate(std::uint64_t length) override {
        if (m_handle == INVALID_HANDLE_VALUE) return Closed();
        if (auto moved = MoveTo(length); !moved.ok()) return moved;
        if (!SetEndOfFile(m_handle)) return LastFailure(m_path);
        return {};
    }
    Result<> Sync() override {
        if (m_handle == INVALID_HANDLE_VALUE) return Closed();
        if (!FlushFileBuffers(m_handle)) return LastFailure(m_path);
        return {};
    }
    // Windows has no call that drops a file's cached data through a buffered handle, and a second,
    // unbuffered open of a file this tool holds is refused: the reads that follow come from the
    // cache (docs/read-back.md).
    Result<> DropCachedPages() override {
        if (m_handle == INVALID_HANDLE_VALUE) return Closed();
        return {};
    }
    Result<> Close() override {
        auto closed = CloseKeepingPath();
        m_lock.reset();
        return closed;
    }
    Result<> CloseKeepingPath() override {
        HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        if (handle != INVALID_HANDLE_VALUE && !CloseHandle(handle)) return LastFailure(m_path);
        return {};
    }

private:
    // INVALID_HANDLE_VALUE is also the handle of the current process, so no call may pass it on.
    Failure Closed() const { return IoFailure(FileError(FileErrorCause::InvalidFile, m_path)); }

    Result<> MoveTo(std::uint64_t offset) {
        LARGE_INTEGER to;
        to.QuadPart = static_cast<LONGLONG>(offset);
        if (!SetFilePointerEx(m_handle, to, nullptr, FILE_BEGIN)) {
            return IoFailure(FileError(FileErrorCause::BadSeek, m_path));
        }
        return {};
    }

    // One unbuffered read of a whole block.
    Result<std::size_t> ReadAt(std::uint64_t start, std::span<std::uint8_t> block) {
        if (auto moved = MoveTo(start); !moved.ok()) return moved.failure();
        DWORD got = 0;
        if (!ReadFile(m_handle, block.data(), static_cast<DWORD>(block.size()), &got, nullptr)) {
            return LastFailure(m_path);
        }
        return std::size_t{got};
    }

    HANDLE m_handle;
    std::string m_path;
    std::unique_ptr<WindowsPathLock> m_lock;  // released after the handle is closed
    std::unique_ptr<AlignedBlocks> m_unbuffered;
};

class WindowsFileSystem final : public FileSystem {
public:
    Result<std::unique_ptr<File>> Open(const std::string& path, OpenMode mode) override {
        const std::wstring wide = Wide(path);
        auto lock = std::make_unique<WindowsPathLock>(wide);
        if (lock->busy()) return OpenFailure(FileError(FileErrorCause::SharingViolation, path));
        const bool unbuffered = mode == OpenMode::ReadFromMedium;
        auto blocks = unbuffered ? std::make_unique<AlignedBlocks>(UnbufferedAlignment(wide)) : nullptr;
        DWORD access = GENERIC_READ;
        DWORD disposition = OPEN_EXISTING;
        if (mode != OpenMode::Read && !unbuffered) access |= GENERIC_WRITE;
        if (mode == OpenMode::Create) disposition = CREATE_ALWAYS;
        if (mode == OpenMode::CreateNew) disposition = CREATE_NEW;
        HANDLE handle = CreateFileW(wide.c_str(), access, FILE_SHARE_DELETE, nullptr, disposition,
                                    unbuffered ? FILE_FLAG_NO_BUFFERING : FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            const DWORD attributes = GetFileAttributesW(wide.c_str());
            const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            return OpenFailure(FileError(folder ? FileErrorCause::NotRegularFile : CauseFromWin32(error), path));
        }
        // A pipe, a console or a device is no file to read or write.
        if (GetFileType(handle) != FILE_TYPE_DISK) {
            CloseHandle(handle);
            return OpenFailure(FileError(FileErrorCause::NotRegularFile, path));
        }
        return std::unique_ptr<File>(
            std::make_unique<WindowsFile>(handle, path, std::move(lock), std::move(blocks)));
    }
    Result<> Rename(const std::string& from, const std::string& to) override {
        if (!MoveFileExW(Wide(from).c_str(), Wide(to).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return LastFailure(to);
        }
        return {};
    }
    Result<bool> RenameIfAbsent(const std::string& from, const std::string& to) override {
        // Without MOVEFILE_REPLACE_EXISTING the move fails on an existing target.
        if (!MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_WRITE_THROUGH)) {
            const DWORD code = GetLastError();
            if (code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS) return false;
            return IoFailure(FileError(CauseFromWin32(code), to));
        }
        return true;
    }
    // Windows renames over no open file, so the old file is closed first; its path stays locked
    // until the new file has its name, and no other writer of this tool gets in between.
    Result<> RenameOverHeld(const std::string& from, const std::string& to,
                            File& held) override {
        if (auto closed = held.CloseKeepingPath(); !closed.ok()) return closed;
        return Rename(from, to);
    }
    // A file held by this tool is open with delete sharing: it goes when its holder closes it.
    void Remove(const std::string& path) noexcept override { DeleteFileW(Wide(path).c_str()); }

    Result<std::vector<std::string>> ListFolder(const std::string& folder) override {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(Wide(JoinPath(folder, "*")).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            // An empty drive root, such as a freshly formatted card, has not even "." and "..".
            if (error == ERROR_FILE_NOT_FOUND) return std::vector<std::string>{};
            const FileErrorCause cause =
                error == ERROR_PATH_NOT_FOUND ? FileErrorCause::FileNotFound : CauseFromWin32(error);
            return OpenFailure(FileError(cause, folder));
        }
        std::vector<std::string> names;
        do {
            const std::wstring_view name = found.cFileName;
            if (name != L"." && name != L"..") names.push_back(Narrow(name));
        } while (FindNextFileW(search, &found));
        const DWORD error = GetLastError();
        FindClose(search);
        if (error != ERROR_NO_MORE_FILES) return IoFailure(FileError(CauseFromWin32(error), folder));
        return names;
    }

    Result<> MakeFolder(const std::string& path) override {
        const std::wstring wide = Wide(path);
        if (CreateDirectoryW(wide.c_str(), nullptr)) return {};
        const DWORD error = GetLastError();
        const DWORD attributes = GetFileAttributesW(wide.c_str());
        if (error == ERROR_ALREADY_EXISTS && attributes != INVALID_FILE_ATTRIBUTES &&
            (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            return {};
        }
        return OpenFailure(FileError(error == ERROR_ALREADY_EXISTS ? FileErrorCause::BadPath : CauseFromWin32(error), path));
    }
};

}  // namespace

FileSystem& SystemFileSystem() {
    static WindowsFileSystem instance;
    return instance;
}

}  // namespace core
