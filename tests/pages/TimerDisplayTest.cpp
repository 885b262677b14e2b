// A timer on screen and back: the controls for each field, the channel list, the enabling by
// mode, and the music source.
#include <QComboBox>

#include "PageFixture.h"
#include "pages/schedule/ControlIds.h"

namespace pagetest {
namespace {

using namespace pages::ids;
using core::TimerRecord;

using TimerDisplayTest = SchedulePageTest;

TimerRecord ARadioTimerWithEveryFieldSet() {
    TimerRecord timer;
    timer.weekdays = 0x55;  // Sunday, Tuesday, Thursday, Saturday
    timer.startHour = 23;
    timer.startMinute = 59;
    timer.startSecond = 58;
    timer.endHour = 1;
    timer.endMinute = 2;
    timer.endSecond = 3;
    timer.power = core::kPower2 | core::kExtensionPower | core::kHoldPower;
    timer.zones = 0xA5C3;
    timer.mode = core::kRadioTimer;
    timer.playMode = 1;
    timer.loopMode = 1;
    timer.frequency = 10230;
    return timer;
}

TEST_P(TimerDisplayTest, AStoredTimerComesBackUnchangedWhenSavedAgain) {
    const TimerRecord stored = ARadioTimerWithEveryFieldSet();
    LayProgram(0, {stored});
    OpenSaveFolder();
    EXPECT_EQ(SelectedText(kMode), QStringLiteral("收音定时"));
    EXPECT_EQ(SelectedText(kChannel), "102.3MHz");
    EXPECT_TRUE(Checked(kHoldPower));
    EXPECT_FALSE(Checked(kPower1));
    EXPECT_TRUE(Checked(kZones[0]));
    EXPECT_FALSE(Checked(kZones[2]));
    Click(kSave);

    TimerRecord expected = stored;
    if (!IsGeneral()) expected.weekdays = 0;  // the special page has no weekdays to keep
    EXPECT_EQ(Program(0)->timers.at(0).record, expected);
}

TEST_P(TimerDisplayTest, TheChannelListShowsTheStoredFrequency) {
    const struct {
        std::uint16_t frequency;
        int index;
        std::uint16_t storedAgain;
    } cases[] = {
        {8750, 0, 8750},     {9010, 26, 9010},  {10000, 125, 10000},
        {10800, 205, 10800}, {10810, -1, 8740},  // outside the list: no selection, read back as index -1
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frequency);
        PageHarness page(Kind());
        TimerRecord timer = TimerStartingAt(6);
        timer.mode = core::kRadioTimer;
        timer.frequency = c.frequency;
        page.LayProgram(0, {timer});
        page.OpenSaveFolder();
        EXPECT_EQ(page.Selected(kChannel), c.index);
        EXPECT_TRUE(page.Enabled(kChannel));
        page.Click(kSave);
        EXPECT_EQ(page.Program(0)->timers.at(0).record.frequency, c.storedAgain);
    }
}

TEST_P(TimerDisplayTest, TheFrequencyStoredFollowsTheModeAndTheChannelChosen) {
    const struct {
        const char* name;
        std::vector<int> modes;  // chosen in this order
        int channel;             // chosen after the first mode, -1 for none
        std::uint16_t frequency;
    } cases[] = {
        {"power timer never given a channel", {2}, -1, 8740},
        {"radio timer left at its first channel", {1}, -1, 8750},
        {"radio timer at 90.1MHz", {1}, 26, 9010},
        {"radio, 91.5MHz, then power", {1, 2}, 40, 9150},
        {"radio, then back to music", {1, 0}, 40, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PageHarness page(Kind());
        page.OpenSaveFolder();
        page.Choose(kMode, c.modes.front());
        if (c.channel >= 0) page.Choose(kChannel, c.channel);
        for (std::size_t i = 1; i < c.modes.size(); ++i) page.Choose(kMode, c.modes[i]);
        page.Click(kSave);
        const auto program = page.Program(0);
        ASSERT_TRUE(program);
        EXPECT_EQ(program->timers.at(0).record.frequency, c.frequency);
        EXPECT_EQ(program->timers.at(0).record.mode, c.modes.back());
    }
}

TEST_P(TimerDisplayTest, LeavingTheMusicModeEmptiesTheMusicListForGood) {
    const struct {
        int mode;
        bool channelEnabled;
        int channel;
    } cases[] = {{1, true, 0}, {2, false, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        PageHarness page(Kind());
        page.OpenSaveFolder();
        page.dialogs.AnswerMusicFiles(
            {page.MusicFile("a.mp3"), page.MusicFile("b.mp3"), page.MusicFile("c.mp3")});
        page.Click(kAddMusic);
        ASSERT_EQ(page.MusicEntries().size(), 3);

        page.Choose(kMode, c.mode);
        EXPECT_TRUE(page.MusicEntries().isEmpty());
        EXPECT_EQ(page.Enabled(kChannel), c.channelEnabled);
        EXPECT_EQ(page.Selected(kChannel), c.channel);
        for (int id : {kMusicList, kAddMusic, kDeleteMusic, kMusicUp, kMusicDown, kPlayMode, kLoopMode,
                       kInternalMemory, kExternalCard}) {
            EXPECT_FALSE(page.Enabled(id)) << id;
        }

        page.Choose(kMode, 0);
        EXPECT_TRUE(page.MusicEntries().isEmpty());
        EXPECT_FALSE(page.Enabled(kChannel));
        EXPECT_TRUE(page.Enabled(kAddMusic));
        EXPECT_TRUE(page.Enabled(kMusicList));
    }
}

TEST_P(TimerDisplayTest, AStoredMusicTimerShowsItsListAndTheMediumOfItsEntries) {
    const struct {
        const char* name;
        std::vector<std::u16string> names;
        core::MusicSource source;
        bool external;
    } cases[] = {
        {"SD card", {u"x.mp3", u"y.wma"}, core::MusicSource::External, true},
        {"internal memory", {u"x.mp3"}, core::MusicSource::Internal, false},
        {"no entries", {}, core::MusicSource::External, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PageHarness page(Kind());
        core::TimerData timer{TimerStartingAt(7), c.names, c.source};
        timer.record.musicCount = static_cast<std::uint16_t>(c.names.size());
        ASSERT_TRUE(core::WriteTimer(page.fs, page.ProgramPath(0), 0, 0, 0, timer).ok());
        // Start from the other medium, so the page has to set it.
        page.Click(c.external ? kInternalMemory : kExternalCard);
        page.OpenSaveFolder();

        QStringList expected;
        for (const auto& name : c.names) expected << QString::fromStdU16String(name);
        EXPECT_EQ(page.MusicEntries(), expected);
        EXPECT_EQ(page.SelectedMusicRow(), c.names.empty() ? -1 : 0);
        EXPECT_EQ(page.Checked(kExternalCard), c.external);
        EXPECT_EQ(page.Checked(kInternalMemory), !c.external);
        EXPECT_EQ(page.Selected(kChannel), -1);
        EXPECT_FALSE(page.Enabled(kChannel));
        EXPECT_FALSE(page.Enabled(kMode));

        // A new timer keeps the medium the buttons show.
        page.Click(kNewTimer);
        EXPECT_EQ(page.Checked(kExternalCard), c.external);
        EXPECT_TRUE(page.Enabled(kMode));
    }
}

TEST_P(TimerDisplayTest, StoredValuesOutsideTheListsShowAsNoSelection) {
    TimerRecord timer = TimerStartingAt(30, 61, 5);
    timer.mode = 7;
    timer.playMode = 2;
    LayProgram(0, {timer});
    OpenSaveFolder();
    EXPECT_EQ(Selected(kStartHour), -1);
    EXPECT_EQ(Selected(kStartMinute), -1);
    EXPECT_EQ(Selected(kStartSecond), 5);
    EXPECT_EQ(Selected(kMode), -1);
    EXPECT_EQ(Selected(kPlayMode), -1);
    // An unknown mode is enabled like a power timer.
    EXPECT_FALSE(Enabled(kChannel));
    EXPECT_FALSE(Enabled(kAddMusic));

    Click(kSave);
    const TimerRecord stored = Program(0)->timers.at(0).record;
    EXPECT_EQ(stored.startHour, 255);
    EXPECT_EQ(stored.startMinute, 255);
    EXPECT_EQ(stored.startSecond, 5);
    EXPECT_EQ(stored.mode, 65535);
    EXPECT_EQ(stored.playMode, 65535);
    EXPECT_EQ(stored.frequency, 8740);
}

TEST_P(TimerDisplayTest, ANewTimerIsBlankMusicMondayToFridayOnAllZones) {
    LayProgram(0, {ARadioTimerWithEveryFieldSet()});
    OpenSaveFolder();
    Click(kNewTimer);
    EXPECT_EQ(Number(), "2");
    EXPECT_EQ(Selected(kMode), 0);
    for (int id :
         {kStartHour, kStartMinute, kStartSecond, kEndHour, kEndMinute, kEndSecond, kPlayMode, kLoopMode}) {
        EXPECT_EQ(Selected(id), 0) << id;
    }
    for (std::size_t day = 0; day < (IsGeneral() ? kWeekdays.size() : 0); ++day) {
        EXPECT_EQ(Checked(kWeekdays[day]), day >= 1 && day <= 5) << day;
    }
    for (int id : {kPower1, kPower2, kPower3, kExtensionPower, kHoldPower}) EXPECT_FALSE(Checked(id)) << id;
    for (int zone : kZones) EXPECT_TRUE(Checked(zone)) << zone;
    EXPECT_EQ(Selected(kChannel), -1);
    EXPECT_FALSE(Enabled(kChannel));
    EXPECT_TRUE(Enabled(kAddMusic));
    EXPECT_TRUE(Enabled(kMode));
}

INSTANTIATE_FOR_BOTH_PAGES(TimerDisplayTest);

}  // namespace
}  // namespace pagetest
