// The music list of the timer in the editor, its medium, and the mode that decides whether the
// timer has music at all.
#include "ScheduleEditorFixture.h"

namespace scheduletest {
namespace {

using MusicTest = ScheduleEditorTest;

std::vector<std::u16string> Names(std::initializer_list<const char16_t*> names) {
    return std::vector<std::u16string>(names.begin(), names.end());
}

TEST_P(MusicTest, AddsTheNamesOfFilesThatCanBeOpenedAndSelectsTheLast) {
    const std::u16string held = MusicFile("/music/held.mp3");
    const std::u16string fine = MusicFile("/music/fine.mp3");
    FailNext(IoCall::Open, FileErrorCause::SharingViolation);
    const core::ScheduleAnswer answer = AddMusic({held, u"/music/gone.mp3", fine});
    EXPECT_EQ(editor.music(), Names({u"fine.mp3"}));
    EXPECT_EQ(editor.musicRow(), 0);
    EXPECT_EQ(answer.message, std::nullopt);
    EXPECT_EQ(answer.fileError, std::nullopt);
    EXPECT_EQ(answer.show, (core::ScheduleParts{.fields = true, .music = true}));

    AddMusic({MusicFile("/music/a.mp3"), fine});
    EXPECT_EQ(editor.music(), Names({u"fine.mp3", u"a.mp3", u"fine.mp3"}));
    EXPECT_EQ(editor.musicRow(), 2);
}

TEST_P(MusicTest, ACancelledChooserSelectsTheLastEntry) {
    AddMusic({MusicFile("/music/a.mp3"), MusicFile("/music/b.mp3"), MusicFile("/music/c.mp3")});
    screen.musicRow = 0;
    AddMusic({});
    EXPECT_EQ(editor.music().size(), 3u);
    EXPECT_EQ(editor.musicRow(), 2);

    EditorHarness empty(*GetParam());
    empty.AddMusic({});
    EXPECT_EQ(empty.editor.musicRow(), -1);
}

TEST_P(MusicTest, TheNameIsWhatFollowsTheLastSeparatorCutTo255Units) {
    const std::u16string longName(300, u'n');
    const std::u16string emoji = u"\U0001F3B5";  // two units
    const struct {
        const char* name;
        std::string file;     // as the file system names it
        std::u16string path;  // as the chooser gives it
        std::u16string added;
    } cases[] = {
        {"a colon", "/music/x:y.mp3", u"/music/x:y.mp3", u"y.mp3"},
        {"a backslash", "dir\\c.mp3", u"dir\\c.mp3", u"c.mp3"},
        {"no separator", "plain.mp3", u"plain.mp3", u"plain.mp3"},
        {"Chinese", "/音乐/歌.mp3", u"/音乐/歌.mp3", u"歌.mp3"},
        {"255 units", "/m/" + std::string(300, 'n'), u"/m/" + longName, longName.substr(0, 255)},
        {"half a pair at the cut", "/m/" + std::string(254, 'n') + "\xF0\x9F\x8E\xB5",
         u"/m/" + std::u16string(254, u'n') + emoji, std::u16string(254, u'n')},
        {"half a pair in the path", "/m/a?.mp3", u"/m/a\xD800.mp3", u"a\xD800.mp3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EditorHarness page(*GetParam());
        page.memory.SetFile(c.file, {1});
        page.AddMusic({c.path});
        EXPECT_EQ(page.editor.music(), std::vector<std::u16string>{c.added});
    }
}

TEST_P(MusicTest, RemovesAndMovesTheSelectedEntry) {
    const struct {
        int selected;
        Command command;
        std::vector<std::u16string> after;
        int selectedAfter;
        bool shown;
    } cases[] = {
        {2, &ScheduleEditor::MoveMusicUp, Names({u"x", u"z", u"y"}), 1, true},
        {1, &ScheduleEditor::MoveMusicUp, Names({u"y", u"x", u"z"}), 0, true},
        {0, &ScheduleEditor::MoveMusicUp, Names({u"x", u"y", u"z"}), 0, false},
        {0, &ScheduleEditor::MoveMusicDown, Names({u"y", u"x", u"z"}), 1, true},
        {1, &ScheduleEditor::MoveMusicDown, Names({u"x", u"z", u"y"}), 2, true},
        {2, &ScheduleEditor::MoveMusicDown, Names({u"x", u"y", u"z"}), 2, false},
        {0, &ScheduleEditor::RemoveMusic, Names({u"y", u"z"}), 0, true},
        {1, &ScheduleEditor::RemoveMusic, Names({u"x", u"z"}), 1, true},
        {2, &ScheduleEditor::RemoveMusic, Names({u"x", u"y"}), 1, true},
        {-1, &ScheduleEditor::RemoveMusic, Names({u"x", u"y", u"z"}), -1, false},
        {-1, &ScheduleEditor::MoveMusicDown, Names({u"x", u"y", u"z"}), -1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << c.selected);
        EditorHarness page(*GetParam());
        page.AddMusic({page.MusicFile("x"), page.MusicFile("y"), page.MusicFile("z")});
        page.screen.musicRow = c.selected;
        const core::ScheduleAnswer answer = page.Do(c.command);
        EXPECT_EQ(page.editor.music(), c.after);
        EXPECT_EQ(page.editor.musicRow(), c.selectedAfter);
        EXPECT_EQ(answer.show, (core::ScheduleParts{.music = c.shown}));
    }
}

TEST_P(MusicTest, ShortListsHaveNothingToMove) {
    for (Command command :
         {&ScheduleEditor::MoveMusicUp, &ScheduleEditor::MoveMusicDown, &ScheduleEditor::RemoveMusic}) {
        EXPECT_EQ(Do(command).show, core::ScheduleParts{});
    }
    AddMusic({MusicFile("only.mp3")});
    EXPECT_EQ(Do(&ScheduleEditor::MoveMusicUp).show, core::ScheduleParts{});
    EXPECT_EQ(Do(&ScheduleEditor::MoveMusicDown).show, core::ScheduleParts{});
    Do(&ScheduleEditor::RemoveMusic);
    EXPECT_TRUE(editor.music().empty());
    EXPECT_EQ(editor.musicRow(), -1);
}

TEST_P(MusicTest, LeavingTheMusicModeDropsTheListForGood) {
    const struct {
        std::uint16_t mode;
        bool firstChannel;
        bool listKept;
    } cases[] = {
        {core::kMusicTimer, false, true},
        {core::kRadioTimer, true, false},
        {core::kPowerTimer, false, false},
        {7, false, false},  // a mode no list entry names
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        EditorHarness page(*GetParam());
        page.OpenFolder();
        page.AddMusic({page.MusicFile("a.mp3"), page.MusicFile("b.mp3")});
        page.screen.record.mode = c.mode;
        const core::ScheduleAnswer answer = page.Do(&ScheduleEditor::ChooseMode);
        EXPECT_EQ(page.editor.record().mode, c.mode);
        EXPECT_EQ(page.editor.music().size(), c.listKept ? 2u : 0u);
        const core::ScheduleParts expected{
            .fields = true, .enabling = true, .music = !c.listKept, .firstChannel = c.firstChannel};
        EXPECT_EQ(answer.show, expected);
    }
}

TEST_P(MusicTest, TheListIsSavedInItsOrderWithTheMediumAndComesBackWithTheFirstSelected) {
    OpenFolder();
    AddMusic({MusicFile("1.mp3"), MusicFile("2.mp3"), MusicFile("3.mp3")});
    Do(&ScheduleEditor::MoveMusicUp);
    screen.medium = core::MusicSource::External;
    screen.record.startHour = 7;
    ASSERT_EQ(Do(&ScheduleEditor::Save).message, EditorMessage::Saved);
    // A new timer keeps the medium the page shows.
    EXPECT_EQ(editor.medium(), core::MusicSource::External);
    screen.medium = core::MusicSource::Internal;

    const core::ScheduleAnswer answer = Do(&ScheduleEditor::Previous);
    EXPECT_EQ(editor.music(), Names({u"1.mp3", u"3.mp3", u"2.mp3"}));
    EXPECT_EQ(editor.musicRow(), 0);
    EXPECT_EQ(editor.medium(), core::MusicSource::External);
    EXPECT_TRUE(answer.show.medium);
    EXPECT_TRUE(editor.modeFixed());
}

TEST_P(MusicTest, AStoredTimerOfAnotherModeShowsNoMusic) {
    core::TimerData radio{TimerStartingAt(6), Names({u"x.mp3"}), core::MusicSource::External};
    radio.record.mode = core::kRadioTimer;
    radio.record.musicCount = 1;
    ASSERT_TRUE(core::WriteTimer(memory, Path(0), 0, 0, 0, radio).ok());
    OpenFolder();
    EXPECT_EQ(editor.record().mode, core::kRadioTimer);
    EXPECT_TRUE(editor.music().empty());
    // The medium still comes from the entries in the file.
    EXPECT_EQ(editor.medium(), core::MusicSource::External);
}

INSTANTIATE_FOR_BOTH_KINDS(MusicTest);

}  // namespace
}  // namespace scheduletest
