#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "core/fs/FileError.h"
#include "core/fs/FileSystem.h"

namespace core {

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
//
// `held` is the caller's open handle on target, if any, that has kept other writers out while
// the content was built. It stays open until the new content is safe in the temporary file and
// is closed right before the rename, since some platforms refuse to rename over an open file.
void ReplaceFileContents(FileSystem& fs, const std::string& target,
                         std::span<const std::uint8_t> content,
                         std::unique_ptr<File> held = nullptr);

// The same, for content given as runs of bytes written one after the other, so a caller never
// has to gather a large file into one buffer first.
using ByteRun = std::span<const std::uint8_t>;
void ReplaceFileContents(FileSystem& fs, const std::string& target, std::span<const ByteRun> runs,
                         std::unique_ptr<File> held = nullptr);

}  // namespace core
