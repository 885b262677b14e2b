// Another program changes the open program's file between the moment the editor read a timer
// and a Save or Delete of it: nothing is written, the page says so and shows the file as it is.
#include "ScheduleEditorFixture.h"

namespace scheduletest {
namespace {

using FileChange = void (*)(core::FileSystem& fs, const std::string& path);

core::TimerData TimerAt(int hour) { return {TimerStartingAt(hour), {}, core::MusicSource::Internal}; }

void ReplaceSecondBy11(core::FileSystem& fs, const std::string& path) {
    ASSERT_TRUE(core::ReplaceTimer(fs, path, 1, TimerAt(11)).ok());
}
void ReplaceLastBy11(core::FileSystem& fs, const std::string& path) {
    ASSERT_TRUE(core::ReplaceTimer(fs, path, 2, TimerAt(11)).ok());
}
void DeleteFirst(core::FileSystem& fs, const std::string& path) {
    ASSERT_TRUE(core::DeleteTimer(fs, path, 0).ok());
}
void DeleteFirstTwo(core::FileSystem& fs, const std::string& path) {
    DeleteFirst(fs, path);
    DeleteFirst(fs, path);
}
void RemoveFile(core::FileSystem& fs, const std::string& path) { fs.Remove(path); }

struct OtherWriterCase {
    const char* name;
    std::uint32_t shownIndex;  // the timer the editor shows, of a program starting at 8, 9, 10
    FileChange change;         // what the other program did after the editor read that timer
    // What it did again while the editor, told of the change, read the file afresh.
    FileChange duringReread;
    std::optional<std::vector<int>> fileAfter;  // start hours; nothing for no file
    std::uint32_t indexAfter;                   // the timer the editor shows then
    std::uint32_t countAfter;
    int hourShown;
};

const OtherWriterCase kCases[] = {
    {"the timer itself replaced", 1, ReplaceSecondBy11, nullptr, std::vector{8, 11, 10}, 1, 3, 11},
    {"the last timer replaced", 2, ReplaceLastBy11, nullptr, std::vector{8, 9, 11}, 2, 3, 11},
    {"a timer before it deleted", 1, DeleteFirst, nullptr, std::vector{9, 10}, 1, 2, 10},
    // The timers shown are gone by the time the file is read again: the program opens afresh.
    {"replaced, then shortened", 2, ReplaceLastBy11, DeleteFirstTwo, std::vector{11}, 0, 1, 11},
    {"replaced, then removed", 2, ReplaceLastBy11, RemoveFile, std::nullopt, 0, 0, 0},
};

struct CommandCase {
    const char* name;
    Command command;
};

const CommandCase kCommands[] = {
    {"Save", &ScheduleEditor::Save},
    {"Delete", &ScheduleEditor::Delete},
};

// The program laid, opened, the editor moved to the case's timer and its start edited to 12:00.
void ShowTimer(EditorHarness& page, const OtherWriterCase& c) {
    page.LayProgram(0, {8, 9, 10});
    page.OpenFolder();
    for (std::uint32_t i = 0; i < c.shownIndex; ++i) page.Do(&ScheduleEditor::Next);
    ASSERT_EQ(page.editor.timerIndex(), c.shownIndex);
    page.screen.record.startHour = 12;
    c.change(page.memory, page.Path(0));
}

using OtherWriterTest = ScheduleEditorTest;

TEST_P(OtherWriterTest, AChangedTimerIsNeitherSavedNorDeleted) {
    for (const OtherWriterCase& c : kCases) {
        for (const CommandCase& command : kCommands) {
            SCOPED_TRACE(std::string(c.name) + ", " + command.name);
            EditorHarness page(editor.kind());
            ShowTimer(page, c);
            if (c.duringReread) {
                // The reread is the command's last open: count the opens of the same command first.
                EditorHarness twin(editor.kind());
                ShowTimer(twin, c);
                const std::size_t before = twin.other.Opens();
                twin.Do(command.command);
                ASSERT_GT(twin.other.Opens(), before);
                page.other.Before(twin.other.Opens() - before - 1,
                                  [&](core::FileSystem& fs) { c.duringReread(fs, page.Path(0)); });
            }

            const core::ScheduleAnswer answer = page.Do(command.command);

            EXPECT_EQ(answer.message, EditorMessage::TimerChanged);
            EXPECT_EQ(ErrorCause(answer), std::nullopt);
            EXPECT_EQ(page.StoredHours(0), c.fileAfter);
            EXPECT_EQ(page.editor.timerIndex(), c.indexAfter);
            EXPECT_EQ(page.editor.timerCount(), c.countAfter);
            EXPECT_EQ(page.editor.timerNumber(), c.indexAfter + 1);
            EXPECT_EQ(page.editor.record().startHour, c.hourShown);
            EXPECT_TRUE(answer.show.record && answer.show.fields);
            EXPECT_EQ(page.screen.record.startHour, c.hourShown) << "the screen shows the file's timer";
        }
    }
}

// The check is against the timer read, not the screen: after the editor has read the changed
// timer, Save and Delete go through.
TEST_P(OtherWriterTest, TheTimerReadAfterAChangeCanBeSavedAndDeleted) {
    LayProgram(0, {8, 9, 10});
    OpenFolder();
    Do(&ScheduleEditor::Next);
    ReplaceSecondBy11(memory, Path(0));
    screen.record.startHour = 12;
    ASSERT_EQ(Do(&ScheduleEditor::Save).message, EditorMessage::TimerChanged);

    screen.record.startHour = 13;
    EXPECT_EQ(Do(&ScheduleEditor::Save).message, EditorMessage::Saved);
    EXPECT_EQ(StoredHours(0), (std::vector{8, 13, 10}));

    ReplaceSecondBy11(memory, Path(0));
    Do(&ScheduleEditor::Previous);
    Do(&ScheduleEditor::Previous);
    ASSERT_EQ(editor.timerIndex(), 1u);
    EXPECT_EQ(Do(&ScheduleEditor::Delete).message, std::nullopt);
    EXPECT_EQ(StoredHours(0), (std::vector{8, 10}));
}

INSTANTIATE_FOR_BOTH_KINDS(OtherWriterTest);

}  // namespace
}  // namespace scheduletest
