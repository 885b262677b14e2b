#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "core/fs/FileSystem.h"
#include "core/fs/Result.h"

namespace core {

// The temporary file used while replacing target: in the same folder, so the final rename
// never crosses a file system.
std::string TemporaryPathFor(const std::string& target);

// Opens an existing target only to hold it (exclusive) while it is being replaced; none when it
// does not exist. OpenFailed when it exists but cannot be opened (busy, denied).
Result<std::unique_ptr<File>> HoldIfExists(FileSystem& fs, const std::string& target);

// Replaces the whole content of target by `content`: writes it to the temporary file next to
// target, pushes it to the medium, then renames it over target. On any failure target keeps
// exactly its old bytes (or stays absent) and the temporary file is removed. Every failure
// names target: OpenFailed when the temporary file could not even be created, so nothing at all
// was written; IoFailed for any later one.
//
// `held` is the caller's open handle on target, if any, that has kept other writers out while
// the content was built. It stays open until the new content is safe in the temporary file and
// is closed right before the rename, since some platforms refuse to rename over an open file.
Result<> ReplaceFileContents(FileSystem& fs, const std::string& target, std::span<const std::uint8_t> content,
                             std::unique_ptr<File> held = nullptr);

// The same, for content given as runs of bytes written one after the other, so a caller never
// has to gather a large file into one buffer first.
using ByteRun = std::span<const std::uint8_t>;
Result<> ReplaceFileContents(FileSystem& fs, const std::string& target, std::span<const ByteRun> runs,
                             std::unique_ptr<File> held = nullptr);

}  // namespace core
