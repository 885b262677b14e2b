#include "core/text/FileErrorText.h"

#include <string_view>

#include "core/text/Translate.h"

namespace core {

const char* FileErrorTemplate(FileErrorCause cause) {
    switch (cause) {
    case FileErrorCause::FileNotFound: return TAVREL_TRANSLATE_NOOP("FileError", "没有找到 %1。");
    case FileErrorCause::BadPath: return TAVREL_TRANSLATE_NOOP("FileError", "%1 中包含无效的路径。");
    case FileErrorCause::TooManyOpenFiles:
        return TAVREL_TRANSLATE_NOOP("FileError", "无法打开 %1 因为太多文件已被打开。");
    case FileErrorCause::AccessDenied: return TAVREL_TRANSLATE_NOOP("FileError", "对 %1 的存取被拒绝。");
    case FileErrorCause::InvalidFile:
        return TAVREL_TRANSLATE_NOOP("FileError", "一个无效的文件柄与 %1 相关联。");
    case FileErrorCause::DirectoryFull:
        return TAVREL_TRANSLATE_NOOP("FileError", "该目录已满，无法创建 %1。");
    case FileErrorCause::BadSeek: return TAVREL_TRANSLATE_NOOP("FileError", "对 %1 进行查找失败。");
    case FileErrorCause::HardIO:
        return TAVREL_TRANSLATE_NOOP("FileError", "在存取 %1 时一个硬件输入/输出错误被报告。");
    case FileErrorCause::SharingViolation:
        return TAVREL_TRANSLATE_NOOP("FileError", "在存取 %1 时发生共享违例。");
    case FileErrorCause::LockViolation: return TAVREL_TRANSLATE_NOOP("FileError", "在存取 %1 时发生锁违例。");
    case FileErrorCause::DiskFull: return TAVREL_TRANSLATE_NOOP("FileError", "在存取 %1 时磁盘已满。");
    case FileErrorCause::EndOfFile:
        return TAVREL_TRANSLATE_NOOP("FileError", "试图越过其尾端对 %1 进行读写。");
    // The file is named elsewhere in the box; the sentence is about the card.
    case FileErrorCause::ReadBackMismatch:
        return TAVREL_TRANSLATE_NOOP("FileError",
                                     "写入校验失败：卡上读回的内容与写入的不同，这张卡可能已损坏。");
    case FileErrorCause::TooLarge:
        return TAVREL_TRANSLATE_NOOP("FileError", "%1 比任何有效的卡文件都大，已保持原样，没有写入。");
    case FileErrorCause::NotRegularFile:
        return TAVREL_TRANSLATE_NOOP("FileError", "%1 不是一个普通文件，无法读写。");
    case FileErrorCause::Generic: break;
    }
    return TAVREL_TRANSLATE_NOOP("FileError", "在对 %1 进行访问时发生了一个不明错误。");
}

bool FileErrorTextNamesFile(FileErrorCause cause) {
    return std::string_view(FileErrorTemplate(cause)).find("%1") != std::string_view::npos;
}

const char* UnnamedFileText() { return TAVREL_TRANSLATE_NOOP("FileError", "一未命名文件"); }

std::string FileErrorText(const FileError& error) {
    std::string text = FileErrorTemplate(error.cause());
    const std::string name = error.path().empty() ? std::string(UnnamedFileText()) : error.path();
    const auto at = text.find("%1");
    if (at != std::string::npos) text.replace(at, 2, name);
    return text;
}

}  // namespace core
