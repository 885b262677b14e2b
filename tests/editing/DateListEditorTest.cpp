#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/editing/DateListEditor.h"
#include "core/fs/Path.h"
#include "support/CorruptingFileSystem.h"
#include "support/FaultyFileSystem.h"
#include "support/MemoryFileSystem.h"

using namespace core;
using testsupport::Bytes;
using testsupport::IoCall;

namespace {

using Dates = std::vector<SpecialDate>;

const std::string kFolder = "/card";

std::string DateFile(const char* name) { return JoinPath(kFolder, name); }

// Date number k of a year of distinct dates: 01/01, 01/02 ... 01/31, 02/01 ... The first 365
// end on 12/24.
SpecialDate NthDate(int k) {
    return {static_cast<std::uint8_t>(k / 31 + 1), static_cast<std::uint8_t>(k % 31 + 1)};
}

Dates FirstDates(int count) {
    Dates dates;
    for (int k = 0; k < count; ++k) dates.push_back(NthDate(k));
    return dates;
}

Bytes FileBytesOf(const Dates& dates) {
    Bytes bytes;
    for (const SpecialDate& date : dates) {
        bytes.push_back(date.month);
        bytes.push_back(date.day);
    }
    return bytes;
}

// An editor over a card folder in memory. Every call to the file system is counted, and any
// one of them can be made to fail.
class DateListEditorTest : public ::testing::Test {
protected:
    void PutFile(const char* name, const Bytes& bytes) { memory.SetFile(DateFile(name), bytes); }
    std::optional<Bytes> FileBytes(const char* name) const { return memory.FileBytes(DateFile(name)); }

    Dates Held() const { return {editor.Dates().begin(), editor.Dates().end()}; }
    void Add(const Dates& dates) {
        for (const SpecialDate& date : dates) {
            ASSERT_EQ(Added(date).change, DateListChange::Appended);
        }
    }
    DateListAnswer Added(SpecialDate date) { return editor.AddDate(date.month, date.day); }

    // The parts of an answer every command fills in the same way: the editor's state.
    void ExpectStateIn(const DateListAnswer& answer) const {
        EXPECT_EQ(Dates(answer.dates.begin(), answer.dates.end()), Held());
        EXPECT_EQ(answer.program, editor.Program());
        EXPECT_EQ(answer.saveFolder, editor.SaveFolder());
    }

