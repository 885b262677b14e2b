#pragma once

#include <string>

#include "core/fs/FileError.h"

namespace core {

// Why a card file could not be opened or read: the cause and the file's path, as a plain value
// that can be kept and compared.
struct FileFailure {
    FileErrorCause cause = FileErrorCause::Generic;
    std::string path;

    bool operator==(const FileFailure&) const = default;
};

}  // namespace core
