// What the page does when the store surprises it: a timer changed by another program, a command
// that throws, a file far larger than any program file can be.
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <cstdint>
#include <filesystem>
#include <new>

#include "PageFixture.h"
#include "core/text/FileErrorText.h"
#include "pages/schedule/ControlIds.h"

namespace pagetest {
namespace {

using namespace pages::ids;

const QString kTimerChanged = QStringLiteral("该定时已被其他程序修改，已重新读取。");
const QString kWriteCheckFailed =
    QStringLiteral("写入校验失败：卡上读回的内容与写入的不同，这张卡可能已损坏。");

using OtherProgramTest = SchedulePageTest;

TEST_P(OtherProgramTest, ATimerChangedSinceItWasShownIsShownAgainNotOverwritten) {
    LayProgram(0, {TimerStartingAt(8), TimerStartingAt(9)});
    OpenSaveFolder();
    ASSERT_EQ(Selected(kStartHour), 8);

    for (const auto& [command, otherHour] : {std::pair{kSave, 11}, std::pair{kDeleteTimer, 13}}) {
        // Another program replaces the timer on screen; the page still shows the one before.
        const core::TimerData other{TimerStartingAt(otherHour), {}, core::MusicSource::Internal};
        ASSERT_TRUE(core::ReplaceTimer(core::SystemFileSystem(), ProgramPath(0), 0, other).ok());
        const auto changed = FileBytes(0);
        dialogs.ClearShown();
        Choose(kStartHour, 12);
        Click(command);
        EXPECT_EQ(dialogs.Messages(), QStringList{kTimerChanged});
        EXPECT_TRUE(dialogs.FileErrors().empty());
        EXPECT_EQ(FileBytes(0), changed) << "nothing was written";
        EXPECT_EQ(Selected(kStartHour), otherHour) << "the timer as the file holds it";
        EXPECT_EQ(Number(), "1");
    }
}

INSTANTIATE_FOR_BOTH_PAGES(OtherProgramTest);

// A file system whose opens throw once armed, as an allocation that fails deep in a command would.
class ThrowingFileSystem final : public core::FileSystem {
public:
    bool armed = false;