    testsupport::MemoryFileSystem memory;
    testsupport::FaultyFileSystem fs{memory};
    // The history lives in memory of its own and reads the card beneath the faults.
    testsupport::MemoryFileSystem historyFiles;
    DateListEditor editor{fs, core::history::WriteRecorder(memory, std::string("/history"), historyFiles)};
};

// A table of cases for the editor. Each case carries its name, which names its test and is
// what a failure prints.
template <class Case>
class WithCases : public DateListEditorTest, public ::testing::WithParamInterface<Case> {};

template <class Case>
requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

struct CaseName {
    template <class Info>
    std::string operator()(const Info& info) const {
        return info.param.name;
    }
};

TEST_F(DateListEditorTest, StartsWithProgramOneNoDatesAndNoFolderWithoutTouchingAFile) {
    EXPECT_EQ(editor.Program(), 0);
    EXPECT_TRUE(editor.Dates().empty());
    EXPECT_EQ(editor.SaveFolder(), "");
    EXPECT_EQ(fs.TotalCalls(), 0u);
}

// Adding: at the end, without duplicates, up to 365 dates, months and days as the lists give.

struct AddCase {
    const char* name;
    int held;          // dates held before: FirstDates(held)
    SpecialDate date;  // the date added
    bool added;
};

using AddingADate = WithCases<AddCase>;

TEST_P(AddingADate, AppendsAndSelectsItOrChangesNothing) {
    const AddCase& c = GetParam();
    Add(FirstDates(c.held));
    const DateListAnswer answer = Added(c.date);
    ExpectStateIn(answer);
    Dates expected = FirstDates(c.held);
    if (c.added) {
        expected.push_back(c.date);
        EXPECT_EQ(answer.change, DateListChange::Appended);
        EXPECT_EQ(answer.selectedRow, c.held);
    } else {
        EXPECT_EQ(answer.change, DateListChange::None);
    }
    EXPECT_EQ(Held(), expected);
    EXPECT_FALSE(answer.message);
    EXPECT_FALSE(answer.fileError);
    EXPECT_EQ(fs.TotalCalls(), 0u) << "adding touches no file";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddingADate,
    ::testing::Values(AddCase{"TheFirst", 0, {1, 1}, true}, AddCase{"AfterOthersAtTheEnd", 3, {12, 25}, true},
                      AddCase{"NoLengthOfMonthCheck", 0, {2, 30}, true},
                      AddCase{"The365th", 364, {12, 31}, true}, AddCase{"The366th", 365, {12, 31}, false},
                      AddCase{"ADuplicateOfTheFirst", 3, {1, 1}, false},
                      AddCase{"ADuplicateOfTheLast", 3, {1, 3}, false},
                      AddCase{"MonthZero", 0, {0, 1}, false}, AddCase{"MonthThirteen", 0, {13, 1}, false},
                      AddCase{"DayZero", 0, {1, 0}, false}, AddCase{"DayThirtyTwo", 0, {12, 32}, false}),
    CaseName());

TEST_F(DateListEditorTest, NegativeMonthsAndDaysAreRefused) {
    EXPECT_EQ(editor.AddDate(-1, 1).change, DateListChange::None);
    EXPECT_EQ(editor.AddDate(1, -1).change, DateListChange::None);
    EXPECT_TRUE(editor.Dates().empty());
}

// Deleting the selected entry.

struct DeleteCase {
    const char* name;
    int held;  // FirstDates(held)
    int row;   // the entry selected, -1 for none
    Dates left;
    int selected;  // after a removal, -1 for none
    bool removed;
};

using DeletingAnEntry = WithCases<DeleteCase>;

TEST_P(DeletingAnEntry, RemovesItAndSelectsTheOneInItsPlace) {
    const DeleteCase& c = GetParam();
    Add(FirstDates(c.held));
    const DateListAnswer answer = editor.DeleteEntry(c.row);
    ExpectStateIn(answer);
    EXPECT_EQ(Held(), c.left);
    if (c.removed) {
        EXPECT_EQ(answer.change, DateListChange::Removed);
        EXPECT_EQ(answer.removedRow, c.row);
        EXPECT_EQ(answer.selectedRow, c.selected);
    } else {
        EXPECT_EQ(answer.change, DateListChange::None);
    }
    EXPECT_FALSE(answer.message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeletingAnEntry,
    ::testing::Values(DeleteCase{"TheFirst", 4, 0, {{1, 2}, {1, 3}, {1, 4}}, 0, true},
                      DeleteCase{"OneInTheMiddle", 4, 1, {{1, 1}, {1, 3}, {1, 4}}, 1, true},
                      DeleteCase{"TheLastSelectsTheNewLast", 4, 3, {{1, 1}, {1, 2}, {1, 3}}, 2, true},
                      DeleteCase{"TheOnlyOneLeavesNothingSelected", 1, 0, {}, -1, true},
                      DeleteCase{"NothingSelected", 2, -1, {{1, 1}, {1, 2}}, -1, false},
                      DeleteCase{"ARowPastTheEnd", 2, 2, {{1, 1}, {1, 2}}, -1, false},
                      DeleteCase{"FromAnEmptyList", 0, 0, {}, -1, false}),
    CaseName());

TEST_F(DateListEditorTest, ADeletedDateCanBeAddedAgainAndAFullTableTakesOneAfterADeletion) {
    Add(FirstDates(365));
    ASSERT_EQ(editor.DeleteEntry(0).change, DateListChange::Removed);
    EXPECT_EQ(Added({1, 1}).change, DateListChange::Appended);
    EXPECT_EQ(Added({12, 31}).change, DateListChange::None);
    EXPECT_EQ(editor.Dates().back(), (SpecialDate{1, 1}));
    EXPECT_EQ(editor.Dates().size(), 365u);
}

// Choosing the save folder.

struct FolderCase {
    const char* name;
    std::vector<std::pair<const char*, Bytes>> files;
    int program;  // the program loaded
    Dates dates;
};

using ChoosingAFolder = WithCases<FolderCase>;

TEST_P(ChoosingAFolder, LoadsTheLowestNumberedProgramWithAFileOrEmptiesTheList) {
    const FolderCase& c = GetParam();
    for (const auto& [name, bytes] : c.files) PutFile(name, bytes);
    Add({{9, 9}});  // chosen before any folder: replaced by what the folder holds
    const DateListAnswer answer = editor.ChooseFolder(kFolder);
    ExpectStateIn(answer);
    EXPECT_EQ(answer.change, DateListChange::Reloaded);
    EXPECT_EQ(answer.selectedRow, static_cast<int>(c.dates.size()) - 1);
    EXPECT_EQ(editor.SaveFolder(), kFolder);
    EXPECT_EQ(editor.Program(), c.program);
    EXPECT_EQ(Held(), c.dates);
    EXPECT_FALSE(answer.message);
    EXPECT_FALSE(answer.fileError);
    EXPECT_EQ(fs.Calls(IoCall::Write), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChoosingAFolder,
    ::testing::Values(
        FolderCase{
            "OnlyProgramThree", {{"SDATE03.DAT", {1, 1, 10, 1, 12, 25}}}, 2, {{1, 1}, {10, 1}, {12, 25}}},
        FolderCase{"LowestNumberedWins", {{"SDATE05.DAT", {5, 5}}, {"SDATE02.DAT", {2, 2}}}, 1, {{2, 2}}},
        FolderCase{"AnEmptyFileCounts", {{"SDATE06.DAT", {6, 6}}, {"SDATE04.DAT", {}}}, 3, {}},
        FolderCase{"AnOddLastByteIsIgnored", {{"SDATE01.DAT", {1, 2, 3}}}, 0, {{1, 2}}},
        FolderCase{"AnOversizedFileGivesItsFirst365",
                   {{"SDATE01.DAT", FileBytesOf(FirstDates(366))}},
                   0,
                   FirstDates(365)},
        FolderCase{"NoDateFile", {}, 0, {}},
        FolderCase{"OnlyOtherFiles", {{"SDATE07.DAT", {7, 7}}, {"SPSCH01.DAT", {1, 1}}}, 0, {}}),
    CaseName());

TEST_F(DateListEditorTest, AFileHeldOpenElsewhereIsPassedOverForTheNextProgram) {
    PutFile("SDATE01.DAT", {1, 1});
    PutFile("SDATE02.DAT", {2, 2});
    const auto held = memory.Open(DateFile("SDATE01.DAT"), OpenMode::Read);
    ASSERT_TRUE(held.ok());
    editor.ChooseFolder(kFolder);
    EXPECT_EQ(editor.Program(), 1);
    EXPECT_EQ(Held(), (Dates{{2, 2}}));
}

TEST_F(DateListEditorTest, AFileThatFailsToReadLoadsItsProgramWithoutDatesOrAWord) {
    PutFile("SDATE02.DAT", {2, 2});
    fs.FailCall(0, FileErrorCause::HardIO, IoCall::Read);
    const DateListAnswer answer = editor.ChooseFolder(kFolder);
    ASSERT_TRUE(fs.FaultFired());
    EXPECT_EQ(answer.change, DateListChange::Reloaded);
    EXPECT_EQ(editor.Program(), 1);
    EXPECT_TRUE(editor.Dates().empty());
    EXPECT_FALSE(answer.message);
    EXPECT_FALSE(answer.fileError);
}

TEST_F(DateListEditorTest, AnotherFolderWithoutFilesEmptiesTheListAndKeepsTheProgram) {
    PutFile("SDATE03.DAT", {3, 3});
    editor.ChooseFolder(kFolder);
    const DateListAnswer answer = editor.ChooseFolder("/other");
    ExpectStateIn(answer);
    EXPECT_EQ(answer.change, DateListChange::Reloaded);
    EXPECT_EQ(answer.selectedRow, -1);
    EXPECT_EQ(editor.SaveFolder(), "/other");
    EXPECT_EQ(editor.Program(), 2);
    EXPECT_TRUE(editor.Dates().empty());
}

TEST_F(DateListEditorTest, AnEmptyFolderNameChangesNothing) {
    PutFile("SDATE01.DAT", {1, 1});
    editor.ChooseFolder(kFolder);
    Add({{2, 2}});
    fs.Reset();
    EXPECT_EQ(editor.ChooseFolder("").change, DateListChange::None);
    EXPECT_EQ(editor.SaveFolder(), kFolder);
    EXPECT_EQ(Held(), (Dates{{1, 1}, {2, 2}}));
    EXPECT_EQ(fs.TotalCalls(), 0u);
}

// Choosing a program.

struct ProgramCase {
    const char* name;
    bool folder;  // a folder is chosen first, which loads program 0
    int program;  // the program chosen
    DateListChange change;
    std::optional<EditorMessage> message;
    int programAfter;
    Dates dates;  // held afterwards
};

using ChoosingAProgram = WithCases<ProgramCase>;

TEST_P(ChoosingAProgram, LoadsItsFileAndDropsUnsavedDatesOnlyWhenThereIsSomethingToLoad) {
    const ProgramCase& c = GetParam();
    PutFile("SDATE01.DAT", {1, 1});
    PutFile("SDATE02.DAT", {2, 2});
    if (c.folder) editor.ChooseFolder(kFolder);
    Add({{3, 3}});
    fs.Reset();
    const DateListAnswer answer = editor.ChooseProgram(c.program);
    ExpectStateIn(answer);
    EXPECT_EQ(answer.change, c.change);
    EXPECT_EQ(answer.message, c.message);
    EXPECT_FALSE(answer.fileError);
    EXPECT_EQ(editor.Program(), c.programAfter);
    EXPECT_EQ(Held(), c.dates);
    if (c.change == DateListChange::Reloaded) {
        EXPECT_EQ(answer.selectedRow, static_cast<int>(c.dates.size()) - 1);
    } else {
        EXPECT_EQ(fs.TotalCalls(), 0u);
    }
    EXPECT_EQ(fs.Calls(IoCall::Write), 0u);
    EXPECT_EQ(FileBytes("SDATE01.DAT"), Bytes({1, 1}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChoosingAProgram,
    ::testing::Values(
        ProgramCase{"Another", true, 1, DateListChange::Reloaded, std::nullopt, 1, {{2, 2}}},
        ProgramCase{"OneWithoutAFile", true, 5, DateListChange::Reloaded, std::nullopt, 5, {}},
        ProgramCase{
            "TheSameAgainReloadsNothing", true, 0, DateListChange::None, std::nullopt, 0, {{1, 1}, {3, 3}}},
        ProgramCase{"OutOfRange", true, 6, DateListChange::None, std::nullopt, 0, {{1, 1}, {3, 3}}},
        ProgramCase{
            "WithoutAFolder", false, 1, DateListChange::None, EditorMessage::NoSaveFolder, 0, {{3, 3}}},
        ProgramCase{"TheSameWithoutAFolder",
                    false,
                    0,
                    DateListChange::None,
                    EditorMessage::NoSaveFolder,
                    0,
                    {{3, 3}}}),
    CaseName());

// Saving.

TEST_F(DateListEditorTest, SaveWithoutAFolderSaysSoAndWritesNothing) {
    Add({{1, 1}});
    const DateListAnswer answer = editor.Save();
    EXPECT_EQ(answer.message, EditorMessage::NoSaveFolder);
    EXPECT_EQ(answer.change, DateListChange::None);
    EXPECT_EQ(Held(), (Dates{{1, 1}}));
    EXPECT_EQ(fs.TotalCalls(), 0u);
}

struct SaveCase {
    const char* name;
    int program;  // chosen after the folder
    Dates dates;  // added after that
    const char* file;
};

using SavingDates = WithCases<SaveCase>;

TEST_P(SavingDates, WritesTheProgramsFileTwoBytesADateInListOrder) {
    const SaveCase& c = GetParam();
    editor.ChooseFolder(kFolder);
    editor.ChooseProgram(c.program);
    Add(c.dates);
    const DateListAnswer answer = editor.Save();
    ExpectStateIn(answer);
    EXPECT_EQ(answer.change, DateListChange::None);
    EXPECT_EQ(answer.message, EditorMessage::Saved);
    EXPECT_FALSE(answer.fileError);
    EXPECT_EQ(memory.Paths(), std::vector<std::string>({DateFile(c.file)}));
    EXPECT_EQ(FileBytes(c.file), FileBytesOf(c.dates));
    EXPECT_EQ(Held(), c.dates);
}

INSTANTIATE_TEST_SUITE_P(Cases, SavingDates,
                         ::testing::Values(SaveCase{"AnEmptyList", 0, {}, "SDATE01.DAT"},
                                           SaveCase{"NotSorted", 0, {{12, 25}, {1, 1}}, "SDATE01.DAT"},
                                           SaveCase{"ProgramSix", 5, {{5, 31}}, "SDATE06.DAT"},
                                           SaveCase{"AFullTable", 2, FirstDates(365), "SDATE03.DAT"}),
                         CaseName());

TEST_F(DateListEditorTest, SaveOfANewFileClearsWhatAKilledWriterLeft) {
    PutFile("SDATE01.DAT.99999999-1.tavrel-tmp", {1, 1});
    editor.ChooseFolder(kFolder);
    Add({{3, 3}});
    EXPECT_EQ(editor.Save().message, EditorMessage::Saved);
    EXPECT_EQ(memory.Paths(), std::vector<std::string>({DateFile("SDATE01.DAT")}));
}

TEST_F(DateListEditorTest, SaveReplacesTheWholeFileOfTheProgramLoaded) {
    PutFile("SDATE02.DAT", {1, 1, 10, 1, 12, 25});
    editor.ChooseFolder(kFolder);
    editor.DeleteEntry(1);
    EXPECT_EQ(editor.Save().message, EditorMessage::Saved);
    EXPECT_EQ(FileBytes("SDATE02.DAT"), Bytes({1, 1, 12, 25}));
}

// Every call of the save in turn fails: each time the answer names the error, the old file
// stays as it was and so do the dates, and the next Save can succeed.
TEST_F(DateListEditorTest, AFailedSaveGivesTheErrorAndKeepsTheOldFileAndTheDates) {
    PutFile("SDATE01.DAT", {1, 1});
    editor.ChooseFolder(kFolder);
    Add({{2, 2}});
    for (std::size_t call = 0;; ++call) {
        SCOPED_TRACE(call);
        fs.Reset();
        fs.FailCall(call, FileErrorCause::HardIO);
        const DateListAnswer answer = editor.Save();
        if (!fs.FaultFired()) {
            EXPECT_EQ(answer.message, EditorMessage::Saved);
            EXPECT_EQ(FileBytes("SDATE01.DAT"), Bytes({1, 1, 2, 2}));
            ASSERT_GT(call, 0u);
            break;
        }
        SCOPED_TRACE(fs.FiredCall());
        EXPECT_EQ(answer.change, DateListChange::None);
        EXPECT_FALSE(answer.message);
        ASSERT_TRUE(answer.fileError);
        EXPECT_EQ(answer.fileError->cause(), FileErrorCause::HardIO);
        EXPECT_FALSE(answer.fileError->path().empty());
        EXPECT_EQ(FileBytes("SDATE01.DAT"), Bytes({1, 1}));
        EXPECT_EQ(memory.Paths(), std::vector<std::string>({DateFile("SDATE01.DAT")}));
        EXPECT_EQ(Held(), (Dates{{1, 1}, {2, 2}}));
        EXPECT_EQ(editor.Program(), 0);
    }
}

// A card that keeps other bytes than it was given: the save answers with the read-back's error,
// not "saved", and the old file stays.
TEST_F(DateListEditorTest, ACardThatKeepsOtherBytesIsNotSaved) {
    PutFile("SDATE01.DAT", {1, 1});
    testsupport::CorruptingFileSystem card(memory, "SDATE01.DAT");
    DateListEditor onCard(card);
    onCard.ChooseFolder(kFolder);
    onCard.AddDate(2, 2);
    card.CorruptWrites();
    const DateListAnswer answer = onCard.Save();
    EXPECT_FALSE(answer.message);
    ASSERT_TRUE(answer.fileError);
    EXPECT_EQ(*answer.fileError, FileError(FileErrorCause::ReadBackMismatch, DateFile("SDATE01.DAT")));
    EXPECT_EQ(FileBytes("SDATE01.DAT"), Bytes({1, 1}));
    EXPECT_EQ(memory.Paths(), std::vector<std::string>({DateFile("SDATE01.DAT")}));
}

TEST_F(DateListEditorTest, AFailedSaveOfANewFileLeavesNoFileBehind) {
    editor.ChooseFolder(kFolder);
    Add({{4, 4}});
    fs.LimitSpace(1);
    const DateListAnswer answer = editor.Save();
    ASSERT_TRUE(answer.fileError);
    EXPECT_EQ(answer.fileError->cause(), FileErrorCause::DiskFull);
    EXPECT_TRUE(memory.Paths().empty());
    EXPECT_EQ(Held(), (Dates{{4, 4}}));
}

}  // namespace
