#include "core/fs/WindowsPathLock.h"

#include <cstdint>
#include <cwchar>

namespace core {

namespace {

// The name of a path's lock: one per file whatever way the path is written (relative or whole,
// either case, either slash), short enough for any path, in this logon session's namespace.
std::wstring LockName(const std::wstring& path) {
    std::wstring full(MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length);
        length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    full.resize(length < full.size() ? length : 0);
    if (full.empty()) full = path;
    CharUpperBuffW(full.data(), static_cast<DWORD>(full.size()));
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (wchar_t c : full) {
        hash ^= static_cast<std::uint64_t>(c == L'/' ? L'\\' : c);
        hash *= 1099511628211ull;
    }
    wchar_t name[64];
    std::swprintf(name, 64, L"Local\\tavrel-file-lock-%016llx", static_cast<unsigned long long>(hash));
    return name;
}

}  // namespace

WindowsPathLock::WindowsPathLock(const std::wstring& path) {
    HANDLE semaphore = CreateSemaphoreW(nullptr, 1, 1, LockName(path).c_str());
    if (semaphore == nullptr) return;
    if (WaitForSingleObject(semaphore, 0) == WAIT_OBJECT_0) {
        m_semaphore = semaphore;
    } else {
        m_busy = true;
        CloseHandle(semaphore);
    }
}

WindowsPathLock::~WindowsPathLock() {
    if (m_semaphore == nullptr) return;
    ReleaseSemaphore(m_semaphore, 1, nullptr);
    CloseHandle(m_semaphore);
}

}  // namespace core
