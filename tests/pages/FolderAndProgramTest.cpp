// Choosing the save folder and choosing a program: which program opens, at which timer.
#include <QLineEdit>

#include "PageFixture.h"
#include "pages/schedule/ControlIds.h"

namespace pagetest {
namespace {

using namespace pages::ids;
using core::FileErrorCause;
using testsupport::IoCall;

using FolderTest = SchedulePageTest;

TEST_P(FolderTest, AFolderWithoutProgramFilesOpensTheFirstProgramAtANewTimer) {
    OpenSaveFolder();
    EXPECT_EQ(Control<QLineEdit>(kSavePath).text(), QString::fromStdString(folder.path()));
    EXPECT_EQ(Selected(kProgram), 0);
    EXPECT_EQ(Number(), "1");
    EXPECT_TRUE(Enabled(kMode));
    EXPECT_EQ(Selected(kMode), 0);
    EXPECT_EQ(Editor().timerCount(), 0u);
    EXPECT_TRUE(folder.Entries().empty());
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_P(FolderTest, TheFirstProgramWithAFileOpensAtItsFirstTimer) {
    // Show timer 4 of another folder's first program first.
    testsupport::TempFolder other;
    OpenFolder(other.path());
    for (int hour = 1; hour <= 3; ++hour) SaveStartingAt(hour);
    ASSERT_EQ(Number(), "4");

    LayProgram(2, {TimerStartingAt(6), TimerStartingAt(7)});
    OpenFolder(folder.path());
    EXPECT_EQ(Selected(kProgram), 2);
    EXPECT_EQ(Number(), "1");
    EXPECT_EQ(Selected(kStartHour), 6);
    EXPECT_FALSE(Enabled(kMode));
    EXPECT_EQ(Editor().timerCount(), 2u);
    EXPECT_EQ(Editor().program(), 2);
}

TEST_P(FolderTest, ACancelledBrowserChangesNothing) {
    LayProgram(0, {TimerStartingAt(6)});
    OpenSaveFolder();
    Click(kNextTimer);
    EnterStart(9, 9, 9);
    dialogs.CancelFolder();
    Click(kOpenFolder);
    EXPECT_EQ(Control<QLineEdit>(kSavePath).text(), QString::fromStdString(folder.path()));
    EXPECT_EQ(Selected(kStartHour), 9);
    EXPECT_EQ(Editor().saveFolder(), folder.path());
}

TEST_P(FolderTest, AProgramFileWithoutTimersOpensAsAnEmptyTimerNumberOne) {
    LayProgram(0, {});
    OpenSaveFolder();
    EXPECT_EQ(Number(), "1");
    EXPECT_EQ(Editor().timerIndex(), 0u);
    EXPECT_EQ(Editor().timerCount(), 0u);
    EXPECT_FALSE(Enabled(kMode));
    EXPECT_EQ(Selected(kMode), 0);
    EXPECT_EQ(Selected(kStartHour), 0);
    EXPECT_EQ(Selected(kChannel), -1);
    for (int zone : kZones) EXPECT_FALSE(Checked(zone)) << zone;

    // Save stores it as timer 0 of that file.
    Click(kSave);
    EXPECT_EQ(Program(0)->header.count, 1);
}

TEST_P(FolderTest, TheRepeatCheckRemembersSavesAcrossFolders) {
    testsupport::TempFolder other;
    OpenFolder(other.path());
    SaveStartingAt(8);
    OpenSaveFolder();
    SaveStartingAt(8);
    EXPECT_EQ(dialogs.Messages().last(), QStringLiteral("开始时间有重复！！"));
    EXPECT_FALSE(Program(0));
}

TEST_P(FolderTest, AProgramFileThatFailsToReadShowsTheErrorAndChangesNothing) {
    LayProgram(1, {TimerStartingAt(6)});
    fs.FailCall(0, FileErrorCause::HardIO, IoCall::Read);
    OpenSaveFolder();
    ASSERT_EQ(dialogs.FileErrors().size(), 1u);
    EXPECT_EQ(dialogs.FileErrors()[0].cause(), FileErrorCause::HardIO);
    EXPECT_EQ(Control<QLineEdit>(kSavePath).text(), QString());
    EXPECT_EQ(Editor().saveFolder(), "");
    EXPECT_EQ(Number(), "0");
    EXPECT_EQ(Selected(kProgram), -1);
}

INSTANTIATE_FOR_BOTH_PAGES(FolderTest);

using ProgramChoiceTest = SchedulePageTest;

TEST_P(ProgramChoiceTest, WithoutASaveFolderSaysSoAndKeepsTheChoice) {
    Choose(kProgram, 2);
    EXPECT_EQ(dialogs.Messages(), QStringList{QStringLiteral("请先设置定时程序保存路径！！")});
    EXPECT_EQ(Editor().program(), 2);
    EXPECT_EQ(Number(), "0");
    EXPECT_EQ(Selected(kStartHour), -1);
}

TEST_P(ProgramChoiceTest, AProgramWithAFileOpensAtItsFirstTimer) {
    LayProgram(Variant().programCount() - 1, {TimerStartingAt(4), TimerStartingAt(5)});
    OpenSaveFolder();
    Choose(kProgram, 0);
    SaveStartingAt(1);
    ASSERT_EQ(Number(), "2");
    Choose(kProgram, Variant().programCount() - 1);
    EXPECT_EQ(Number(), "1");
    EXPECT_EQ(Selected(kStartHour), 4);
    EXPECT_EQ(Editor().timerCount(), 2u);
    EXPECT_EQ(Editor().program(), Variant().programCount() - 1);
    EXPECT_FALSE(Enabled(kMode));
}

TEST_P(ProgramChoiceTest, AProgramWithoutAFileOpensAtANewTimer) {
    LayProgram(0, {TimerStartingAt(4), TimerStartingAt(5)});
    OpenSaveFolder();
    Choose(kProgram, 2);
    EXPECT_EQ(Number(), "1");
    EXPECT_EQ(Editor().timerCount(), 0u);
    EXPECT_EQ(Editor().program(), 2);
    EXPECT_TRUE(Enabled(kMode));
    Click(kSave);
    EXPECT_EQ(Program(2)->header.count, 1);
    EXPECT_EQ(Program(0)->header.count, 2);
}

TEST_P(ProgramChoiceTest, AProgramFileThatFailsToReadKeepsTheOpenProgram) {
    LayProgram(0, {TimerStartingAt(4)});
    LayProgram(1, {TimerStartingAt(5)});
    OpenSaveFolder();
    fs.Reset();
    fs.FailCall(0, FileErrorCause::HardIO, IoCall::Read);
    Choose(kProgram, 1);
    EXPECT_EQ(dialogs.FileErrors().size(), 1u);
    EXPECT_EQ(Selected(kProgram), 0);
    EXPECT_EQ(Editor().program(), 0);
    EXPECT_EQ(Selected(kStartHour), 4);
}

INSTANTIATE_FOR_BOTH_PAGES(ProgramChoiceTest);

}  // namespace
}  // namespace pagetest
