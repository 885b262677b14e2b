#pragma once

#include <string>

#include "core/fs/FileError.h"

namespace core {

// The sentence the user reads for a failed file operation, in UTF-8, with %1 where the file's
// path goes. Marked for translation under the context "FileError".
const char* FileErrorTemplate(FileErrorCause cause);

// Whether the sentence for `cause` names the file. One that does not (a sentence about the card)
// is shown with the file's path beside it.
bool FileErrorTextNamesFile(FileErrorCause cause);

// "一未命名文件": the name a sentence gives a file without a path. Context "FileError".
const char* UnnamedFileText();

// The sentence for `error`, naming its path (or "一未命名文件" when it has none).
std::string FileErrorText(const FileError& error);

}  // namespace core
