#include "core/fs/FileError.h"

#include <cerrno>

namespace core {

FileErrorCause CauseFromErrno(int errorNumber) {
    switch (errorNumber) {
    case ENOENT: return FileErrorCause::FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL: return FileErrorCause::BadPath;
    case EMFILE:
    case ENFILE: return FileErrorCause::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return FileErrorCause::AccessDenied;
    case EBADF: return FileErrorCause::InvalidFile;
    case EMLINK: return FileErrorCause::DirectoryFull;
    case ESPIPE: return FileErrorCause::BadSeek;
    case EIO: return FileErrorCause::HardIO;
    case EWOULDBLOCK: return FileErrorCause::SharingViolation;
    case ENOLCK: return FileErrorCause::LockViolation;
    case ENOSPC:
#ifdef EDQUOT  // no disk quotas in the Windows C library
    case EDQUOT:
#endif
    case EFBIG: return FileErrorCause::DiskFull;
    default: return FileErrorCause::Generic;
    }
}

}  // namespace core
