// Every command of the schedule and date editors that changes a card file leaves exactly one
// entry in the card's history, with the file's bytes before and after.
#include <gtest/gtest.h>

#include <functional>

#include "ScheduleEditorFixture.h"
#include "core/card/CardFiles.h"
#include "core/editing/DateListEditor.h"
#include "core/history/CardHistory.h"

namespace scheduletest {
namespace {

using core::history::Command;
using testsupport::Bytes;

struct CommandCase {
    const char* name;
    int program;  // the file the command changes
    Command command;
    std::function<void(EditorHarness&)> lay;  // the card before
    std::function<core::ScheduleAnswer(EditorHarness&)> run;
};

std::optional<Bytes> Kept(EditorHarness& card, const std::optional<core::history::Version>& version) {
    if (!version) return std::nullopt;
    auto history = core::history::CardHistory(card.historyFiles, std::string(kHistoryRoot), kFolder);
    auto bytes = history.ReadVersion(*version);
    EXPECT_TRUE(bytes.ok());
    return bytes.ok() ? std::optional<Bytes>(*bytes) : std::nullopt;
}

std::vector<core::history::Entry> EntriesOf(EditorHarness& card) {
    auto history = core::history::CardHistory(card.historyFiles, std::string(kHistoryRoot), kFolder);
    auto entries = history.Entries();
    EXPECT_TRUE(entries.ok());
    return entries.ok() ? *entries : std::vector<core::history::Entry>{};
}

const CommandCase kCases[] = {
    {"SaveIntoANewProgram", 0, Command::SaveTimer, [](EditorHarness&) {},
     [](EditorHarness& card) {
         card.OpenFolder();
         return card.Save(TimerStartingAt(8));
     }},
    {"SaveAnAppendedTimer", 0, Command::SaveTimer, [](EditorHarness& card) { card.LayProgram(0, {7, 9}); },
     [](EditorHarness& card) {
         card.OpenFolder();
         card.Do(&ScheduleEditor::New);
         return card.Save(TimerStartingAt(12));
     }},
    {"SaveOverAStoredTimer", 0, Command::SaveTimer, [](EditorHarness& card) { card.LayProgram(0, {7, 9}); },
     [](EditorHarness& card) {
         card.OpenFolder();
         return card.Save(TimerStartingAt(6, 30));
     }},
    {"DeleteATimer", 0, Command::DeleteTimer, [](EditorHarness& card) { card.LayProgram(0, {7, 8, 9}); },
     [](EditorHarness& card) {
         card.OpenFolder();
         card.Do(&ScheduleEditor::Next);
         return card.Do(&ScheduleEditor::Delete);
     }},
    {"CopyAnEmptyProgramOverAFullOne", 1, Command::CopyProgram,
     [](EditorHarness& card) {
         card.LayProgram(0, {});
         card.LayProgram(1, {6, 7, 8, 9, 10, 11, 12, 13});
     },
     [](EditorHarness& card) {
         card.OpenFolder();
         card.screen.copySource = 0;
         card.screen.copyTarget = 1;
         return card.Do(&ScheduleEditor::CopyProgram);
     }},
};

class HistoryOfWrites : public ::testing::TestWithParam<CommandCase> {};

TEST_P(HistoryOfWrites, KeepsOneEntryWithTheBytesBeforeAndAfter) {
    const CommandCase& c = GetParam();
    EditorHarness card(core::kGeneralSchedule);
    c.lay(card);
    const std::optional<Bytes> before = card.FileBytes(c.program);
    const core::ScheduleAnswer answer = c.run(card);
    ASSERT_FALSE(answer.fileError);
    EXPECT_FALSE(answer.noHistoryCopy);
    const std::optional<Bytes> after = card.FileBytes(c.program);
    ASSERT_NE(before, after) << "the command changed nothing";

    const auto entries = EntriesOf(card);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].file, core::CardFileName(core::CardFileKind::GeneralSchedule, c.program));
    EXPECT_EQ(entries[0].command, c.command);
    EXPECT_EQ(Kept(card, entries[0].before), before);
    EXPECT_EQ(Kept(card, entries[0].after), after);
}

INSTANTIATE_TEST_SUITE_P(Commands, HistoryOfWrites, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HistoryOfWrites, ACommandThatChangesNothingKeepsNoEntry) {
    EditorHarness card(core::kGeneralSchedule);
    card.LayProgram(0, {7});
    card.OpenFolder();
    card.Do(&ScheduleEditor::New);
    card.Do(&ScheduleEditor::Delete);  // a new timer is not in the file
    card.ChooseProgram(2);
    card.Do(&ScheduleEditor::Delete);  // nor is there a file
    EXPECT_TRUE(EntriesOf(card).empty());
}

TEST(HistoryOfWrites, AFailedWriteKeepsNoEntryAndSaysNothingOfTheHistory) {
    EditorHarness card(core::kGeneralSchedule);
    card.LayProgram(0, {7});
    card.OpenFolder();
    card.FailNext(IoCall::Rename, FileErrorCause::HardIO);
    const core::ScheduleAnswer answer = card.Save(TimerStartingAt(6));
    EXPECT_EQ(ErrorCause(answer), FileErrorCause::HardIO);
    EXPECT_FALSE(answer.noHistoryCopy);
    EXPECT_TRUE(EntriesOf(card).empty());
}

TEST(HistoryOfWrites, AHistoryThatCannotBeWrittenLetsTheSaveGoOnAndSaysSoOnce) {
    EditorHarness card(core::kGeneralSchedule);
    card.historyFiles = testsupport::MemoryFileSystem(0);  // a full disk
    card.OpenFolder();
    const core::ScheduleAnswer saved = card.Save(TimerStartingAt(8));
    EXPECT_EQ(saved.message, EditorMessage::Saved);
    EXPECT_TRUE(saved.noHistoryCopy);
    EXPECT_EQ(card.StoredHours(0), std::vector<int>{8});
    // The next command that writes nothing says nothing of it again.
    EXPECT_FALSE(card.Do(&ScheduleEditor::Next).noHistoryCopy);
}

TEST(HistoryOfWrites, TheDateListSaveKeepsOneEntry) {
    testsupport::MemoryFileSystem card, history;
    core::DateListEditor editor(card, core::history::WriteRecorder(card, std::string(kHistoryRoot), history));
    editor.ChooseFolder(kFolder);
    editor.AddDate(10, 1);
    ASSERT_EQ(editor.Save().message, EditorMessage::Saved);
    editor.AddDate(5, 1);
    const core::DateListAnswer answer = editor.Save();
    EXPECT_FALSE(answer.noHistoryCopy);

    auto kept = core::history::CardHistory(history, std::string(kHistoryRoot), kFolder);
    const auto entries = kept.Entries();
    ASSERT_TRUE(entries.ok());
    ASSERT_EQ(entries->size(), 2u);
    const auto& newest = entries->front();
    EXPECT_EQ(newest.file, "SDATE01.DAT");
    EXPECT_EQ(newest.command, Command::SaveDates);
    EXPECT_EQ(*kept.ReadVersion(*newest.before), (Bytes{10, 1}));
    EXPECT_EQ(*kept.ReadVersion(*newest.after), (Bytes{10, 1, 5, 1}));
    EXPECT_FALSE(entries->back().before) << "the first save made the file";
}

}  // namespace
}  // namespace scheduletest
