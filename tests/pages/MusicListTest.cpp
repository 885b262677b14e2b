// The music list: adding chosen files, deleting and moving entries, and keeping one selected.
#include <QAbstractButton>
#include <QListWidget>
#include <QTest>
#include <filesystem>

#include "PageFixture.h"
#include "pages/schedule/ControlIds.h"
#include "support/MemoryFileSystem.h"

namespace pagetest {
namespace {

using namespace pages::ids;
using core::FileErrorCause;
using testsupport::IoCall;

// Clicks an entry of the music list, with the keyboard modifiers given.
void ClickEntry(PageHarness& page, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    auto& list = page.Control<QListWidget>(kMusicList);
    const QRect rect = list.visualItemRect(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, rect.center());
}

void AddEntries(PageHarness& page, const std::vector<std::string>& names) {
    QStringList files;
    for (const std::string& name : names) files << page.MusicFile(name);
    page.dialogs.AnswerMusicFiles(files);
    page.Click(kAddMusic);
}

using MusicListTest = SchedulePageTest;

TEST_P(MusicListTest, AddsTheNamesOfTheChosenFilesAndSelectsTheLast) {
    OpenSaveFolder();
    AddEntries(*this, {"a.mp3", "b.wma", "c.wav"});
    EXPECT_EQ(MusicEntries(), (QStringList{"a.mp3", "b.wma", "c.wav"}));
    EXPECT_EQ(SelectedMusicRow(), 2);
    AddEntries(*this, {"a.mp3"});
    EXPECT_EQ(MusicEntries(), (QStringList{"a.mp3", "b.wma", "c.wav", "a.mp3"}));
    EXPECT_EQ(SelectedMusicRow(), 3);
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_P(MusicListTest, TheNameIsWhatFollowsTheLastSeparator) {
#ifdef _WIN32
    // Windows allows neither ":" nor "\\" in a name: there "\\" parts a real subfolder from the name.
    std::filesystem::create_directory(testsupport::NativePath(musicFolder / "dir"));
    AddEntries(*this, {"dir\\c.mp3"});
    EXPECT_EQ(MusicEntries(), (QStringList{"c.mp3"}));
#else
    AddEntries(*this, {"x:y.mp3", "dir\\c.mp3"});
    EXPECT_EQ(MusicEntries(), (QStringList{"y.mp3", "c.mp3"}));
#endif
}

TEST_P(MusicListTest, ACancelledChooserAddsNothingButSelectsTheLastEntry) {
    AddEntries(*this, {"a.mp3", "b.mp3", "c.mp3"});
    ClickEntry(*this, 0);
    ASSERT_EQ(SelectedMusicRow(), 0);
    dialogs.AnswerMusicFiles({});
    Click(kAddMusic);
    EXPECT_EQ(MusicEntries().size(), 3);
    EXPECT_EQ(SelectedMusicRow(), 2);
}

TEST_P(MusicListTest, FilesThatCannotBeOpenedAreLeftOut) {
    const QString held = MusicFile("held.mp3");
    const QString gone = QString::fromStdString(musicFolder / "gone.mp3");
    const QString fine = MusicFile("fine.mp3");
    // The first file is held open by another program when the page tries it.
    fs.FailCall(0, FileErrorCause::SharingViolation, IoCall::Open);
    dialogs.AnswerMusicFiles({held, gone, fine});
    Click(kAddMusic);
    EXPECT_EQ(MusicEntries(), QStringList{"fine.mp3"});
    EXPECT_TRUE(dialogs.Messages().isEmpty());
    EXPECT_TRUE(dialogs.FileErrors().empty());
}

struct MoveCase {
    int selected;
    int button;
    QStringList after;
    int selectedAfter;
};

TEST_P(MusicListTest, MovesAndDeletesInAListOfThree) {
    const MoveCase cases[] = {
        {2, kMusicUp, {"x", "z", "y"}, 1},   {1, kMusicUp, {"y", "x", "z"}, 0},
        {0, kMusicUp, {"x", "y", "z"}, 0},   {0, kMusicDown, {"y", "x", "z"}, 1},
        {1, kMusicDown, {"x", "z", "y"}, 2}, {2, kMusicDown, {"x", "y", "z"}, 2},
        {0, kDeleteMusic, {"y", "z"}, 0},    {1, kDeleteMusic, {"x", "z"}, 1},
        {2, kDeleteMusic, {"x", "y"}, 1},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "button " << c.button << " on row " << c.selected);
        PageHarness page(Kind());
        AddEntries(page, {"x", "y", "z"});
        ClickEntry(page, c.selected);
        page.Click(c.button);
        EXPECT_EQ(page.MusicEntries(), c.after);
        EXPECT_EQ(page.SelectedMusicRow(), c.selectedAfter);
    }
}

TEST_P(MusicListTest, RepeatedMovesCarryAnEntryToTheTopAndStopThere) {
    AddEntries(*this, {"x", "y", "z"});
    Click(kMusicUp);
    Click(kMusicUp);
    EXPECT_EQ(MusicEntries(), (QStringList{"z", "x", "y"}));
    Click(kMusicUp);
    EXPECT_EQ(MusicEntries(), (QStringList{"z", "x", "y"}));
    EXPECT_EQ(SelectedMusicRow(), 0);
}

TEST_P(MusicListTest, ShortListsHaveNothingToMoveOrDelete) {
    Click(kDeleteMusic);
    Click(kMusicUp);
    EXPECT_TRUE(MusicEntries().isEmpty());
    AddEntries(*this, {"only.mp3"});
    Click(kMusicUp);
    Click(kMusicDown);
    EXPECT_EQ(MusicEntries(), QStringList{"only.mp3"});
    EXPECT_EQ(SelectedMusicRow(), 0);
    Click(kDeleteMusic);
    EXPECT_TRUE(MusicEntries().isEmpty());
    EXPECT_EQ(SelectedMusicRow(), -1);
}

TEST_P(MusicListTest, TheSelectionCannotBeClearedWithTheMouse) {
    AddEntries(*this, {"a.mp3", "b.mp3"});
    ClickEntry(*this, 0);
    EXPECT_EQ(SelectedMusicRow(), 0);
    ClickEntry(*this, 0, Qt::ControlModifier);
    EXPECT_EQ(SelectedMusicRow(), 0);
    ClickEntry(*this, 1, Qt::ControlModifier);
    EXPECT_EQ(SelectedMusicRow(), 1);
}

TEST_P(MusicListTest, EntriesAddedBeforeTheFolderIsChosenVanishWithIt) {
    AddEntries(*this, {"a.mp3"});
    EXPECT_EQ(MusicEntries(), QStringList{"a.mp3"});
    OpenSaveFolder();
    EXPECT_TRUE(MusicEntries().isEmpty());
}

TEST_P(MusicListTest, TheListIsStoredInItsOrderAndComesBackSoWithTheFirstSelected) {
    OpenSaveFolder();
    AddEntries(*this, {"1.mp3", "2.mp3", "3.mp3", "4.mp3", "5.mp3"});
    ClickEntry(*this, 4);
    Click(kMusicUp);
    Click(kSave);
    const auto program = Program(0);
    ASSERT_TRUE(program);
    const StoredTimer& timer = program->timers.at(0);
    EXPECT_EQ(timer.record.musicCount, 5);
    std::vector<std::u16string> names;
    for (const auto& entry : timer.music) names.push_back(entry.name);
    const std::vector<std::u16string> expected = {u"1.mp3", u"2.mp3", u"3.mp3", u"5.mp3", u"4.mp3"};
    EXPECT_EQ(names, expected);

    Click(kPrevTimer);
    EXPECT_EQ(MusicEntries(), (QStringList{"1.mp3", "2.mp3", "3.mp3", "5.mp3", "4.mp3"}));
    EXPECT_EQ(SelectedMusicRow(), 0);
}

INSTANTIATE_FOR_BOTH_PAGES(MusicListTest);

// Names longer than any the disk here allows, so the files live in memory.
TEST(MusicNameTest, AnAddedNameKeepsAtMost255Characters) {
    testsupport::MemoryFileSystem memory;
    const std::string longName(300, 'n');
    memory.SetFile("/music/" + longName + ".mp3", {1});
    memory.SetFile("/music/short.mp3", {1});
    testing_support::ScriptedDialogs dialogs;
    pages::SchedulePage page(pages::GeneralScheduleVariant(), dialogs, memory);
    dialogs.AnswerMusicFiles(
        {QString::fromStdString("/music/" + longName + ".mp3"), QStringLiteral("/music/short.mp3")});
    QTest::mouseClick(&ui::RequireControl<QAbstractButton>(&page, kAddMusic), Qt::LeftButton);
    auto& list = ui::RequireControl<QListWidget>(&page, kMusicList);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(0)->text(), QString(255, QLatin1Char('n')));
    EXPECT_EQ(list.item(1)->text(), "short.mp3");
}

}  // namespace
}  // namespace pagetest
