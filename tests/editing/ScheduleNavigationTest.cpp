// Stepping through the stored timers of a program, New, Cancel and Delete, and the blank new
// timer that a program without timers opens at.
#include "ScheduleEditorFixture.h"

namespace scheduletest {
namespace {

constexpr int kNew = -1;  // the editor holds a new timer

struct StepCase {
    const char* name;
    int from;  // index of the timer in the editor, or kNew
    Command command;
    int index;                   // in the editor afterwards
    int startHour;               // of the timer in the editor afterwards; -1 for a blank new one
    std::vector<int> fileHours;  // start hours of the stored timers afterwards
};

// Three stored timers starting at 01:00, 02:00 and 03:00.
const StepCase kThreeTimerCases[] = {
    {"Next on the first", 0, &ScheduleEditor::Next, 1, 2, {1, 2, 3}},
    {"Next on the last reads it again", 2, &ScheduleEditor::Next, 2, 3, {1, 2, 3}},
    {"Next on a new timer goes to the last", kNew, &ScheduleEditor::Next, 2, 3, {1, 2, 3}},
    {"Previous on the first reads it again", 0, &ScheduleEditor::Previous, 0, 1, {1, 2, 3}},
    {"Previous on the last", 2, &ScheduleEditor::Previous, 1, 2, {1, 2, 3}},
    {"Previous on a new timer goes to the last", kNew, &ScheduleEditor::Previous, 2, 3, {1, 2, 3}},
    {"Cancel on the middle", 1, &ScheduleEditor::Cancel, 1, 2, {1, 2, 3}},
    {"Cancel on a new timer blanks it", kNew, &ScheduleEditor::Cancel, 3, -1, {1, 2, 3}},
    {"Delete the first", 0, &ScheduleEditor::Delete, 0, 2, {2, 3}},
    {"Delete the middle", 1, &ScheduleEditor::Delete, 1, 3, {1, 3}},
    {"Delete the last shows the new last", 2, &ScheduleEditor::Delete, 1, 2, {1, 2}},
    {"Delete on a new timer blanks it", kNew, &ScheduleEditor::Delete, 3, -1, {1, 2, 3}},
    {"New on the middle", 1, &ScheduleEditor::New, 3, -1, {1, 2, 3}},
};

const StepCase kOneTimerCases[] = {
    {"Next", 0, &ScheduleEditor::Next, 0, 1, {1}},
    {"Previous", 0, &ScheduleEditor::Previous, 0, 1, {1}},
    {"Cancel", 0, &ScheduleEditor::Cancel, 0, 1, {1}},
    {"Delete the only timer", 0, &ScheduleEditor::Delete, 0, -1, {}},
};

void RunStepCases(const core::ScheduleKind& kind, const std::vector<int>& hours,
                  std::span<const StepCase> cases) {
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        EditorHarness page(kind);
        page.LayProgram(0, hours);
        page.OpenFolder();
        if (c.from == kNew) page.Do(&ScheduleEditor::New);
        for (int i = 0; i < c.from; ++i) page.Do(&ScheduleEditor::Next);
        // An edit that was never saved: whatever comes next drops it.
        page.screen.record.startMinute = 30;

        const core::ScheduleAnswer answer = page.Do(c.command);
        EXPECT_EQ(answer.message, std::nullopt);
        EXPECT_EQ(answer.fileError, std::nullopt);
        EXPECT_EQ(page.editor.timerIndex(), static_cast<std::uint32_t>(c.index));
        EXPECT_EQ(page.editor.timerNumber(), static_cast<std::uint32_t>(c.index + 1));
        EXPECT_EQ(page.editor.timerCount(), c.fileHours.size());
        const bool blank = c.startHour < 0;
        if (blank) {
            EXPECT_EQ(page.editor.record(), BlankTimer());
        } else {
            EXPECT_EQ(page.editor.record(), TimerStartingAt(c.startHour));
        }
        EXPECT_EQ(page.editor.modeFixed(), !blank);
        EXPECT_EQ(page.screen.record.startMinute, 0);
        EXPECT_EQ(page.StoredHours(0), c.fileHours);
    }
}

using NavigationTest = ScheduleEditorTest;

TEST_P(NavigationTest, ThreeStoredTimers) { RunStepCases(*GetParam(), {1, 2, 3}, kThreeTimerCases); }

TEST_P(NavigationTest, TheOnlyStoredTimer) { RunStepCases(*GetParam(), {1}, kOneTimerCases); }

TEST_P(NavigationTest, AProgramWithoutTimersHasNothingToStepTo) {
    LayProgram(0, {});
    OpenFolder();
    ASSERT_EQ(editor.timerCount(), 0u);
    screen.record = TimerStartingAt(5);
    for (Command command : {&ScheduleEditor::Next, &ScheduleEditor::Previous}) {
        const core::ScheduleAnswer answer = Do(command);
        EXPECT_EQ(answer.show, core::ScheduleParts{});
        EXPECT_EQ(screen.record.startHour, 5);
    }
}

TEST_P(NavigationTest, WithoutAProgramFileOnlyNewDoesAnything) {
    OpenFolder();
    screen.record = TimerStartingAt(5);
    for (Command command : {&ScheduleEditor::Next, &ScheduleEditor::Previous, &ScheduleEditor::Cancel,
                            &ScheduleEditor::Delete}) {
        const core::ScheduleAnswer answer = Do(command);
        EXPECT_EQ(answer.message, std::nullopt);
        EXPECT_EQ(answer.show, core::ScheduleParts{});
    }
    EXPECT_TRUE(memory.Paths().empty());
    EXPECT_TRUE(Do(&ScheduleEditor::New).show.record);
    EXPECT_EQ(screen.record.startHour, 0);
}

// Stepping takes the open program from the program list, but keeps the count of the program
// it had: the list's program is stepped through as if it had that many timers.
TEST_P(NavigationTest, StepsInTheProgramTheListShows) {
    LayProgram(0, {1});
    LayProgram(1, {7, 8});
    OpenFolder();
    screen.program = 1;  // chosen in the list without its command running
    Do(&ScheduleEditor::Next);
    EXPECT_EQ(editor.program(), 1);
    EXPECT_EQ(editor.timerIndex(), 0u);  // program 0 has one timer: Next stays at index 0
    EXPECT_EQ(editor.record().startHour, 7);
    EXPECT_EQ(editor.timerCount(), 2u);
}

TEST_P(NavigationTest, AFailedDeleteKeepsTheTimerAndSaysWhy) {
    LayProgram(0, {1, 2});
    OpenFolder();
    const auto before = FileBytes(0);
    FailNext(IoCall::Write, FileErrorCause::DiskFull);
    const core::ScheduleAnswer answer = Do(&ScheduleEditor::Delete);
    EXPECT_EQ(ErrorCause(answer), FileErrorCause::DiskFull);
    EXPECT_EQ(answer.show, core::ScheduleParts{});
    EXPECT_EQ(FileBytes(0), before);
    EXPECT_EQ(editor.timerIndex(), 0u);
    EXPECT_EQ(editor.timerCount(), 2u);
}

TEST_P(NavigationTest, AStepThatFailsToReadKeepsTheTimerInTheEditor) {
    LayProgram(0, {1, 2});
    OpenFolder();
    FailNext(IoCall::Read, FileErrorCause::HardIO);
    const core::ScheduleAnswer answer = Do(&ScheduleEditor::Next);
    EXPECT_EQ(ErrorCause(answer), FileErrorCause::HardIO);
    EXPECT_EQ(editor.timerIndex(), 0u);
    EXPECT_EQ(editor.record().startHour, 1);
    // Only the fields are shown again.
    EXPECT_EQ(answer.show, (core::ScheduleParts{.fields = true}));
}

// A program without timers opens at a blank new timer 1, whichever way the editor gets there.
TEST_P(NavigationTest, EveryWayToAProgramWithoutTimersEndsTheSame) {
    const struct {
        const char* name;
        int program;
        void (*reach)(EditorHarness& page);
    } routes[] = {
        {"a folder without program files", 0, [](EditorHarness& page) { page.OpenFolder(); }},
        {"a program without a file", 2,
         [](EditorHarness& page) {
             page.LayProgram(0, {4});
             page.OpenFolder();
             page.ChooseProgram(2);
         }},
        {"deleting the only timer", 1,
         [](EditorHarness& page) {
             page.LayProgram(1, {4});
             page.OpenFolder();
             page.Do(&ScheduleEditor::Delete);
         }},
    };
    for (const auto& route : routes) {
        SCOPED_TRACE(route.name);
        EditorHarness page(*GetParam());
        // Music in the list and a radio mode in the controls before: both go.
        page.AddMusic({page.MusicFile("/music/a.mp3")});
        page.screen.record.mode = core::kRadioTimer;
        route.reach(page);
        EXPECT_EQ(page.editor.program(), route.program);
        EXPECT_EQ(page.editor.timerIndex(), 0u);
        EXPECT_EQ(page.editor.timerCount(), 0u);
        EXPECT_EQ(page.editor.timerNumber(), 1u);
        EXPECT_EQ(page.editor.record(), BlankTimer());
        EXPECT_TRUE(page.editor.music().empty());
        EXPECT_EQ(page.editor.musicRow(), -1);
        EXPECT_FALSE(page.editor.modeFixed());
        EXPECT_EQ(page.screen.program, route.program);
        EXPECT_EQ(page.screen.saveFolder, kFolder);
    }
}

TEST_P(NavigationTest, ABlankNewTimerShowsEverythingButTheMedium) {
    const core::ScheduleAnswer answer = OpenFolder();
    const core::ScheduleParts expected{
        .fields = true, .program = true, .record = true, .enabling = true, .modeLock = true, .music = true};
    EXPECT_EQ(answer.show, expected);
}

TEST_P(NavigationTest, ADeletedTimerStillCountsForTheRepeatCheck) {
    OpenFolder();
    Save(TimerStartingAt(8));
    Do(&ScheduleEditor::Previous);
    Do(&ScheduleEditor::Delete);
    EXPECT_EQ(Save(TimerStartingAt(8)).message, EditorMessage::RepeatedStartTime);
    EXPECT_EQ(StoredHours(0), std::vector<int>{});
}

// A record cut short by the end of its file keeps the rest of the record it is read over: for
// Cancel and Delete the last record the editor held, for the other commands a zero record.
TEST_P(NavigationTest, CancelReadsAStoredTimerOverTheRecordTheEditorHeld) {
    LayProgram(0, {1});
    OpenFolder();
    testsupport::Bytes bytes = *FileBytes(0);
    bytes.resize(bytes.size() - 16);  // zones, mode and the rest of the record are gone
    memory.SetFile(Path(0), bytes);
    // A save that fails still leaves what was entered in the editor.
    core::TimerRecord entered = TimerStartingAt(9);
    entered.zones = 0x0F;
    entered.playMode = 1;
    FailNext(IoCall::Open, FileErrorCause::SharingViolation);
    ASSERT_TRUE(Save(entered).fileError);
    fs.Reset();

    Do(&ScheduleEditor::Cancel);
    core::TimerRecord expected = TimerStartingAt(1);
    expected.zones = 0x0F;
    expected.playMode = 1;
    EXPECT_EQ(editor.record(), expected);

    Do(&ScheduleEditor::Next);
    expected.zones = 0;
    expected.playMode = 0;
    EXPECT_EQ(editor.record(), expected);
}

INSTANTIATE_FOR_BOTH_KINDS(NavigationTest);

}  // namespace
}  // namespace scheduletest
