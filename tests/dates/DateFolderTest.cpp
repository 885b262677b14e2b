#include <utility>

#include "DatePageFixture.h"

using namespace pages;
using namespace pages::date_ids;
using namespace core;

namespace {

using DateFolder = DatePageTest;

const QString kNoFolder = "请先设置定时程序保存路径！！";

struct FolderCase {
    const char* name;
    std::vector<std::pair<std::string, Bytes>> files;
    int program;  // the program the page opens
    QStringList entries;
};

void PrintTo(const FolderCase& c, std::ostream* out) { *out << c.name; }

class OpeningAFolder : public DatePageTest, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(OpeningAFolder, LoadsTheLowestNumberedProgramWithAFileOrEmptiesTheList) {
    const FolderCase& c = GetParam();
    for (const auto& [name, bytes] : c.files) PutFile(name, bytes);
    AddDate(9, 9);  // chosen before any folder: replaced by what the folder holds
    OpenFolder();
    EXPECT_EQ(page->Editor().SaveFolder(), folder.path());
    EXPECT_EQ(SavePathShown(), QString::fromStdString(page->Editor().SaveFolder()));
    EXPECT_EQ(page->Editor().Program(), c.program);
    EXPECT_EQ(Combo(kProgram).currentIndex(), c.program);
    EXPECT_EQ(Entries(), c.entries);
    EXPECT_EQ(SelectedRow(), static_cast<int>(c.entries.size()) - 1);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OpeningAFolder,
    ::testing::Values(
        FolderCase{
            "OnlyProgramThree", {{"SDATE03.DAT", kWorkedExample}}, 2, {"01月01日", "10月01日", "12月25日"}},
        FolderCase{"LowestNumberedWins", {{"SDATE05.DAT", {5, 5}}, {"SDATE02.DAT", {2, 2}}}, 1, {"02月02日"}},
        FolderCase{"AnEmptyFileCounts", {{"SDATE06.DAT", {6, 6}}, {"SDATE04.DAT", {}}}, 3, {}},
        FolderCase{"NoDateFile", {}, 0, {}},
        FolderCase{"OnlyOtherFiles", {{"SDATE07.DAT", {7, 7}}, {"SPSCH01.DAT", {1, 1}}}, 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ContentCase {
    const char* name;
    Bytes bytes;
    QStringList entries;
};

void PrintTo(const ContentCase& c, std::ostream* out) { *out << c.name; }

class ReadingAFile : public DatePageTest, public ::testing::WithParamInterface<ContentCase> {};

TEST_P(ReadingAFile, ListsEachRecordAsItStands) {
    PutFile("SDATE01.DAT", GetParam().bytes);
    OpenFolder();
    EXPECT_EQ(Entries(), GetParam().entries);
    EXPECT_EQ(page->Editor().Program(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadingAFile,
    ::testing::Values(
        ContentCase{"WorkedExample", kWorkedExample, {"01月01日", "10月01日", "12月25日"}},
        // Values no date has are shown, not rejected: '0' + 25 is 'I'.
        ContentCase{"ZeroAnd255", {0x00, 0xFF}, {"00月I5日"}},
        ContentCase{"AnOddLastByteIsIgnored", {1, 2, 3, 4, 5, 6, 7}, {"01月02日", "03月04日", "05月06日"}},
        ContentCase{"OneByte", {12}, {}}, ContentCase{"Empty", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DateFolder, AnOversizedFileLoadsTheFirst365Dates) {
    Bytes bytes(800);
    for (std::size_t k = 0; k < bytes.size(); ++k) bytes[k] = static_cast<std::uint8_t>(k % 256);
    PutFile("SDATE01.DAT", bytes);
    OpenFolder();
    EXPECT_EQ(page->Editor().Dates().size(), 365u);
    ASSERT_EQ(List().count(), 365);
    EXPECT_EQ(Entries().first(), "00月01日");
    // Record 364 is bytes 728 and 729, that is 216 and 217; '0' + 21 is 'E'.
    EXPECT_EQ(Entries().last(), "E6月E7日");
    EXPECT_EQ(SelectedRow(), 364);
}

TEST_F(DateFolder, AnotherFolderWithoutFilesEmptiesTheListAndKeepsTheProgram) {
    PutFile("SDATE03.DAT", kWorkedExample);
    OpenFolder();
    testsupport::TempFolder empty;
    OpenFolder(empty.path());
    EXPECT_TRUE(Entries().isEmpty());
    EXPECT_EQ(page->Editor().Program(), 2);
    EXPECT_EQ(ProgramShown(), "第三组程序");
    EXPECT_EQ(page->Editor().SaveFolder(), empty.path());
    EXPECT_EQ(SavePathShown(), QString::fromStdString(page->Editor().SaveFolder()));
}

TEST_F(DateFolder, ACancelledBrowserChangesNothingSoSaveKeepsTheFile) {
    PutFile("SDATE03.DAT", kWorkedExample);
    OpenFolder();
    AddDate(7, 7);
    ClickEntry(1);
    dialogs.CancelFolder();
    Click(kOpenFolder);
    EXPECT_EQ(Entries(), QStringList({"01月01日", "10月01日", "12月25日", "07月07日"}));
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_EQ(page->Editor().Program(), 2);
    EXPECT_EQ(ProgramShown(), "第三组程序");
    EXPECT_EQ(SavePathShown(), QString::fromStdString(folder.path()));

    Click(kSave);
    EXPECT_EQ(FileBytes("SDATE03.DAT"), Bytes({1, 1, 10, 1, 12, 25, 7, 7}));
}

TEST_F(DateFolder, ACancelledBrowserBeforeAnyFolderKeepsTheDates) {
    AddDate(2, 2);
    dialogs.CancelFolder();
    Click(kOpenFolder);
    EXPECT_EQ(Entries(), QStringList({"02月02日"}));
    EXPECT_EQ(page->Editor().SaveFolder(), "");
    EXPECT_EQ(dialogs.FolderRequests(), 1);
}

TEST_F(DateFolder, AnotherProgramLoadsItsFileAndDropsUnsavedDates) {
    PutFile("SDATE01.DAT", {1, 1});
    PutFile("SDATE02.DAT", {2, 2});
    OpenFolder();
    AddDate(3, 3);
    Choose(kProgram, 1);
    EXPECT_EQ(page->Editor().Program(), 1);
    EXPECT_EQ(Entries(), QStringList({"02月02日"}));
    EXPECT_EQ(SelectedRow(), 0);
    Choose(kProgram, 0);
    EXPECT_EQ(Entries(), QStringList({"01月01日"}));
    EXPECT_EQ(FileBytes("SDATE01.DAT"), Bytes({1, 1})) << "choosing a program writes nothing";
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(DateFolder, AProgramWithoutAFileHasNoDates) {
    PutFile("SDATE01.DAT", kWorkedExample);
    OpenFolder();
    Choose(kProgram, 5);
    EXPECT_EQ(page->Editor().Program(), 5);
    EXPECT_EQ(page->Editor().Dates().size(), 0u);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(DateFolder, TheSameProgramAgainReloadsNothing) {
    PutFile("SDATE01.DAT", {1, 1});
    OpenFolder();
    AddDate(3, 3);
    const std::size_t opens = fs.Calls(testsupport::IoCall::Open);
    Choose(kProgram, 0);
    EXPECT_EQ(Entries(), QStringList({"01月01日", "03月03日"}));
    EXPECT_EQ(fs.Calls(testsupport::IoCall::Open), opens);
}

TEST_F(DateFolder, AProgramChoiceWithoutAFolderShowsTheMessageAndKeepsTheDates) {
    AddDate(1, 1);
    Choose(kProgram, 2);
    EXPECT_EQ(dialogs.Messages(), QStringList({kNoFolder}));
    EXPECT_EQ(Entries(), QStringList({"01月01日"}));
    EXPECT_EQ(page->Editor().Program(), 0);
    EXPECT_EQ(ProgramShown(), "第三组程序") << "the box keeps the program just chosen";
    EXPECT_EQ(fs.TotalCalls(), 0u);
}

}  // namespace
