#pragma once

// A lock on a file's path that every process of this tool on the machine sees, for Windows.
//
// Windows cannot rename over a file that is open, so a writer must let go of the old file for
// the moment of the rename. The lock is what keeps the hold through that moment: every open of
// the tool's file layer takes the lock of its path first, and a writer keeps it, after closing
// the old file, until the new file has its name. Another writer of this tool finds the path
// locked and is told the file is busy, exactly as when the file itself is held.
//
// It is a named semaphore rather than a mutex: a file may be closed on another thread than the
// one that opened it, and a semaphore belongs to no thread. It never touches the card, so it
// works on FAT32 as on NTFS, and it vanishes with the last process that has it open, so a
// crashed writer leaves nothing locked behind.

#include <windows.h>

#include <string>

namespace core {

class WindowsPathLock {
public:
    // Takes the lock of `path` if it is free. busy() when another opener has it; neither held()
    // nor busy() when the system could not give a lock, and the open goes ahead unlocked.
    explicit WindowsPathLock(const std::wstring& path);
    ~WindowsPathLock();
    WindowsPathLock(const WindowsPathLock&) = delete;
    WindowsPathLock& operator=(const WindowsPathLock&) = delete;

    bool held() const { return m_semaphore != nullptr; }
    bool busy() const { return m_busy; }

private:
    HANDLE m_semaphore = nullptr;
    bool m_busy = false;
};

}  // namespace core
