#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "FileError.h"
#include "FileSystem.h"

namespace platform {

// Thrown by ReplaceFileContents when the temporary file cannot be created, so nothing at all
// was written: the new content could not even be started.
class CreateFailed : public FileError {
public:
    using FileError::FileError;
};

// The temporary file used while replacing target: in the same folder, so the final rename
// never crosses a file system.
std::string TemporaryPathFor(const std::string& target);

// Replaces the whole content of target by `content`: writes it to the temporary file next to
// target, pushes it to the medium, then renames it over target. On any failure target keeps
// exactly its old bytes (or stays absent), the temporary file is removed, and FileError is
// thrown, naming target: CreateFailed when the temporary file could not even be created.
// A caller that holds target open (to keep others out while it builds the content) keeps holding it; the rename does not need it closed.
void ReplaceFileContents(FileSystem& fs, const std::string& target,
                         std::span<const std::uint8_t> content);

}  // namespace platform
