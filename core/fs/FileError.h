#pragma once

#include <string>
#include <utility>

namespace core {

// Why a file operation failed. The text the user reads for each cause lives in the text table
// (core/text/FileErrorText.h), not here.
enum class FileErrorCause {
    Generic,  // an error that none of the others describes
    FileNotFound,
    BadPath,
    TooManyOpenFiles,
    AccessDenied,
    InvalidFile,  // a handle that does not belong to an open file
    DirectoryFull,
    BadSeek,
    HardIO,            // the medium reported an input/output error
    SharingViolation,  // another program holds the file open
    LockViolation,
    DiskFull,
    EndOfFile,         // a read or write beyond the end of the file
    ReadBackMismatch,  // what the medium gave back after a write differs from what was written
    TooLarge,          // larger than any valid file of its kind: not ours to replace, left as it is
    NotRegularFile,    // the path names a pipe, socket, device or folder: nothing to read or write
};

// A failed file operation: its cause and the path of the file it concerned (empty when unknown).
class FileError {
public:
    FileError(FileErrorCause cause, std::string path) : m_cause(cause), m_path(std::move(path)) {}

    FileErrorCause cause() const noexcept { return m_cause; }
    const std::string& path() const noexcept { return m_path; }

    bool operator==(const FileError&) const = default;

private:
    FileErrorCause m_cause;
    std::string m_path;
};

// Maps a POSIX errno value to the cause that describes it best.
FileErrorCause CauseFromErrno(int errorNumber);

}  // namespace core
