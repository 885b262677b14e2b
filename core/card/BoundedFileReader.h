#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "core/fs/FileError.h"
#include "core/fs/FileSystem.h"

namespace core {

// The card layer's only way to a file: opens it for reading and reads byte ranges of it into
// buffers the caller owns, so memory never depends on what the file claims. Every failure of
// the file layer becomes a FileError here and nowhere else.
class BoundedFileReader {
public:
    // Opens path for reading and learns its length. When that fails, IsOpen() is false and
    // Failure() says why.
    BoundedFileReader(FileSystem& fs, const std::string& path);

    bool IsOpen() const { return m_file != nullptr; }
    std::uint64_t Length() const { return m_length; }

    // Fills all of `buffer` with the file's bytes from `offset` on. False when the file fails
    // or ends first: Failure() then says why and the file is closed.
    bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer);

    const std::optional<FileError>& Failure() const { return m_failure; }

private:
    // Closes the file and keeps why it failed.
    bool Fail(const std::optional<FileError>& error);

    std::unique_ptr<File> m_file;
    std::uint64_t m_length = 0;
    std::uint64_t m_position = 0;  // where the file stands, so reading on needs no seek
    std::optional<FileError> m_failure;
};

}  // namespace core
