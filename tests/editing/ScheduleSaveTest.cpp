// Save: the repeated start-time rule, what a save leaves in the editor, and failures that must
// leave the editor and its summaries as they were.
#include "ScheduleEditorFixture.h"

namespace scheduletest {
namespace {

struct Entered {
    int program;
    std::uint32_t weekdays;
    int hour, minute, second;
};

struct RepeatCase {
    const char* name;
    const core::ScheduleKind* kind;
    Entered first;
    Entered second;
    bool refused;
};

constexpr std::uint32_t kMonday = 0x02;
constexpr std::uint32_t kSaturday = 0x40;
constexpr std::uint32_t kWeekend = 0x41;
constexpr std::uint32_t kWorkdays = core::kMondayToFriday;

const RepeatCase kRepeatCases[] = {
    {"general, same start and days",
     &core::kGeneralSchedule,
     {0, kWorkdays, 8, 0, 0},
     {0, kWorkdays, 8, 0, 0},
     true},
    {"general, sharing Monday",
     &core::kGeneralSchedule,
     {0, kWorkdays, 8, 0, 0},
     {0, kMonday, 8, 0, 0},
     true},
    {"general, Saturday only",
     &core::kGeneralSchedule,
     {0, kWorkdays, 8, 0, 0},
     {0, kSaturday, 8, 0, 0},
     false},
    {"general, the weekend", &core::kGeneralSchedule, {0, kWorkdays, 8, 0, 0}, {0, kWeekend, 8, 0, 0}, false},
    {"general, no weekday", &core::kGeneralSchedule, {0, kWorkdays, 8, 0, 0}, {0, 0, 8, 0, 0}, false},
    {"general, no weekday twice", &core::kGeneralSchedule, {0, 0, 8, 0, 0}, {0, 0, 8, 0, 0}, false},
    {"general, a second later",
     &core::kGeneralSchedule,
     {0, kWorkdays, 8, 0, 0},
     {0, kWorkdays, 8, 0, 1},
     false},
    {"general, a minute later",
     &core::kGeneralSchedule,
     {0, kWorkdays, 8, 0, 0},
     {0, kWorkdays, 8, 1, 0},
     false},
    {"general, another program",
     &core::kGeneralSchedule,
     {0, kWorkdays, 8, 0, 0},
     {3, kWorkdays, 8, 0, 0},
     false},
    {"general, the last program",
     &core::kGeneralSchedule,
     {3, kMonday, 9, 9, 9},
     {3, kWorkdays, 9, 9, 9},
     true},
    {"special, same start", &core::kSpecialSchedule, {0, 0, 8, 0, 0}, {0, 0, 8, 0, 0}, true},
    {"special, days do not matter",
     &core::kSpecialSchedule,
     {0, kWorkdays, 8, 0, 0},
     {0, kSaturday, 8, 0, 0},
     true},
    {"special, an hour later", &core::kSpecialSchedule, {0, 0, 8, 0, 0}, {0, 0, 9, 0, 0}, false},
    {"special, another program", &core::kSpecialSchedule, {0, 0, 8, 0, 0}, {5, 0, 8, 0, 0}, false},
    {"special, the last program", &core::kSpecialSchedule, {5, 0, 23, 59, 59}, {5, 0, 23, 59, 59}, true},
};

TEST(RepeatedStartTest, TheSecondSaveIsRefusedOrStored) {
    for (const RepeatCase& c : kRepeatCases) {
        SCOPED_TRACE(c.name);
        EditorHarness page(*c.kind);
        page.OpenFolder();
        page.ChooseProgram(c.first.program);
        const Entered& f = c.first;
        ASSERT_EQ(page.Save(TimerStartingAt(f.hour, f.minute, f.second, f.weekdays)).message,
                  EditorMessage::Saved);
        // The save left a new timer of the first program in the editor.
        if (c.second.program != c.first.program) page.ChooseProgram(c.second.program);
        const Entered& s = c.second;
        const core::ScheduleAnswer answer =
            page.Save(TimerStartingAt(s.hour, s.minute, s.second, s.weekdays));
        EXPECT_EQ(answer.message, c.refused ? EditorMessage::RepeatedStartTime : EditorMessage::Saved);
        const std::size_t inSecondProgram = c.refused || c.first.program != c.second.program ? 1u : 2u;
        EXPECT_EQ(page.StoredHours(c.second.program)->size(), inSecondProgram);
        // A refused timer stays in the editor, a stored one makes room for a new timer.
        EXPECT_EQ(page.editor.record().startHour, c.refused ? s.hour : 0);
    }
}

using SaveTest = ScheduleEditorTest;

// Only saves of this editor count: not the timers found in a file, and a stored timer rewritten
// with another start teaches the check its new start.
TEST_P(SaveTest, TheCheckLearnsFromThisEditorsSavesOnly) {
    LayProgram(0, {8, 9});
    OpenFolder();
    EXPECT_EQ(Save(TimerStartingAt(10)).message, EditorMessage::Saved);  // rewrites timer 1
    EXPECT_EQ(Save(TimerStartingAt(8)).message, EditorMessage::Saved);   // a new timer 3
    EXPECT_EQ(StoredHours(0), (std::vector<int>{10, 9, 8}));
    EXPECT_EQ(Save(TimerStartingAt(10)).message, EditorMessage::RepeatedStartTime);

    // Another folder: the same program's summaries still hold both saves.
    OpenFolder("/other");
    EXPECT_EQ(Save(TimerStartingAt(8)).message, EditorMessage::RepeatedStartTime);
    EXPECT_EQ(Save(TimerStartingAt(9)).message, EditorMessage::Saved);
}

TEST_P(SaveTest, ASaveLeavesABlankNewTimerBehindTheStoredOnes) {
    LayProgram(0, {1, 2});
    OpenFolder();
    const core::ScheduleAnswer answer = Save(TimerStartingAt(5));
    EXPECT_EQ(answer.message, EditorMessage::Saved);
    EXPECT_EQ(answer.fileError, std::nullopt);
    EXPECT_EQ(editor.timerIndex(), 2u);
    EXPECT_EQ(editor.timerCount(), 2u);
    EXPECT_EQ(editor.timerNumber(), 3u);
    EXPECT_EQ(editor.record(), BlankTimer());
    EXPECT_FALSE(editor.modeFixed());
    EXPECT_EQ(editor.summary(0)[0], core::SummaryOf(TimerStartingAt(5)));
    EXPECT_EQ(editor.summary(0)[2], core::TimerSummary{});
}

TEST_P(SaveTest, WithoutASaveFolderSaysWhichFolderIsMissing) {
    screen.record = TimerStartingAt(5);
    const core::ScheduleAnswer answer = Do(&ScheduleEditor::Save);
    EXPECT_EQ(answer.message, IsGeneral() ? EditorMessage::NoProgramSaveFolder : EditorMessage::NoSaveFolder);
    EXPECT_EQ(answer.show, core::ScheduleParts{});
    // The record is not even collected.
    EXPECT_EQ(editor.record().startHour, 0);
    EXPECT_TRUE(memory.Paths().empty());
}

struct SaveFailure {
    const char* name;
    std::vector<int> stored;  // timers of program 0 before
    bool newTimer;            // the editor holds a new timer, otherwise stored timer 0
    void (*arrange)(EditorHarness& page);
    std::optional<EditorMessage> message;
    std::optional<FileErrorCause> cause;
};

const SaveFailure kSaveFailures[] = {
    {"appending fails to write",
     {1, 2},
     true,
     [](EditorHarness& page) { page.FailNext(IoCall::Write, FileErrorCause::DiskFull); },
     std::nullopt,
     FileErrorCause::DiskFull},
    {"a rewrite fails to replace the file",
     {1, 2},
     false,
     [](EditorHarness& page) { page.FailNext(IoCall::Rename, FileErrorCause::AccessDenied); },
     std::nullopt,
     FileErrorCause::AccessDenied},
    {"the file cannot be created",
     {},
     true,
     [](EditorHarness& page) { page.FailNext(IoCall::Open, FileErrorCause::BadPath); },
     std::nullopt,
     FileErrorCause::BadPath},
    {"more music counted than listed",
     {1},
     true,
     [](EditorHarness& page) { page.screen.record.musicCount = 1; },
     EditorMessage::TooManyMusicFiles,
     std::nullopt},
    {"a repeated start",
     {1},
     true,
     [](EditorHarness& page) {
         page.Save(TimerStartingAt(7));
         page.screen.record = TimerStartingAt(7);
     },
     EditorMessage::RepeatedStartTime,
     std::nullopt},
};

TEST_P(SaveTest, AFailedSaveLeavesTheEditorTheSummariesAndTheFileAsTheyWere) {
    for (const SaveFailure& c : kSaveFailures) {
        SCOPED_TRACE(c.name);
        EditorHarness page(*GetParam());
        if (!c.stored.empty()) page.LayProgram(0, c.stored);
        page.OpenFolder();
        if (c.newTimer) page.Do(&ScheduleEditor::New);
        page.screen.record = TimerStartingAt(23, 1, 2);
        c.arrange(page);

        const core::ScheduleEditor before = page.editor;
        const std::optional<testsupport::Bytes> bytes = page.FileBytes(0);
        const core::ScheduleAnswer answer = page.Do(&ScheduleEditor::Save);
        EXPECT_EQ(answer.message, c.message);
        EXPECT_EQ(ErrorCause(answer), c.cause);
        if (answer.fileError) {
            EXPECT_EQ(answer.fileError->path(), page.Path(0));
        }
        EXPECT_EQ(answer.show, core::ScheduleParts{});
        EXPECT_EQ(page.FileBytes(0), bytes);
        EXPECT_EQ(page.editor.timerIndex(), before.timerIndex());
        EXPECT_EQ(page.editor.timerCount(), before.timerCount());
        EXPECT_EQ(page.editor.timerNumber(), before.timerNumber());
        EXPECT_EQ(page.editor.summary(0), before.summary(0));
        // What the user entered stays in the editor for another try.
        EXPECT_EQ(page.editor.record(), page.screen.record);
    }
}

TEST_P(SaveTest, AFullProgramTakesNoNewTimerButRewritesItsLast) {
    std::vector<int> hours(512, 1);
    LayProgram(0, hours);
    OpenFolder();
    Do(&ScheduleEditor::New);
    ASSERT_EQ(editor.timerNumber(), 513u);
    const auto before = FileBytes(0);
    fs.Reset();
    EXPECT_EQ(Save(TimerStartingAt(23)).message, EditorMessage::ProgramFull);
    EXPECT_EQ(fs.TotalCalls(), 0u);  // refused before the store is asked
    EXPECT_EQ(FileBytes(0), before);

    Do(&ScheduleEditor::Previous);
    EXPECT_EQ(Save(TimerStartingAt(23)).message, EditorMessage::Saved);
    EXPECT_EQ(StoredHours(0)->at(511), 23);
    EXPECT_EQ(editor.summary(0)[511].startHour, 23);
}

TEST_P(SaveTest, AProgramFullAnswerFromTheStoreIsSaidAsSuch) {
    // The file holds 512 timers that the editor does not know of yet.
    LayProgram(0, {1});
    OpenFolder();
    Do(&ScheduleEditor::New);
    LayProgram(0, std::vector<int>(512, 1));
    const core::ScheduleAnswer answer = Save(TimerStartingAt(5));
    EXPECT_EQ(answer.message, EditorMessage::ProgramFull);
    EXPECT_EQ(answer.fileError, std::nullopt);
    EXPECT_EQ(editor.summary(0)[1], core::TimerSummary{});
}

TEST_P(SaveTest, WithoutAProgramChosenNothingIsSaved) {
    OpenFolder();
    screen.program = -1;
    const core::ScheduleAnswer answer = Save(TimerStartingAt(5));
    EXPECT_EQ(answer.message, std::nullopt);
    EXPECT_EQ(editor.program(), -1);
    EXPECT_TRUE(memory.Paths().empty());
}

// A writer killed while it created the program left its temporary file: the save that creates
// the program clears it away.
TEST_P(SaveTest, SavingANewProgramClearsWhatAKilledWriterLeft) {
    OpenFolder();
    const std::string leftover = Path(0) + ".99999999-1.tavrel-tmp";
    memory.SetFile(leftover, {1, 2});
    EXPECT_EQ(Save(TimerStartingAt(5)).message, EditorMessage::Saved);
    EXPECT_EQ(memory.Paths(), std::vector<std::string>{Path(0)});
}

INSTANTIATE_FOR_BOTH_KINDS(SaveTest);

}  // namespace
}  // namespace scheduletest
