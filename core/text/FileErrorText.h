#pragma once

#include <string>

#include "core/fs/FileError.h"

namespace core {

// The sentence the user reads for a failed file operation, in UTF-8, with %1 where the file's
// path goes. Marked for translation under the context "FileError".
const char* FileErrorTemplate(FileErrorCause cause);

// The sentence for `error`, naming its path (or "一未命名文件" when it has none).
std::string FileErrorText(const FileError& error);

}  // namespace core
