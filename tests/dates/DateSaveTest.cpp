#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "DatePageFixture.h"

using namespace pages;
using namespace pages::date_ids;
using namespace core;
using core::FileErrorCause;

namespace {

using DateSave = DatePageTest;

const QString kSaved = "保存成功！";

TEST_F(DateSave, WithoutAFolderShowsTheMessageAndWritesNothing) {
    AddDate(1, 1);
    Click(kSave);
    EXPECT_EQ(dialogs.Messages(), QStringList({"请先设置定时程序保存路径！！"}));
    EXPECT_EQ(fs.TotalCalls(), 0u);
    EXPECT_EQ(Entries(), QStringList({"01月01日"}));
}

struct SaveCase {
    const char* name;
    std::vector<std::pair<int, int>> added;  // month, day in the order added
    Bytes file;
};

void PrintTo(const SaveCase& c, std::ostream* out) { *out << c.name; }

class SavingDates : public DatePageTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SavingDates, WritesTheListInItsOrderTwoBytesADate) {
    OpenFolder();
    for (const auto& [month, day] : GetParam().added) AddDate(month, day);
    Click(kSave);
    EXPECT_EQ(dialogs.Messages(), QStringList({kSaved}));
    EXPECT_EQ(FileBytes("SDATE01.DAT"), GetParam().file);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>({"SDATE01.DAT"})) << "nothing left over";
}

INSTANTIATE_TEST_SUITE_P(Cases, SavingDates,
                         ::testing::Values(SaveCase{"AnEmptyListGivesAnEmptyFile", {}, {}},
                                           SaveCase{
                                               "WorkedExample", {{1, 1}, {10, 1}, {12, 25}}, kWorkedExample},
                                           SaveCase{"NotSorted", {{12, 25}, {1, 1}}, {12, 25, 1, 1}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DateSave, ReplacesTheWholeFileOfTheProgramShown) {
    PutFile("SDATE02.DAT", kWorkedExample);
    OpenFolder();
    ClickEntry(1);
    Click(kDeleteDate);
    Click(kSave);
    EXPECT_EQ(FileBytes("SDATE02.DAT"), Bytes({1, 1, 12, 25}));

    Choose(kProgram, 4);
    AddDate(5, 31);
    Click(kSave);
    EXPECT_EQ(FileBytes("SDATE05.DAT"), Bytes({5, 31}));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>({"SDATE02.DAT", "SDATE05.DAT"}));
}

TEST_F(DateSave, SavedDatesComeBackInAnotherPage) {
    OpenFolder();
    Choose(kProgram, 2);
    AddDate(10, 1);
    AddDate(5, 1);
    Click(kSave);

    pages::SpecialDatePage later(dialogs, fs);
    dialogs.AnswerFolder(QString::fromStdString(folder.path()));
    QTest::mouseClick(&ui::RequireControl<QPushButton>(&later, kOpenFolder), Qt::LeftButton);
    EXPECT_EQ(later.Editor().Program(), 2);
    EXPECT_EQ(later.Editor().Dates().size(), 2u);
    EXPECT_EQ(later.Editor().Dates()[0], (SpecialDate{10, 1}));
    EXPECT_EQ(later.Editor().Dates()[1], (SpecialDate{5, 1}));
}

// Every call of the save in turn fails: each time the error is shown with its cause, the old
// file stays as it was and the dates stay on the page for another try.
TEST_F(DateSave, AFailedSaveShowsTheErrorAndKeepsTheOldFileAndTheDates) {
    PutFile("SDATE01.DAT", {1, 1});
    OpenFolder();
    AddDate(2, 2);
    for (std::size_t call = 0;; ++call) {
        SCOPED_TRACE(call);
        dialogs.ClearShown();
        fs.Reset();
        fs.FailCall(call, FileErrorCause::HardIO);
        Click(kSave);
        if (!fs.FaultFired()) {
            EXPECT_EQ(dialogs.Messages(), QStringList({kSaved}));
            EXPECT_EQ(FileBytes("SDATE01.DAT"), Bytes({1, 1, 2, 2}));
            ASSERT_GT(call, 0u);
            break;
        }
        SCOPED_TRACE(fs.FiredCall());
        EXPECT_TRUE(dialogs.Messages().isEmpty());
        ASSERT_EQ(dialogs.FileErrors().size(), 1u);
        EXPECT_EQ(dialogs.FileErrors()[0].cause(), FileErrorCause::HardIO);
        EXPECT_EQ(FileBytes("SDATE01.DAT"), Bytes({1, 1}));
        EXPECT_EQ(folder.Entries(), std::vector<std::string>({"SDATE01.DAT"}));
        EXPECT_EQ(Entries(), QStringList({"01月01日", "02月02日"}));
    }
}

// A card that keeps other bytes than it was given: the box says the write check failed, never
// "保存成功！", and the old file stays.
TEST_F(DateSave, ACardThatKeepsOtherBytesShowsTheWriteCheckFailure) {
    PutFile("SDATE01.DAT", {1, 1});
    OpenFolder();
    AddDate(2, 2);
    card.CorruptWrites();
    Click(kSave);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
    EXPECT_EQ(dialogs.FileErrorTexts(),
              QStringList{QStringLiteral("写入校验失败：卡上读回的内容与写入的不同，这张卡可能已损坏。")});
    EXPECT_EQ(FileBytes("SDATE01.DAT"), Bytes({1, 1}));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>({"SDATE01.DAT"}));
    EXPECT_EQ(Entries(), QStringList({"01月01日", "02月02日"}));
}

TEST_F(DateSave, AFolderThatVanishedShowsTheErrorInsteadOfSuccess) {
    const std::string gone = folder / "card";
    std::filesystem::create_directory(gone);
    OpenFolder(gone);
    std::filesystem::remove(gone);
    AddDate(4, 4);
    Click(kSave);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
    ASSERT_EQ(dialogs.FileErrors().size(), 1u);
    EXPECT_FALSE(dialogs.FileErrorTexts().first().isEmpty());
    EXPECT_EQ(Entries(), QStringList({"04月04日"}));
    EXPECT_FALSE(std::filesystem::exists(gone));
}

TEST_F(DateSave, ExitClosesTheWindowWithoutSavingOrAsking) {
    PutFile("SDATE01.DAT", {1, 1});
    QWidget window;
    auto* inner = new pages::SpecialDatePage(dialogs, fs, &window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    dialogs.AnswerFolder(QString::fromStdString(folder.path()));
    QTest::mouseClick(&ui::RequireControl<QPushButton>(inner, kOpenFolder), Qt::LeftButton);
    QTest::mouseClick(&ui::RequireControl<QPushButton>(inner, kAddDate), Qt::LeftButton);
    QTest::mouseClick(&ui::RequireControl<QPushButton>(inner, kExit), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(dialogs.Messages().isEmpty());
    EXPECT_EQ(FileBytes("SDATE01.DAT"), Bytes({1, 1}));
}

}  // namespace
