#include "core/fs/FileError.h"

#include <cerrno>

namespace core {

namespace {

const char* MessageTemplate(FileErrorCause cause) {
    switch (cause) {
    case FileErrorCause::FileNotFound: return "没有找到 %1。";
    case FileErrorCause::BadPath: return "%1 中包含无效的路径。";
    case FileErrorCause::TooManyOpenFiles: return "无法打开 %1 因为太多文件已被打开。";
    case FileErrorCause::AccessDenied: return "对 %1 的存取被拒绝。";
    case FileErrorCause::InvalidFile: return "一个无效的文件柄与 %1 相关联。";
    case FileErrorCause::DirectoryFull: return "该目录已满，无法创建 %1。";
    case FileErrorCause::BadSeek: return "对 %1 进行查找失败。";
    case FileErrorCause::HardIO: return "在存取 %1 时一个硬件输入/输出错误被报告。";
    case FileErrorCause::SharingViolation: return "在存取 %1 时发生共享违例。";
    case FileErrorCause::LockViolation: return "在存取 %1 时发生锁违例。";
    case FileErrorCause::DiskFull: return "在存取 %1 时磁盘已满。";
    case FileErrorCause::EndOfFile: return "试图越过其尾端对 %1 进行读写。";
    case FileErrorCause::Generic: break;
    }
    return "在对 %1 进行访问时发生了一个不明错误。";
}

}  // namespace

FileError::FileError(FileErrorCause cause, std::string path)
    : std::runtime_error(FileErrorMessage(cause, path)), cause_(cause), path_(std::move(path)) {}

std::string FileErrorMessage(FileErrorCause cause, const std::string& path) {
    std::string text = MessageTemplate(cause);
    const std::string name = path.empty() ? std::string("一未命名文件") : path;
    const auto at = text.find("%1");
    if (at != std::string::npos) text.replace(at, 2, name);
    return text;
}

std::string FileErrorMessage(const FileError& error) {
    return FileErrorMessage(error.cause(), error.path());
}

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
    case EDQUOT:
    case EFBIG: return FileErrorCause::DiskFull;
    default: return FileErrorCause::Generic;
    }
}

}  // namespace core
