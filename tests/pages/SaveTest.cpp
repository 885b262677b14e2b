// Save: what is stored, byte for byte, the repeated start-time check, and failures of the store.
#include <QLineEdit>
#include <filesystem>

#include "PageFixture.h"
#include "pages/schedule/ControlIds.h"

namespace pagetest {
namespace {

using namespace pages::ids;
using core::FileErrorCause;
using testsupport::IoCall;

const QString kSaved = QStringLiteral("保存成功！");
const QString kRepeated = QStringLiteral("开始时间有重复！！");

using SaveTest = SchedulePageTest;

TEST_P(SaveTest, WithoutASaveFolderSaysSoAndWritesNothing) {
    Click(kSave);
    const QString expected = IsGeneral() ? QStringLiteral("请先设置程序保存路径！！")
                                         : QStringLiteral("请先设置定时程序保存路径！！");
    EXPECT_EQ(dialogs.Messages(), QStringList{expected});
    EXPECT_TRUE(folder.Entries().empty());
    EXPECT_EQ(Number(), "0");
}

TEST_P(SaveTest, ThreeNewTimersAreStoredAndARepeatedStartIsRefused) {
    OpenSaveFolder();
    EXPECT_EQ(Number(), "1");
    Click(kSave);  // the blank new timer, starting 00:00:00
    SaveStartingAt(1);
    SaveStartingAt(2);
    EXPECT_EQ(dialogs.Messages(), (QStringList{kSaved, kSaved, kSaved}));
    EXPECT_EQ(Number(), "4");
    EXPECT_TRUE(Enabled(kMode));
    const auto program = Program(0);
    ASSERT_TRUE(program);
    EXPECT_EQ(program->header.count, 3);
    ASSERT_EQ(program->timers.size(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(program->timers[static_cast<std::size_t>(i)].record.startHour, i);

    // The defaults again: the first timer already starts at 00:00:00 on the same days.
    const Bytes before = FileBytes(0).value();
    EnterEnd(5, 6, 7);
    Tick(kPower1, true);
    Click(kSave);
    EXPECT_EQ(dialogs.Messages().last(), kRepeated);
    EXPECT_EQ(FileBytes(0), before);
    // What the user entered stays on screen.
    EXPECT_EQ(Number(), "4");
    EXPECT_EQ(Selected(kEndHour), 5);
    EXPECT_EQ(Selected(kEndMinute), 6);
    EXPECT_EQ(Selected(kEndSecond), 7);
    EXPECT_TRUE(Checked(kPower1));
}

TEST_P(SaveTest, ARepeatedStartInAnotherProgramIsStored) {
    OpenSaveFolder();
    SaveStartingAt(8);
    Choose(kProgram, 1);
    SaveStartingAt(8);
    EXPECT_EQ(dialogs.Messages(), (QStringList{kSaved, kSaved}));
    EXPECT_EQ(Program(0)->header.count, 1);
    EXPECT_EQ(Program(1)->header.count, 1);
}

TEST_P(SaveTest, TimersFoundInTheFileAreNotComparedWithANewOne) {
    LayProgram(0, {TimerStartingAt(8)});
    OpenSaveFolder();
    Click(kNewTimer);
    SaveStartingAt(8);
    EXPECT_EQ(dialogs.Messages(), QStringList{kSaved});
    EXPECT_EQ(Program(0)->header.count, 2);
}

TEST_P(SaveTest, AStoredTimerIsRewrittenInPlaceWhateverItsStartAndTheCheckLearnsIt) {
    LayProgram(0, {TimerStartingAt(1), TimerStartingAt(2)});
    OpenSaveFolder();
    SaveStartingAt(2);  // timer 1 takes the start of timer 2
    EXPECT_EQ(dialogs.Messages(), QStringList{kSaved});
    const auto program = Program(0);
    ASSERT_EQ(program->header.count, 2);
    EXPECT_EQ(program->timers[0].record.startHour, 2);
    EXPECT_EQ(program->timers[1].record.startHour, 2);
    // A successful save always leaves a new timer in the editor.
    EXPECT_EQ(Number(), "3");
    EXPECT_EQ(Editor().timerIndex(), 2u);

    // The rewrite went into the check's memory: a new timer starting 02:00:00 is refused.
    SaveStartingAt(2);
    EXPECT_EQ(dialogs.Messages().last(), kRepeated);
    EXPECT_EQ(Program(0)->header.count, 2);
}

TEST_P(SaveTest, ARootLikeFolderEndingInASeparatorStoresBesideIt) {
    OpenFolder(folder.path() + "/");
    Click(kSave);
    EXPECT_EQ(dialogs.Messages(), QStringList{kSaved});
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{FileName(0)});
    EXPECT_EQ(Program(0)->header.count, 1);
}

// The save folder was chosen, then the card was pulled: nothing can be stored.
TEST_P(SaveTest, AFolderThatVanishedShowsTheFileErrorAndKeepsTheTimer) {
    const std::string card = folder / "card";
    std::filesystem::create_directory(card);
    OpenFolder(card);
    std::filesystem::remove(card);

    EnterStart(7, 15, 0);
    Click(kSave);
    EXPECT_EQ(dialogs.FileErrors().size(), 1u);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
    EXPECT_EQ(Number(), "1");
    EXPECT_EQ(Selected(kStartHour), 7);
    EXPECT_EQ(Editor().timerCount(), 0u);
    EXPECT_EQ(Editor().summary(0)[0], (core::TimerSummary{}));

    // Back in place, the same timer is stored: the failed attempt left no trace in the check.
    std::filesystem::create_directory(card);
    Click(kSave);
    EXPECT_EQ(dialogs.Messages(), QStringList{kSaved});
    EXPECT_TRUE(ReadProgramFile(card + "/" + FileName(0)));
}

TEST_P(SaveTest, AWriteFailureWhileAppendingLeavesTheFileAsItWas) {
    LayProgram(0, {TimerStartingAt(1), TimerStartingAt(2)});
    OpenSaveFolder();
    Click(kNewTimer);
    const Bytes before = FileBytes(0).value();
    fs.FailCall(0, FileErrorCause::DiskFull, IoCall::Write);
    SaveStartingAt(9);
    ASSERT_EQ(dialogs.FileErrors().size(), 1u);
    EXPECT_EQ(dialogs.FileErrors()[0].cause(), FileErrorCause::DiskFull);
    EXPECT_EQ(dialogs.FileErrors()[0].path(), ProgramPath(0));
    EXPECT_TRUE(dialogs.Messages().isEmpty());
    EXPECT_EQ(FileBytes(0), before);
    EXPECT_EQ(Number(), "3");
    EXPECT_EQ(Editor().timerCount(), 2u);
    EXPECT_EQ(Selected(kStartHour), 9);
}

TEST_P(SaveTest, AFailedRewriteLeavesTheFileAsItWas) {
    LayProgram(0, {TimerStartingAt(1), TimerStartingAt(2)});
    OpenSaveFolder();
    const Bytes before = FileBytes(0).value();
    fs.FailCall(0, FileErrorCause::AccessDenied, IoCall::Rename);
    SaveStartingAt(5);
    EXPECT_EQ(dialogs.FileErrors().size(), 1u);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
    EXPECT_EQ(FileBytes(0), before);
    EXPECT_EQ(Number(), "1");
    EXPECT_EQ(Editor().summary(0)[0], (core::TimerSummary{}));
}

TEST_P(SaveTest, AFullProgramRefusesANewTimerBeforeWritingAnything) {
    std::vector<core::TimerRecord> timers;
    for (int i = 0; i < 512; ++i) timers.push_back(TimerStartingAt(i / 60 % 24, i % 60));
    LayProgram(0, timers);
    OpenSaveFolder();
    Click(kNewTimer);
    EXPECT_EQ(Number(), "513");
    const Bytes before = FileBytes(0).value();
    SaveStartingAt(23, 59, 59);
    EXPECT_EQ(dialogs.Messages(), QStringList{QStringLiteral("每组程序最多只能保存512个定时！")});
    EXPECT_EQ(FileBytes(0), before);
    EXPECT_EQ(Number(), "513");

    // A stored timer of the full program can still be rewritten.
    Click(kPrevTimer);
    SaveStartingAt(23, 59, 59);
    EXPECT_EQ(dialogs.Messages().last(), kSaved);
    EXPECT_EQ(Program(0)->timers[511].record.startSecond, 59);
}

INSTANTIATE_FOR_BOTH_PAGES(SaveTest);

// The general page refuses a repeated start only when the two timers share a weekday.
TEST(GeneralSaveTest, ARepeatedStartCountsOnlyOnASharedWeekday) {
    const struct {
        const char* name;
        std::uint32_t weekdays;
        int second;
        bool refused;
    } cases[] = {
        {"Monday, same second", 0x02, 0, true}, {"Friday, same second", 0x20, 0, true},
        {"Saturday", 0x40, 0, false},           {"Sunday and Saturday", 0x41, 0, false},
        {"no weekday at all", 0x00, 0, false},  {"Monday, one second later", 0x02, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PageHarness page(PageKind::General);
        page.OpenSaveFolder();
        page.SaveStartingAt(8);  // Monday to Friday
        page.EnterWeekdays(c.weekdays);
        page.SaveStartingAt(8, 0, c.second);
        EXPECT_EQ(page.dialogs.Messages().last(), c.refused ? kRepeated : kSaved);
        EXPECT_EQ(page.Program(0)->header.count, c.refused ? 1 : 2);
    }
}

// Special timers carry no weekdays: the same start time is always a repeat.
TEST(SpecialSaveTest, ARepeatedStartIsRefusedWithoutAnyWeekday) {
    PageHarness page(PageKind::Special);
    page.OpenSaveFolder();
    page.SaveStartingAt(8);
    page.SaveStartingAt(8);
    EXPECT_EQ(page.dialogs.Messages(), (QStringList{kSaved, kRepeated}));
    const auto program = page.Program(0);
    ASSERT_EQ(program->timers.size(), 1u);
    EXPECT_EQ(program->timers[0].record.weekdays, 0u);
}

// A music timer as the player expects it: header, record and two music entries.
TEST(GeneralSaveTest, AMusicTimerIsStoredByteForByte) {
    PageHarness page(PageKind::General);
    page.OpenSaveFolder();
    page.EnterStart(8, 30, 0);
    page.EnterEnd(9, 0, 0);
    page.Tick(kPower1, true);
    page.Tick(kHoldPower, true);
    page.Choose(kPlayMode, 1);
    page.dialogs.AnswerMusicFiles({page.MusicFile("01.mp3"), page.MusicFile("02.mp3")});
    page.Click(kAddMusic);
    page.Click(kExternalCard);
    page.Click(kSave);
    ASSERT_EQ(page.dialogs.Messages(), QStringList{kSaved});

    auto entry = [](const char* nameUnits) {
        const Bytes name = Hex(nameUnits);
        return Concat({Hex("45 3A 5C 00"), Zeros(98), name, Zeros(522 - name.size())});
    };
    const Bytes expected = Concat({
        Hex("AA 55 00 00 01 00 00 00  08 10 00 00 00 05 00 00"),
        Zeros(4104 - 16),
        Hex("3E 00 00 00 08 1E 00 09 00 00 00 00 01 80 00 00 FF FF 00 00 00 00 01 00 00 00 00 00 02 00 00 "
            "00"),
        entry("30 00 31 00 2E 00 6D 00 70 00 33 00 00 00"),
        entry("30 00 32 00 2E 00 6D 00 70 00 33 00 00 00"),
    });
    ASSERT_EQ(expected.size(), 5384u);
    EXPECT_EQ(page.FileBytes(0), expected);
}

TEST(SpecialSaveTest, ARadioTimerIsStoredByteForByte) {
    PageHarness page(PageKind::Special);
    page.OpenSaveFolder();
    page.Choose(kMode, 1);
    page.EnterStart(12, 0, 0);
    page.EnterEnd(12, 30, 0);
    for (std::size_t zone = 2; zone < kZones.size(); ++zone) page.Tick(kZones[zone], false);
    page.Choose(kChannel, 26);
    page.Click(kSave);
    ASSERT_EQ(page.dialogs.Messages(), QStringList{kSaved});
    const Bytes expected = Concat({
        Hex("AA 55 00 00 01 00 00 00  08 10 00 00 20 00 00 00"),
        Zeros(4104 - 16),
        Hex("00 00 00 00 0C 00 00 0C 1E 00 00 00 00 00 00 00 03 00 00 00 01 00 00 00 00 00 32 23 00 00 00 "
            "00"),
    });
    EXPECT_EQ(page.FileBytes(0), expected);
}

}  // namespace
}  // namespace pagetest
