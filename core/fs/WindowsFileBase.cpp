#include "core/fs/WindowsFileBase.h"

namespace core {

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

Failure LastFailure(const std::string& path) {
    return IoFailure(FileError(CauseFromWin32(GetLastError()), path));
}

WindowsFileBase::~WindowsFileBase() {
    if (m_handle != INVALID_HANDLE_VALUE) CloseHandle(m_handle);
}

Result<std::uint64_t> WindowsFileBase::Length() {
    if (IsClosed()) return Closed();
    LARGE_INTEGER size;
    if (!GetFileSizeEx(m_handle, &size)) return LastFailure(m_path);
    return static_cast<std::uint64_t>(size.QuadPart);
}

Result<> WindowsFileBase::Close() {
    auto closed = CloseKeepingPath();
    m_lock.reset();
    return closed;
}

Result<> WindowsFileBase::CloseKeepingPath() {
    HANDLE handle = m_handle;
    m_handle = INVALID_HANDLE_VALUE;
    if (handle != INVALID_HANDLE_VALUE && !CloseHandle(handle)) return LastFailure(m_path);
    return {};
}

Result<> WindowsFileBase::MoveTo(std::uint64_t offset) {
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(m_handle, to, nullptr, FILE_BEGIN)) {
        return IoFailure(FileError(FileErrorCause::BadSeek, m_path));
    }
    return {};
}

}  // namespace core
