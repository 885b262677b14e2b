#pragma once

#include <stdexcept>
#include <string>

namespace core {

// Why a file operation failed. Each cause has its own message for the user (FileErrorMessage).
enum class FileErrorCause {
    Generic,           // an error that none of the others describes
    FileNotFound,
    BadPath,
    TooManyOpenFiles,
    AccessDenied,
    InvalidFile,       // a handle that does not belong to an open file
    DirectoryFull,
    BadSeek,
    HardIO,            // the medium reported an input/output error
    SharingViolation,  // another program holds the file open
    LockViolation,
    DiskFull,
    EndOfFile,         // a read or write beyond the end of the file
};

// A failed file operation: its cause and the path of the file it concerned (empty when unknown).
class FileError : public std::runtime_error {
public:
    FileError(FileErrorCause cause, std::string path);

    FileErrorCause cause() const noexcept { return cause_; }
    const std::string& path() const noexcept { return path_; }

private:
    FileErrorCause cause_;
    std::string path_;
};

// The text shown to the user for a failed file operation, in UTF-8, naming the path
// (or "一未命名文件" when there is none).
std::string FileErrorMessage(FileErrorCause cause, const std::string& path);
std::string FileErrorMessage(const FileError& error);

// Maps a POSIX errno value to the cause that describes it best.
FileErrorCause CauseFromErrno(int errorNumber);

}  // namespace core
