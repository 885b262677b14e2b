// Next, Previous, New, Cancel, Delete and Exit on the timers of one program.
#include "PageFixture.h"
#include "pages/schedule/ControlIds.h"

namespace pagetest {
namespace {

using namespace pages::ids;
using core::FileErrorCause;
using testsupport::IoCall;

constexpr int kNew = -1;  // the editor holds a new timer

struct StepCase {
    const char* name;
    int from;  // index of the timer shown, or kNew
    int button;
    int number;                  // timer number shown afterwards
    int startHour;               // start hour shown afterwards; 0 for a blank new timer
    std::vector<int> fileHours;  // start hours of the stored timers afterwards
};

// Three stored timers starting at 01:00, 02:00 and 03:00.
const StepCase kThreeTimerCases[] = {
    {"Next on the first", 0, kNextTimer, 2, 2, {1, 2, 3}},
    {"Next on the middle", 1, kNextTimer, 3, 3, {1, 2, 3}},
    {"Next on the last reloads it", 2, kNextTimer, 3, 3, {1, 2, 3}},
    {"Next on a new timer", kNew, kNextTimer, 3, 3, {1, 2, 3}},
    {"Previous on the first reloads it", 0, kPrevTimer, 1, 1, {1, 2, 3}},
    {"Previous on the middle", 1, kPrevTimer, 1, 1, {1, 2, 3}},
    {"Previous on the last", 2, kPrevTimer, 2, 2, {1, 2, 3}},
    {"Previous on a new timer", kNew, kPrevTimer, 3, 3, {1, 2, 3}},
    {"Cancel on the first", 0, kCancelTimer, 1, 1, {1, 2, 3}},
    {"Cancel on the middle", 1, kCancelTimer, 2, 2, {1, 2, 3}},
    {"Cancel on the last", 2, kCancelTimer, 3, 3, {1, 2, 3}},
    {"Cancel on a new timer blanks it", kNew, kCancelTimer, 4, 0, {1, 2, 3}},
    {"Delete the first", 0, kDeleteTimer, 1, 2, {2, 3}},
    {"Delete the middle", 1, kDeleteTimer, 2, 3, {1, 3}},
    {"Delete the last", 2, kDeleteTimer, 2, 2, {1, 2}},
    {"Delete on a new timer blanks it", kNew, kDeleteTimer, 4, 0, {1, 2, 3}},
    {"New on the middle", 1, kNewTimer, 4, 0, {1, 2, 3}},
};

const StepCase kOneTimerCases[] = {
    {"Next", 0, kNextTimer, 1, 1, {1}},
    {"Previous", 0, kPrevTimer, 1, 1, {1}},
    {"Cancel", 0, kCancelTimer, 1, 1, {1}},
    {"Delete", 0, kDeleteTimer, 1, 0, {}},
};

std::vector<int> StoredHours(const PageHarness& page) {
    std::vector<int> hours;
    const ProgramFile program = page.Program(0).value();
    for (const StoredTimer& timer : program.timers) hours.push_back(timer.record.startHour);
    return hours;
}

void RunStepCases(PageKind kind, std::vector<int> hours, std::span<const StepCase> cases) {
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        PageHarness page(kind);
        std::vector<core::TimerRecord> timers;
        for (int hour : hours) timers.push_back(TimerStartingAt(hour));
        page.LayProgram(0, timers);
        page.OpenSaveFolder();
        if (c.from == kNew) page.Click(kNewTimer);
        for (int i = 0; i < c.from; ++i) page.Click(kNextTimer);
        // An edit that was never saved: whatever comes next drops it.
        page.Choose(kStartMinute, 30);

        page.Click(c.button);
        EXPECT_EQ(page.Number(), QString::number(c.number));
        EXPECT_EQ(page.Selected(kStartHour), c.startHour);
        EXPECT_EQ(page.Selected(kStartMinute), 0);
        const bool newTimer = c.startHour == 0;
        EXPECT_EQ(page.Enabled(kMode), newTimer);
        EXPECT_EQ(page.Editor().timerCount(), c.fileHours.size());
        EXPECT_EQ(StoredHours(page), c.fileHours);
        EXPECT_TRUE(page.dialogs.Messages().isEmpty());
    }
}

using NavigationTest = SchedulePageTest;

TEST_P(NavigationTest, StepsThroughThreeStoredTimers) { RunStepCases(Kind(), {1, 2, 3}, kThreeTimerCases); }

TEST_P(NavigationTest, StepsOnTheOnlyStoredTimer) { RunStepCases(Kind(), {1}, kOneTimerCases); }

TEST_P(NavigationTest, DeletingTheOnlyTimerKeepsAnEmptyProgramFile) {
    LayProgram(0, {TimerStartingAt(1)});
    OpenSaveFolder();
    Click(kDeleteTimer);
    const Bytes expected =
        Concat({Hex("AA 55 00 00 00 00 00 00  08 10 00 00 00 00 00 00"), Zeros(4104 - 16)});
    EXPECT_EQ(FileBytes(0), expected);
    EXPECT_EQ(Number(), "1");
    EXPECT_EQ(Editor().timerIndex(), 0u);
    EXPECT_EQ(Editor().timerCount(), 0u);

    // Next and Previous find nothing to show.
    EnterStart(5, 0, 0);
    Click(kNextTimer);
    Click(kPrevTimer);
    EXPECT_EQ(Selected(kStartHour), 5);
}

TEST_P(NavigationTest, WithoutAProgramFileTheCommandsEndSilently) {
    OpenSaveFolder();
    EnterStart(5, 0, 0);
    for (int button : {kNextTimer, kPrevTimer, kCancelTimer, kDeleteTimer}) {
        Click(button);
        EXPECT_EQ(Selected(kStartHour), 5) << button;
        EXPECT_EQ(Number(), "1") << button;
    }
    EXPECT_TRUE(dialogs.Messages().isEmpty());
    EXPECT_TRUE(folder.Entries().empty());

    // New works without a file.
    Click(kNewTimer);
    EXPECT_EQ(Selected(kStartHour), 0);
}

TEST_P(NavigationTest, CancelOnANewRadioTimerGivesABlankMusicTimer) {
    LayProgram(0, {TimerStartingAt(1)});
    OpenSaveFolder();
    Click(kNewTimer);
    Choose(kMode, 1);
    Click(kCancelTimer);
    EXPECT_EQ(Selected(kMode), 0);
    EXPECT_TRUE(Enabled(kMode));
    EXPECT_FALSE(Enabled(kChannel));
    EXPECT_TRUE(Enabled(kAddMusic));
    EXPECT_EQ(Number(), "2");
}

TEST_P(NavigationTest, NewLeavesTheFileUntouched) {
    LayProgram(0, {TimerStartingAt(1), TimerStartingAt(2)});
    OpenSaveFolder();
    const Bytes before = FileBytes(0).value();
    Click(kNewTimer);
    Click(kNewTimer);
    EXPECT_EQ(Number(), "3");
    EXPECT_EQ(FileBytes(0), before);
}

TEST_P(NavigationTest, ADeletedTimerStillCountsForTheRepeatCheck) {
    OpenSaveFolder();
    SaveStartingAt(8);
    Click(kPrevTimer);
    Click(kDeleteTimer);
    SaveStartingAt(8);
    EXPECT_EQ(dialogs.Messages().last(), QStringLiteral("开始时间有重复！！"));
    EXPECT_EQ(Program(0)->header.count, 0);
}

TEST_P(NavigationTest, AFailedDeleteShowsTheErrorAndKeepsTheTimer) {
    LayProgram(0, {TimerStartingAt(1), TimerStartingAt(2)});
    OpenSaveFolder();
    const Bytes before = FileBytes(0).value();
    fs.FailCall(0, FileErrorCause::DiskFull, IoCall::Write);
    Click(kDeleteTimer);
    ASSERT_EQ(dialogs.FileErrors().size(), 1u);
    EXPECT_EQ(dialogs.FileErrors()[0].cause(), FileErrorCause::DiskFull);
    EXPECT_EQ(FileBytes(0), before);
    EXPECT_EQ(Number(), "1");
    EXPECT_EQ(Selected(kStartHour), 1);
    EXPECT_EQ(Editor().timerCount(), 2u);
}

TEST_P(NavigationTest, ExitClosesTheWindowWithoutAWord) {
    OpenSaveFolder();
    EnterStart(5, 0, 0);
    ASSERT_TRUE(Page().isVisible());
    Click(kExit);
    EXPECT_FALSE(Page().isVisible());
    EXPECT_TRUE(dialogs.Messages().isEmpty());
    EXPECT_TRUE(folder.Entries().empty());
}

INSTANTIATE_FOR_BOTH_PAGES(NavigationTest);

}  // namespace
}  // namespace pagetest
