// The file system on Windows: CreateFileW with share mode 0 gives the exclusive open.
#include <windows.h>

#include <string>

#include "core/fs/FileError.h"
#include "core/fs/FileSystem.h"

namespace core {

namespace {

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
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

[[noreturn]] void ThrowLast(const std::string& path) {
    throw FileError(CauseFromWin32(GetLastError()), path);
}

class WindowsFile final : public File {
public:
    WindowsFile(HANDLE handle, std::string path) : handle_(handle), path_(std::move(path)) {}
    ~WindowsFile() override {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    const std::string& Path() const override { return path_; }
    std::size_t Read(std::span<std::uint8_t> buffer) override {
        DWORD got = 0;
        const DWORD want = buffer.size() > MAXDWORD ? MAXDWORD : static_cast<DWORD>(buffer.size());
        if (!ReadFile(handle_, buffer.data(), want, &got, nullptr)) ThrowLast(path_);
        return got;
    }
    void Write(std::span<const std::uint8_t> data) override {
        while (!data.empty()) {
            DWORD put = 0;
            const DWORD want = data.size() > MAXDWORD ? MAXDWORD : static_cast<DWORD>(data.size());
            if (!WriteFile(handle_, data.data(), want, &put, nullptr)) ThrowLast(path_);
            if (put == 0) throw FileError(FileErrorCause::DiskFull, path_);
            data = data.subspan(put);
        }
    }
    void Seek(std::uint64_t offset) override {
        LARGE_INTEGER to;
        to.QuadPart = static_cast<LONGLONG>(offset);
        if (!SetFilePointerEx(handle_, to, nullptr, FILE_BEGIN)) throw FileError(FileErrorCause::BadSeek, path_);
    }
    std::uint64_t Length() override {
        LARGE_INTEGER size;
        if (!GetFileSizeEx(handle_, &size)) ThrowLast(path_);
        return static_cast<std::uint64_t>(size.QuadPart);
    }
    void Truncate(std::uint64_t length) override {
        Seek(length);
        if (!SetEndOfFile(handle_)) ThrowLast(path_);
    }
    void Sync() override {
        if (!FlushFileBuffers(handle_)) ThrowLast(path_);
    }
    void Close() override {
        HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        if (handle != INVALID_HANDLE_VALUE && !CloseHandle(handle)) ThrowLast(path_);
    }

private:
    HANDLE handle_;
    std::string path_;
};

class WindowsFileSystem final : public FileSystem {
public:
    std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
        DWORD access = GENERIC_READ;
        DWORD disposition = OPEN_EXISTING;
        if (mode != OpenMode::Read) access |= GENERIC_WRITE;
        if (mode == OpenMode::Create) disposition = CREATE_ALWAYS;
        HANDLE handle = CreateFileW(Wide(path).c_str(), access, 0 /* exclusive */, nullptr,
                                    disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) ThrowLast(path);
        return std::make_unique<WindowsFile>(handle, path);
    }
    void Rename(const std::string& from, const std::string& to) override {
        if (!MoveFileExW(Wide(from).c_str(), Wide(to).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            ThrowLast(to);
        }
    }
    void Remove(const std::string& path) noexcept override { DeleteFileW(Wide(path).c_str()); }
};

}  // namespace

FileSystem& SystemFileSystem() {
    static WindowsFileSystem instance;
    return instance;
}

}  // namespace core
