#pragma once

// What the files of the Windows file system share: the causes of Windows' error codes, and an
// open handle with its path and the lock of that path.

#include <windows.h>

#include <memory>
#include <string>

#include "core/fs/FileError.h"
#include "core/fs/FileSystem.h"
#include "core/fs/WindowsPathLock.h"

namespace core {

FileErrorCause CauseFromWin32(DWORD code);

// A failure after the open, from the calling thread's last error.
Failure LastFailure(const std::string& path);

class WindowsFileBase : public File {
public:
    WindowsFileBase(HANDLE handle, std::string path, std::unique_ptr<WindowsPathLock> lock)
        : m_handle(handle), m_path(std::move(path)), m_lock(std::move(lock)) {}
    ~WindowsFileBase() override;
    WindowsFileBase(const WindowsFileBase&) = delete;
    WindowsFileBase& operator=(const WindowsFileBase&) = delete;

    const std::string& Path() const override { return m_path; }
    Result<std::uint64_t> Length() override;
    Result<> Close() override;
    Result<> CloseKeepingPath() override;

protected:
    bool IsClosed() const { return m_handle == INVALID_HANDLE_VALUE; }
    // Any call but Close on a file already closed.
    Failure Closed() const { return IoFailure(FileError(FileErrorCause::InvalidFile, m_path)); }
    // Moves the handle's position to `offset`.
    Result<> MoveTo(std::uint64_t offset);

    // INVALID_HANDLE_VALUE is also the handle of the current process, so no call may pass it on.
    HANDLE m_handle;
    std::string m_path;

private:
    std::unique_ptr<WindowsPathLock> m_lock;  // released after the handle is closed
};

}  // namespace core
