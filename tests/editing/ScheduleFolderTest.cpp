// Choosing the save folder and the program, and copying one program's file over another.
#include "ScheduleEditorFixture.h"
#include "core/fs/Path.h"

namespace scheduletest {
namespace {

using FolderTest = ScheduleEditorTest;

TEST_P(FolderTest, OpensTheFirstProgramThatHasAFile) {
    const struct {
        const char* name;
        std::vector<int> programsWithFiles;
        int opened;
        std::uint32_t count;
    } cases[] = {
        {"none", {}, 0, 0},
        {"the first", {0, 1}, 0, 2},
        {"the third", {2}, 2, 2},
        {"the second of two", {3, 1}, 1, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EditorHarness page(*GetParam());
        for (int program : c.programsWithFiles) page.LayProgram(program, {6, 7});
        const core::ScheduleAnswer answer = page.OpenFolder();
        EXPECT_EQ(answer.message, std::nullopt);
        EXPECT_EQ(page.editor.saveFolder(), kFolder);
        EXPECT_EQ(page.editor.program(), c.opened);
        EXPECT_EQ(page.editor.timerIndex(), 0u);
        EXPECT_EQ(page.editor.timerCount(), c.count);
        EXPECT_EQ(page.editor.timerNumber(), 1u);
        EXPECT_EQ(page.editor.record().startHour, c.count > 0 ? 6 : 0);
        EXPECT_EQ(page.editor.modeFixed(), c.count > 0);
    }
}

// The two kinds read only their own files: the last special program has no general twin.
TEST(FolderKindsTest, EachKindOpensItsOwnFiles) {
    EditorHarness special(core::kSpecialSchedule);
    special.LayProgram(5, {6});
    EditorHarness general(core::kGeneralSchedule);
    general.memory.SetFile(special.Path(5), *special.FileBytes(5));

    special.OpenFolder();
    EXPECT_EQ(special.editor.program(), 5);
    EXPECT_EQ(special.editor.timerCount(), 1u);
    EXPECT_EQ(special.Path(5), core::JoinPath(kFolder, "SPSCH06.DAT"));

    general.OpenFolder();
    EXPECT_EQ(general.editor.program(), 0);
    EXPECT_EQ(general.editor.timerCount(), 0u);
    EXPECT_EQ(general.Path(3), core::JoinPath(kFolder, "SCH04.DAT"));
}

TEST_P(FolderTest, AFileThatFailsToReadKeepsTheFolderBefore) {
    LayProgram(0, {1, 2});
    OpenFolder("/before");
    Do(&ScheduleEditor::New);
    FailNext(IoCall::Read, FileErrorCause::HardIO);
    const core::ScheduleAnswer answer = OpenFolder();
    EXPECT_EQ(ErrorCause(answer), FileErrorCause::HardIO);
    EXPECT_EQ(answer.fileError->path(), Path(0));
    EXPECT_EQ(answer.show, (core::ScheduleParts{.fields = true}));
    EXPECT_EQ(editor.saveFolder(), "/before");
    EXPECT_EQ(editor.timerNumber(), 1u);
    EXPECT_EQ(editor.timerCount(), 0u);
    EXPECT_FALSE(editor.modeFixed());
}

TEST_P(FolderTest, AnEmptyFolderIsNoChoice) {
    LayProgram(0, {1});
    OpenFolder();
    const core::ScheduleAnswer answer = OpenFolder("");
    EXPECT_EQ(answer.show, core::ScheduleParts{});
    EXPECT_EQ(editor.saveFolder(), kFolder);
}

// The save folder and the timer number are read back from their fields by every command that
// needs the folder.
TEST_P(FolderTest, TheFieldsOnScreenAreWhatCommandsGoBy) {
    LayProgram(0, {1});
    OpenFolder();
    screen.saveFolder.clear();
    EXPECT_EQ(Do(&ScheduleEditor::New).message, EditorMessage::NoSaveFolder);
    EXPECT_EQ(editor.saveFolder(), "");

    screen.saveFolder = kFolder;
    screen.timerNumber = 42;
    const core::ScheduleAnswer answer = Do(&ScheduleEditor::RemoveMusic);  // reads no field
    EXPECT_EQ(answer.show, core::ScheduleParts{});
    EXPECT_EQ(editor.timerNumber(), 1u);
    Do(&ScheduleEditor::ChooseMode);
    EXPECT_EQ(editor.timerNumber(), 42u);
    EXPECT_EQ(editor.saveFolder(), kFolder);
}

INSTANTIATE_FOR_BOTH_KINDS(FolderTest);

using ProgramChoiceTest = ScheduleEditorTest;

TEST_P(ProgramChoiceTest, WithoutASaveFolderTheChoiceIsKeptAndTheFolderAskedFor) {
    const core::ScheduleAnswer answer = ChooseProgram(2);
    EXPECT_EQ(answer.message, EditorMessage::NoSaveFolder);
    EXPECT_EQ(answer.show, core::ScheduleParts{});
    EXPECT_EQ(editor.program(), 2);
    EXPECT_EQ(editor.timerNumber(), 0u);
}

TEST_P(ProgramChoiceTest, AProgramWithAFileOpensAtItsFirstTimer) {
    LayProgram(1, {4, 5});
    OpenFolder();
    Do(&ScheduleEditor::New);
    ChooseProgram(1);
    EXPECT_EQ(editor.program(), 1);
    EXPECT_EQ(editor.timerIndex(), 0u);
    EXPECT_EQ(editor.timerCount(), 2u);
    EXPECT_EQ(editor.record().startHour, 4);
}

TEST_P(ProgramChoiceTest, AFileThatFailsToReadShowsTheOpenProgramAgain) {
    LayProgram(0, {4});
    LayProgram(1, {5});
    OpenFolder();
    FailNext(IoCall::Read, FileErrorCause::HardIO);
    const core::ScheduleAnswer answer = ChooseProgram(1);
    EXPECT_EQ(ErrorCause(answer), FileErrorCause::HardIO);
    EXPECT_EQ(answer.show, (core::ScheduleParts{.fields = true, .program = true}));
    EXPECT_EQ(screen.program, 0);
    EXPECT_EQ(editor.record().startHour, 4);
}

INSTANTIATE_FOR_BOTH_KINDS(ProgramChoiceTest);

using ProgramCopyTest = ScheduleEditorTest;

constexpr int kLast = 100;  // stands for the kind's last program

TEST_P(ProgramCopyTest, CopiesOnlyBetweenTwoChosenProgramsWhenTheSourceHasAFile) {
    const struct {
        const char* name;
        int source;
        int target;
        bool copied;
    } cases[] = {
        {"first to last", 0, kLast, true},  {"last to first", kLast, 0, true},
        {"onto itself", 1, 1, false},       {"a source never saved", 2, 1, false},
        {"no source chosen", -1, 1, false}, {"no target chosen", 0, -1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EditorHarness page(*GetParam());
        const int last = page.editor.programCount() - 1;
        const int source = c.source == kLast ? last : c.source;
        const int target = c.target == kLast ? last : c.target;
        page.LayProgram(0, {1, 2});
        page.LayProgram(1, {3});
        page.LayProgram(last, {4, 5, 6});
        page.OpenFolder();
        const auto expected = target < 0 ? std::nullopt : page.FileBytes(c.copied ? source : target);
        page.screen.copySource = source;
        page.screen.copyTarget = target;

        const core::ScheduleAnswer answer = page.Do(&ScheduleEditor::CopyProgram);
        EXPECT_EQ(answer.message, std::nullopt);
        EXPECT_EQ(answer.fileError, std::nullopt);
        if (target >= 0) {
            EXPECT_EQ(page.FileBytes(target), expected);
        }
    }
}

TEST_P(ProgramCopyTest, CopyingOntoAnotherProgramLeavesTheEditorAlone) {
    LayProgram(0, {1, 2});
    OpenFolder();
    Do(&ScheduleEditor::Next);
    screen.copySource = 0;
    screen.copyTarget = 2;
    const core::ScheduleAnswer answer = Do(&ScheduleEditor::CopyProgram);
    EXPECT_EQ(answer.show, core::ScheduleParts{});
    EXPECT_EQ(StoredHours(2), (std::vector<int>{1, 2}));
    EXPECT_EQ(editor.program(), 0);
    EXPECT_EQ(editor.timerIndex(), 1u);
}

TEST_P(ProgramCopyTest, CopyingOntoTheOpenProgramOpensItAfresh) {
    LayProgram(0, {1, 2, 3});
    LayProgram(1, {9});
    OpenFolder();
    ChooseProgram(1);
    Do(&ScheduleEditor::New);
    screen.copySource = 0;
    screen.copyTarget = 1;
    Do(&ScheduleEditor::CopyProgram);
    EXPECT_EQ(editor.program(), 1);
    EXPECT_EQ(editor.timerIndex(), 0u);
    EXPECT_EQ(editor.timerCount(), 3u);
    EXPECT_EQ(editor.record().startHour, 1);
    EXPECT_TRUE(editor.modeFixed());
}

TEST_P(ProgramCopyTest, WithoutASaveFolderAsksForItOnceBothProgramsDiffer) {
    screen.copySource = 0;
    screen.copyTarget = 0;
    EXPECT_EQ(Do(&ScheduleEditor::CopyProgram).message, std::nullopt);
    screen.copyTarget = 1;
    EXPECT_EQ(Do(&ScheduleEditor::CopyProgram).message, EditorMessage::NoSaveFolder);
}

TEST_P(ProgramCopyTest, AFailedCopySaysWhyAndLeavesTheTarget) {
    LayProgram(0, {1, 2});
    LayProgram(1, {9});
    OpenFolder();
    ChooseProgram(1);
    const auto target = FileBytes(1);
    screen.copySource = 0;
    screen.copyTarget = 1;
    FailNext(IoCall::Write, FileErrorCause::DiskFull);
    const core::ScheduleAnswer answer = Do(&ScheduleEditor::CopyProgram);
    EXPECT_EQ(ErrorCause(answer), FileErrorCause::DiskFull);
    EXPECT_EQ(answer.show, core::ScheduleParts{});
    EXPECT_EQ(FileBytes(1), target);
    EXPECT_EQ(editor.timerCount(), 1u);
}

INSTANTIATE_FOR_BOTH_KINDS(ProgramCopyTest);

}  // namespace
}  // namespace scheduletest
