// The file system on Windows. An open takes the lock of its path (WindowsPathLock.h), which keeps
// every other opener of this tool out, and shares nothing with other programs but deletion, so
// that a leftover can be removed while it is held.
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/fs/FileError.h"
#include "core/fs/FileSystem.h"
#include "core/fs/Path.h"
#include "core/fs/WindowsFileBase.h"
#include "core/fs/WindowsPathLock.h"
#include "core/fs/WindowsUnbufferedFile.h"

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

class WindowsFile final : public WindowsFileBase {
public:
    using WindowsFileBase::WindowsFileBase;

    Result<std::size_t> Read(std::span<std::uint8_t> buffer) override {
        if (IsClosed()) return Closed();
        DWORD got = 0;
        const DWORD want = buffer.size() > MAXDWORD ? MAXDWORD : static_cast<DWORD>(buffer.size());
        if (!ReadFile(m_handle, buffer.data(), want, &got, nullptr)) return LastFailure(m_path);
        return std::size_t{got};
    }
    Result<> Write(std::span<const std::uint8_t> data) override {
        if (IsClosed()) return Closed();
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
        if (IsClosed()) return Closed();
        return MoveTo(offset);
    }
    Result<> Truncate(std::uint64_t length) override {
        if (auto moved = Seek(length); !moved.ok()) return moved;
        if (!SetEndOfFile(m_handle)) return LastFailure(m_path);
        return {};
    }
    Result<> Sync() override {
        if (IsClosed()) return Closed();
        if (!FlushFileBuffers(m_handle)) return LastFailure(m_path);
        return {};
    }
    // Windows has no call that drops a file's cached data through a buffered handle, and a second,
    // unbuffered open of a file this tool holds is refused: the reads that follow come from the
    // cache (docs/read-back.md).
    Result<> DropCachedPages() override {
        if (IsClosed()) return Closed();
        return {};
    }
};

class WindowsFileSystem final : public FileSystem {
public:
    Result<std::unique_ptr<File>> Open(const std::string& path, OpenMode mode) override {
        const std::wstring wide = Wide(path);
        auto lock = std::make_unique<WindowsPathLock>(wide);
        if (lock->busy()) return OpenFailure(FileError(FileErrorCause::SharingViolation, path));
        if (mode == OpenMode::ReadFromMedium) return OpenUnbuffered(wide, path, std::move(lock));
        DWORD access = GENERIC_READ;
        DWORD disposition = OPEN_EXISTING;
        if (mode != OpenMode::Read) access |= GENERIC_WRITE;
        if (mode == OpenMode::Create) disposition = CREATE_ALWAYS;
        if (mode == OpenMode::CreateNew) disposition = CREATE_NEW;
        HANDLE handle = CreateFileW(wide.c_str(), access, FILE_SHARE_DELETE, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return OpenFailure(FileError(CauseFromWin32(GetLastError()), path));
        return std::unique_ptr<File>(std::make_unique<WindowsFile>(handle, path, std::move(lock)));
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
};

}  // namespace

FileSystem& SystemFileSystem() {
    static WindowsFileSystem instance;
    return instance;
}

}  // namespace core