    core::Result<std::unique_ptr<core::File>> Open(const std::string& path, core::OpenMode mode) override {
        if (armed) throw std::bad_alloc();
        return core::SystemFileSystem().Open(path, mode);
    }
    core::Result<> Rename(const std::string& from, const std::string& to) override {
        return core::SystemFileSystem().Rename(from, to);
    }
    core::Result<bool> RenameIfAbsent(const std::string& from, const std::string& to) override {
        return core::SystemFileSystem().RenameIfAbsent(from, to);
    }
    core::Result<std::vector<std::string>> ListFolder(const std::string& folder) override {
        return core::SystemFileSystem().ListFolder(folder);
    }
    void Remove(const std::string& path) noexcept override { core::SystemFileSystem().Remove(path); }
};

struct ThrowingCommand {
    const char* name;
    int button;
    bool withFolder;  // the error names the open program's file; without a folder, no file
};

const ThrowingCommand kThrowingCommands[] = {
    {"Save", kSave, true},
    {"Delete", kDeleteTimer, true},
    {"Next", kNextTimer, true},
    {"Copy", kCopy, true},
    {"Add music without a folder", kAddMusic, false},
};

using ThrowingCommandTest = ::testing::TestWithParam<PageKind>;

TEST_P(ThrowingCommandTest, WhatACommandThrowsIsTheGenericFileErrorNotACrash) {
    for (const ThrowingCommand& c : kThrowingCommands) {
        SCOPED_TRACE(c.name);
        testing_support::ScriptedDialogs dialogs;
        testsupport::TempFolder folder;
        ThrowingFileSystem fs;
        const auto page = MakePage(GetParam(), dialogs, fs);
        page->show();
        const std::string path = folder / core::CardFileName(page->variant().kind.files, 0);
        testsupport::WriteFileBytes(path, ProgramFileBytes({TimerStartingAt(8), TimerStartingAt(9)}));
        if (c.withFolder) {
            dialogs.AnswerFolder(QString::fromStdString(folder.path()));
            QTest::mouseClick(&ui::RequireControl<QPushButton>(page.get(), kOpenFolder), Qt::LeftButton);
            ui::RequireControl<QComboBox>(page.get(), kCopySource).setCurrentIndex(0);
            ui::RequireControl<QComboBox>(page.get(), kCopyTarget).setCurrentIndex(1);
        } else {
            dialogs.AnswerMusicFiles({QStringLiteral("/nowhere/a.mp3")});
        }
        const auto before = testsupport::ReadFileBytes(path);

        fs.armed = true;
        QTest::mouseClick(&ui::RequireControl<QPushButton>(page.get(), c.button), Qt::LeftButton);

        const std::string named = c.withFolder ? path : std::string();
        EXPECT_EQ(dialogs.FileErrors(), std::vector{core::FileError(core::FileErrorCause::Generic, named)});
        const QString shown = QString::fromStdString(c.withFolder ? path : "一未命名文件");
        EXPECT_EQ(dialogs.FileErrorTexts(),
                  QStringList{QStringLiteral("在对 %1 进行访问时发生了一个不明错误。").arg(shown)});
        EXPECT_EQ(testsupport::ReadFileBytes(path), before);
        EXPECT_TRUE(dialogs.AllAnswersUsed());
    }
}

INSTANTIATE_FOR_BOTH_PAGES(ThrowingCommandTest);

using DamagedCardTest = SchedulePageTest;

// A card that keeps other bytes than it was given: a save, an append as a rewrite, shows that the
// write check failed, never "保存成功！", and the file stays as it was.
TEST_P(DamagedCardTest, ASaveShowsTheWriteCheckFailureNotSaved) {
    LayProgram(0, {TimerStartingAt(8)});
    OpenSaveFolder();
    const auto before = FileBytes(0);
    for (const int button : {kSave, kNewTimer}) {
        SCOPED_TRACE(button == kSave ? "replacing" : "appending");
        dialogs.ClearShown();
        if (button == kNewTimer) Click(kNewTimer);
        card.CorruptWrites(0, 1);
        SaveStartingAt(10);
        EXPECT_TRUE(dialogs.Messages().isEmpty());
        EXPECT_EQ(dialogs.FileErrorTexts(), QStringList{kWriteCheckFailed});
        EXPECT_EQ(dialogs.FileErrors(),
                  std::vector{core::FileError(core::FileErrorCause::ReadBackMismatch, ProgramPath(0))});
        EXPECT_EQ(FileBytes(0), before);
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{FileName(0)});
    }
}

INSTANTIATE_FOR_BOTH_PAGES(DamagedCardTest);

using HugeFileTest = SchedulePageTest;

// A program file grown (sparsely) to 64 GB behind a valid header: the store refuses to take it
// in, the page names it as too large and the file keeps its size.
TEST_P(HugeFileTest, DeleteIsRefusedWithAnErrorBoxAndTheFileKeepsItsSize) {
    constexpr std::uintmax_t kHuge = std::uintmax_t{64} << 30;
    LayProgram(0, {TimerStartingAt(8), TimerStartingAt(9)});
    if (!testsupport::StretchFile(ProgramPath(0), kHuge)) GTEST_SKIP() << "the file system refuses a 64 GB file";
    OpenSaveFolder();
    ASSERT_EQ(Selected(kStartHour), 8);

    Click(kDeleteTimer);

    EXPECT_TRUE(dialogs.Messages().isEmpty());
    EXPECT_EQ(dialogs.FileErrors(),
              std::vector{core::FileError(core::FileErrorCause::TooLarge, ProgramPath(0))});
    EXPECT_EQ(std::filesystem::file_size(testsupport::NativePath(ProgramPath(0))), kHuge);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{FileName(0)});
    EXPECT_EQ(Selected(kStartHour), 8) << "the timer stays on screen";
}

INSTANTIATE_FOR_BOTH_PAGES(HugeFileTest);

}  // namespace
}  // namespace pagetest
