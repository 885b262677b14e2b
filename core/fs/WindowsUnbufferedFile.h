#pragma once

// A file opened with FILE_FLAG_NO_BUFFERING, for reading what the medium holds past the
// system's cache (OpenMode::ReadFromMedium). Such a handle reads only whole sectors into memory
// aligned to a sector, at offsets that are a multiple of one: the file reads aligned blocks into
// an aligned buffer of its own and hands out any span of them, the file's end included. It is
// for reading only.

#include <windows.h>

#include <memory>
#include <string>

#include "core/fs/FileSystem.h"
#include "core/fs/WindowsPathLock.h"

namespace core {

// Opens the existing file at `wide` (named `path` in failures) unbuffered for reading. The lock
// is the one already taken for its path.
Result<std::unique_ptr<File>> OpenUnbuffered(const std::wstring& wide, const std::string& path,
                                             std::unique_ptr<WindowsPathLock> lock);

}  // namespace core
