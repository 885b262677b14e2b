// A card that keeps other bytes than it was given: every command that writes answers with the
// file error of the read-back, never with "saved", and the file stays as it was.
#include "ScheduleEditorFixture.h"

namespace scheduletest {
namespace {

struct WritingCommand {
    const char* name;
    std::vector<int> program0;  // timers of program 0 before; none: no file
    int written;                // the program whose file the command writes
    core::ScheduleAnswer (*run)(EditorHarness& page);
};

core::ScheduleAnswer SaveNew(EditorHarness& page) {
    page.Do(&ScheduleEditor::New);
    return page.Save(TimerStartingAt(23));
}

const WritingCommand kCommands[] = {
    {"Save appending", {1, 2}, 0, SaveNew},
    {"Save replacing", {1, 2}, 0, [](EditorHarness& page) { return page.Save(TimerStartingAt(23)); }},
    {"Save creating the program",
     {},
     0,
     [](EditorHarness& page) {
         page.ChooseProgram(0);
         return SaveNew(page);
     }},
    {"Delete", {1, 2}, 0, [](EditorHarness& page) { return page.Do(&ScheduleEditor::Delete); }},
    {"Copy the program",
     {1, 2},
     1,
     [](EditorHarness& page) {
         page.screen.copySource = 0;
         page.screen.copyTarget = 1;
         return page.Do(&ScheduleEditor::CopyProgram);
     }},
};

using EditorReadBackTest = ScheduleEditorTest;

TEST_P(EditorReadBackTest, EveryWriteAnswersWithTheReadBackErrorAndLeavesTheFile) {
    for (const WritingCommand& c : kCommands) {
        SCOPED_TRACE(c.name);
        EditorHarness page(*GetParam());
        if (!c.program0.empty()) page.LayProgram(0, c.program0);
        page.LayProgram(1, {3});
        page.OpenFolder();
        const auto bytes = page.FileBytes(c.written);
        const auto paths = page.memory.Paths();
        page.card.CorruptWrites(0, 1);

        const core::ScheduleAnswer answer = c.run(page);
        EXPECT_EQ(page.card.Corrupted(), 1u);
        EXPECT_NE(answer.message, EditorMessage::Saved);
        EXPECT_EQ(ErrorCause(answer), FileErrorCause::ReadBackMismatch);
        if (answer.fileError) {
            EXPECT_EQ(answer.fileError->path(), page.Path(c.written));
        }
        EXPECT_EQ(page.FileBytes(c.written), bytes);
        EXPECT_EQ(page.memory.Paths(), paths) << "no temporary file left";
    }
}

INSTANTIATE_FOR_BOTH_KINDS(EditorReadBackTest);

}  // namespace
}  // namespace scheduletest
