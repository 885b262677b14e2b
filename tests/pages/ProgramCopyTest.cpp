// Copying a program's file over another program of the same page.
#include "PageFixture.h"
#include "pages/schedule/ControlIds.h"

namespace pagetest {
namespace {

using namespace pages::ids;
using core::FileErrorCause;
using testsupport::IoCall;

using ProgramCopyTest = SchedulePageTest;

void ChooseCopy(PageHarness& page, int source, int target) {
    page.Choose(kCopySource, source);
    page.Choose(kCopyTarget, target);
}

TEST_P(ProgramCopyTest, TheTargetBecomesTheSourceByteForByte) {
    const int last = Variant().programCount() - 1;
    OpenSaveFolder();
    dialogs.AnswerMusicFiles({MusicFile("a.mp3"), MusicFile("b.mp3")});
    Click(kAddMusic);
    Click(kSave);
    SaveStartingAt(6);
    const Bytes source = FileBytes(0).value();
    const std::uint32_t number = Editor().timerNumber();

    ChooseCopy(*this, 0, last);
    Click(kCopy);
    EXPECT_EQ(FileBytes(last), source);
    EXPECT_EQ(Program(last)->header.program, 0);  // the program number travels with the file
    EXPECT_EQ(FileBytes(0), source);
    // Copying to another program leaves the editor alone and says nothing.
    EXPECT_EQ(Editor().timerNumber(), number);
    EXPECT_EQ(Editor().program(), 0);
    EXPECT_EQ(Selected(kCopySource), 0);
    EXPECT_EQ(Selected(kCopyTarget), last);
    EXPECT_EQ(dialogs.Messages(), (QStringList{QStringLiteral("保存成功！"), QStringLiteral("保存成功！")}));

    // And back from the last program onto a third.
    ChooseCopy(*this, last, 1);
    Click(kCopy);
    EXPECT_EQ(FileBytes(1), source);
}

TEST_P(ProgramCopyTest, NothingHappensForTheSameProgramOrASourceWithoutAFile) {
    LayProgram(1, {TimerStartingAt(1)});
    OpenSaveFolder();
    const Bytes target = FileBytes(1).value();
    ChooseCopy(*this, 1, 1);
    Click(kCopy);
    ChooseCopy(*this, 2, 1);  // program 3 was never saved
    Click(kCopy);
    ChooseCopy(*this, 3, 2);
    Click(kCopy);
    EXPECT_EQ(FileBytes(1), target);
    EXPECT_FALSE(FileBytes(2));
    EXPECT_TRUE(dialogs.Messages().isEmpty());
    EXPECT_TRUE(dialogs.FileErrors().empty());
}

TEST_P(ProgramCopyTest, CopyingOntoTheOpenProgramOpensItAfresh) {
    LayProgram(0, {TimerStartingAt(1), TimerStartingAt(2), TimerStartingAt(3)});
    LayProgram(1, {TimerStartingAt(9)});
    OpenSaveFolder();
    Choose(kProgram, 1);
    ASSERT_EQ(Editor().timerCount(), 1u);
    Click(kNewTimer);
    ASSERT_EQ(Number(), "2");

    ChooseCopy(*this, 0, 1);
    Click(kCopy);
    EXPECT_EQ(Selected(kProgram), 1);
    EXPECT_EQ(Number(), "1");
    EXPECT_EQ(Selected(kStartHour), 1);
    EXPECT_EQ(Editor().timerCount(), 3u);

    // A new timer now lands behind the copied ones.
    Click(kNewTimer);
    EXPECT_EQ(Number(), "4");
    SaveStartingAt(4);
    const auto program = Program(1);
    ASSERT_EQ(program->header.count, 4);
    EXPECT_EQ(program->timers[3].record.startHour, 4);
    EXPECT_EQ(Program(0)->header.count, 3);
}

TEST_P(ProgramCopyTest, AFailedCopyShowsTheErrorAndLeavesTheTarget) {
    LayProgram(0, {TimerStartingAt(1), TimerStartingAt(2)});
    LayProgram(1, {TimerStartingAt(9)});
    OpenSaveFolder();
    const Bytes target = FileBytes(1).value();
    ChooseCopy(*this, 0, 1);
    fs.FailCall(0, FileErrorCause::DiskFull, IoCall::Write);
    Click(kCopy);
    ASSERT_EQ(dialogs.FileErrors().size(), 1u);
    EXPECT_EQ(dialogs.FileErrors()[0].cause(), FileErrorCause::DiskFull);
    EXPECT_EQ(FileBytes(1), target);
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{FileName(0), FileName(1)}));
}

INSTANTIATE_FOR_BOTH_PAGES(ProgramCopyTest);

}  // namespace
}  // namespace pagetest
