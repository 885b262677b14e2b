// The sentences the user reads for failed file operations, each naming the file.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/fs/FileError.h"
#include "core/text/FileErrorText.h"

namespace {

using core::FileError;
using core::FileErrorCause;

struct CauseText {
    FileErrorCause cause;
    const char* text;  // for the file E:\SCH01.DAT
};

const CauseText kTexts[] = {
    {FileErrorCause::Generic, "在对 E:\\SCH01.DAT 进行访问时发生了一个不明错误。"},
    {FileErrorCause::FileNotFound, "没有找到 E:\\SCH01.DAT。"},
    {FileErrorCause::BadPath, "E:\\SCH01.DAT 中包含无效的路径。"},
    {FileErrorCause::TooManyOpenFiles, "无法打开 E:\\SCH01.DAT 因为太多文件已被打开。"},
    {FileErrorCause::AccessDenied, "对 E:\\SCH01.DAT 的存取被拒绝。"},
    {FileErrorCause::InvalidFile, "一个无效的文件柄与 E:\\SCH01.DAT 相关联。"},
    {FileErrorCause::DirectoryFull, "该目录已满，无法创建 E:\\SCH01.DAT。"},
    {FileErrorCause::BadSeek, "对 E:\\SCH01.DAT 进行查找失败。"},
    {FileErrorCause::HardIO, "在存取 E:\\SCH01.DAT 时一个硬件输入/输出错误被报告。"},
    {FileErrorCause::SharingViolation, "在存取 E:\\SCH01.DAT 时发生共享违例。"},
    {FileErrorCause::LockViolation, "在存取 E:\\SCH01.DAT 时发生锁违例。"},
    {FileErrorCause::DiskFull, "在存取 E:\\SCH01.DAT 时磁盘已满。"},
    {FileErrorCause::EndOfFile, "试图越过其尾端对 E:\\SCH01.DAT 进行读写。"},
    {FileErrorCause::NotRegularFile, "E:\\SCH01.DAT 不是一个普通文件，无法读写。"},
};

TEST(FileErrorText, EachCauseHasItsOwnSentenceNamingTheFile) {
    std::set<std::string> templates;
    for (const auto& [cause, text] : kTexts) {
        SCOPED_TRACE(static_cast<int>(cause));
        EXPECT_EQ(core::FileErrorText(FileError(cause, "E:\\SCH01.DAT")), text);
        const std::string pattern = core::FileErrorTemplate(cause);
        EXPECT_EQ(pattern.find("%1"), pattern.rfind("%1")) << "one place for the file";
        templates.insert(pattern);
    }
    EXPECT_EQ(templates.size(), std::size(kTexts));
}

TEST(FileErrorText, FileWithoutAPathIsCalledUnnamed) {
    EXPECT_EQ(core::FileErrorText(FileError(FileErrorCause::FileNotFound, "")), "没有找到 一未命名文件。");
    EXPECT_EQ(core::FileErrorText(FileError(FileErrorCause::Generic, "")),
              "在对 一未命名文件 进行访问时发生了一个不明错误。");
}

// A path is put in as it is, even when it holds the placeholder itself.
TEST(FileErrorText, PathIsNotReadAsATemplate) {
    EXPECT_EQ(core::FileErrorText(FileError(FileErrorCause::AccessDenied, "/sd/%1/SCH01.DAT")),
              "对 /sd/%1/SCH01.DAT 的存取被拒绝。");
}

}  // namespace
