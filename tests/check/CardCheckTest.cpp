// Tables of small cards, each showing one rule of the check, and what the check must find on
// them: nothing on a clean card, and exactly the listed findings, in order, on the others.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "core/check/CardCheck.h"
#include "tests/card/NamedCases.h"
#include "tests/check/CardFixture.h"

namespace {

using namespace core;
using namespace checkfixture;
using namedcases::PrintTo;

struct CheckCase {
    const char* name;
    TestCard card;
    std::vector<std::string> expected;
    std::vector<std::string> folder = {};  // names in the card's folder
};

TimerData With(TimerData timer, const std::function<void(TimerRecord&)>& change) {
    change(timer.record);
    return timer;
}

TimerData WithNames(std::vector<std::u16string> names, MusicSource source = MusicSource::External) {
    return WithMusic(Music("08:00:00", "08:30:00"), source, std::move(names));
}

// A card of one general program holding `timer` alone.
TestCard OneTimer(TimerData timer) { return TestCard().General(0, {std::move(timer)}); }

TestCard OneMusicWith(const std::function<void(TimerRecord&)>& change) {
    return OneTimer(With(Music("08:00:00", "09:00:00"), change));
}

TestCard OneRadioWith(const std::function<void(TimerRecord&)>& change) {
    return OneTimer(With(Radio("08:00:00", "09:00:00"), change));
}

const std::vector<std::string> kBadValue = {"SCH01.DAT #1 warning bad-value"};

constexpr CardFileId kSch01{CardFileKind::GeneralSchedule, 0};
constexpr CardFileId kSpsch01{CardFileKind::SpecialSchedule, 0};
constexpr CardFileId kSdate02{CardFileKind::SpecialDates, 1};

class CardCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CardCheck, FindsExactlyTheMistakes) {
    const CheckCase& c = GetParam();
    const std::vector<Finding> findings = CheckCard(c.card.card(), FolderNames(c.folder));
    EXPECT_EQ(Describe(findings), c.expected);
    for (const Finding& f : findings) EXPECT_STRNE(f.message, "") << Describe(f);
}

const CheckCase kCardCases[] = {
    {"EmptyCard", TestCard(), {}},
    {"CleanCard",
     TestCard()
         .General(0, {Music("08:00:00", "08:30:00"), Radio("08:30:00", "09:00:00"),
                      Power("07:55:00", "17:00:00"), WithDays(Music("08:00:00", "08:30:00"), 1u << 6)})
         .General(3, {WithMusic(Music("10:00:00", "10:05:00"), MusicSource::External, {u"Bell.mp3"})})
         .Special(0, {Music("09:00:00", "10:00:00")})
         .Dates(0, {{1, 1}, {2, 29}})
         .Special(5, {WithZones(Music("09:00:00", "10:00:00"), 0x1),
                      WithZones(Radio("09:30:00", "10:30:00"), 0x2)})
         .Dates(5, {{5, 1}, {10, 1}}),
     {},
     {"BELL.MP3"}},
    {"FindingsInCardOrder",
     TestCard()
         .Dates(0, {{2, 30}})
         .Special(0, {Music("08:00:00", "09:00:00")})
         .General(1, {WithZones(Music("08:00:00", "07:00:00"), 0)})
         .General(0, {Music("09:00:00", "10:00:00"), Music("09:30:00", "10:30:00"), WithNames({})})
         .Special(1, {Power("09:00:00", "10:00:00"), Music("08:00:00", "07:00:00")})
         .Damaged({CardFileKind::SpecialSchedule, 3}, {DamageRule::WrongMagic, std::nullopt}),
     {"SCH01.DAT #1 #2 warning overlap", "SCH01.DAT #3 error no-music",
      "SCH02.DAT #1 warning end-not-after-start", "SCH02.DAT #1 warning no-zone",
      "SPSCH02.DAT note program-without-dates", "SPSCH02.DAT #2 warning end-not-after-start",
      "SPSCH04.DAT error damaged-file", "SDATE01.DAT 02-30 error bad-date"}},
};
INSTANTIATE_TEST_SUITE_P(Cards, CardCheck, ::testing::ValuesIn(kCardCases), namedcases::kCaseName);

// The findings about one timer on its own.
const CheckCase kTimerCases[] = {
    {"EndEqualsStart", OneTimer(Music("08:00:00", "08:00:00")), {"SCH01.DAT #1 warning end-not-after-start"}},
    {"EndBeforeStart", OneTimer(Power("08:00:01", "08:00:00")), {"SCH01.DAT #1 warning end-not-after-start"}},
    {"NoWeekday", OneTimer(WithDays(Music("08:00:00", "09:00:00"), 0)), {"SCH01.DAT #1 warning no-weekday"}},
    {"WeekdayOnlyInStrayBits",
     OneTimer(WithDays(Power("08:00:00", "09:00:00"), 0xFF80)),
     {"SCH01.DAT #1 warning no-weekday"}},
    {"SpecialTimerNeedsNoWeekday",
     TestCard().Special(0, {WithDays(Music("08:00:00", "09:00:00"), 0)}).Dates(0, {{1, 1}}),
     {}},
    {"MusicWithoutZone",
     OneTimer(WithZones(Music("08:00:00", "09:00:00"), 0)),
     {"SCH01.DAT #1 warning no-zone"}},
    {"RadioWithoutZone",
     OneTimer(WithZones(Radio("08:00:00", "09:00:00"), 0)),
     {"SCH01.DAT #1 warning no-zone"}},
    {"ZoneOnlyInStrayBits",
     OneTimer(WithZones(Radio("08:00:00", "09:00:00"), 0x10000)),
     {"SCH01.DAT #1 warning no-zone"}},
    {"PowerNeedsNoZone", OneTimer(WithZones(Power("08:00:00", "09:00:00"), 0)), {}},
    {"MusicWithoutFiles", OneTimer(WithNames({}, MusicSource::Internal)), {"SCH01.DAT #1 error no-music"}},
    {"RadioNeedsNoFiles", OneTimer(Radio("08:00:00", "09:00:00")), {}},

    // Music on the SD card, against the card's folder.
    {"MusicMissingFromFolderOncePerTimer",
     OneTimer(WithNames({u"a.mp3", u"b.mp3", u"c.mp3"})),
     {"SCH01.DAT #1 warning missing-music"},
     {"a.mp3"}},
    {"MusicFoundWithoutRegardToCase",
     OneTimer(WithNames({u"Morning BELL.Mp3", u"课间操.MP3", u"ÉTÉ.wav"})),
     {},
     {"morning bell.MP3", "课间操.mp3", "été.WAV"}},
    {"MusicInPlayerMemoryNotLookedFor", OneTimer(WithNames({u"a.mp3"}, MusicSource::Internal)), {}, {}},
    {"MusicOfRadioTimerNotLookedFor",
     OneTimer(WithMusic(Radio("08:00:00", "09:00:00"), MusicSource::External, {u"a.mp3"})),
     {}},

    // Values out of range: each alone, and several in one timer.
    {"EndHour24", OneMusicWith([](TimerRecord& r) { r.endHour = 24; }), kBadValue},
    {"StartMinute60", OneMusicWith([](TimerRecord& r) { r.startMinute = 60; }), kBadValue},
    {"EndMinute60", OneMusicWith([](TimerRecord& r) { r.endMinute = 60; }), kBadValue},
    {"StartSecond60", OneMusicWith([](TimerRecord& r) { r.startSecond = 60; }), kBadValue},
    {"EndSecond60", OneMusicWith([](TimerRecord& r) { r.endSecond = 60; }), kBadValue},
    {"Mode3", OneMusicWith([](TimerRecord& r) { r.mode = 3; }), kBadValue},
    {"PlayMode2", OneMusicWith([](TimerRecord& r) { r.playMode = 2; }), kBadValue},
    {"LoopMode2", OneMusicWith([](TimerRecord& r) { r.loopMode = 2; }), kBadValue},
    {"RadioBelowLowestChannel", OneRadioWith([](TimerRecord& r) { r.frequency = 8740; }), kBadValue},
    {"RadioBetweenChannels", OneRadioWith([](TimerRecord& r) { r.frequency = 8755; }), kBadValue},
    {"RadioAboveHighestChannel", OneRadioWith([](TimerRecord& r) { r.frequency = 10810; }), kBadValue},
    {"RadioFirstAndLastChannel",
     TestCard().General(0,
                        {With(Radio("08:00:00", "09:00:00"), [](TimerRecord& r) { r.frequency = 8750; }),
                         With(Radio("09:00:00", "10:00:00"), [](TimerRecord& r) { r.frequency = 10800; })}),
     {}},
    {"FrequencyOfMusicAndPowerIgnored",
     TestCard().General(0, {With(Music("08:00:00", "09:00:00"), [](TimerRecord& r) { r.frequency = 1; }),
                            With(Power("09:00:00", "10:00:00"), [](TimerRecord& r) { r.frequency = 8740; })}),
     {}},
    {"StrayBitsInMasksIgnored",
     OneMusicWith(
         [](TimerRecord& r) {
             r.weekdays |= 0xFFFFFF80;
             r.zones |= 0xFFFF0000;
             r.power = 0xFFFFFFFF;
         }),
     {}},
    {"SeveralBadValuesOneFinding", OneRadioWith([](TimerRecord& r) {
         r.endHour = 30;
         r.playMode = 9;
         r.frequency = 0;
     }),
     kBadValue},
};
INSTANTIATE_TEST_SUITE_P(Timers, CardCheck, ::testing::ValuesIn(kTimerCases), namedcases::kCaseName);

// Two timers of one program: the same start, or windows that overlap in a zone.
const CheckCase kPairCases[] = {
    {"SameStartSharedWeekday",
     TestCard().General(
         0, {WithZones(Music("08:00:00", "08:30:00"), 0x1), WithZones(Music("08:00:00", "09:00:00"), 0x2)}),
     {"SCH01.DAT #1 #2 error same-start"}},
    {"SameStartOtherWeekdays",
     TestCard().General(0, {WithDays(Music("08:00:00", "08:30:00"), kMonday),
                            WithDays(Music("08:00:00", "08:30:00"), kTuesday)}),
     {}},
    {"SameStartSpecialWhateverTheWeekdays",
     TestCard()
         .Special(0, {WithDays(Power("08:00:00", "08:30:00"), kMonday),
                      WithDays(Power("08:00:00", "08:30:00"), kTuesday)})
         .Dates(0, {{1, 1}}),
     {"SPSCH01.DAT #1 #2 error same-start"}},
    {"SameStartThreeTimersEachPairOnce",
     TestCard().General(0, {Power("07:00:00", "07:05:00"), Power("06:00:00", "06:05:00"),
                            Power("07:00:00", "07:10:00"), Power("07:00:00", "07:15:00")}),
     {"SCH01.DAT #1 #3 error same-start", "SCH01.DAT #1 #4 error same-start",
      "SCH01.DAT #3 #4 error same-start"}},
    {"SameStartAndOverlapBoth",
     TestCard().General(0, {Music("08:00:00", "08:30:00"), Radio("08:00:00", "08:10:00")}),
     {"SCH01.DAT #1 #2 warning overlap", "SCH01.DAT #1 #2 error same-start"}},
    {"WindowsTouchingAtTheEndSecond",
     TestCard().General(0, {Music("08:00:00", "09:00:00"), Music("09:00:00", "10:00:00")}),
     {}},
    {"WindowsOverlappingOneSecond",
     TestCard().General(0, {Music("08:00:00", "09:00:01"), Music("09:00:00", "10:00:00")}),
     {"SCH01.DAT #1 #2 warning overlap"}},
    {"ZonesSharingOneBit",
     TestCard().General(0, {WithZones(Music("08:00:00", "09:00:00"), 0x0003),
                            WithZones(Radio("08:30:00", "09:30:00"), 0x8002)}),
     {"SCH01.DAT #1 #2 warning overlap"}},
    {"ZonesApart",
     TestCard().General(0, {WithZones(Music("08:00:00", "09:00:00"), 0x00FF),
                            WithZones(Music("08:30:00", "09:30:00"), 0xFF00)}),
     {}},
    {"OverlapOtherWeekdays",
     TestCard().General(0, {WithDays(Music("08:00:00", "09:00:00"), kMonday),
                            WithDays(Music("08:30:00", "09:30:00"), kTuesday)}),
     {}},
    {"OverlapSpecialWhateverTheWeekdays",
     TestCard()
         .Special(0, {WithDays(Music("08:00:00", "09:00:00"), kMonday),
                      WithDays(Music("08:30:00", "09:30:00"), kTuesday)})
         .Dates(0, {{1, 1}}),
     {"SPSCH01.DAT #1 #2 warning overlap"}},
    {"PowerTimerTakesNoPart",
     TestCard().General(0, {Music("08:00:00", "09:00:00"), Power("08:30:00", "09:30:00")}),
     {}},
    {"BackwardsWindowTakesNoPart",
     TestCard().General(0, {Music("10:00:00", "08:00:00"), Music("08:30:00", "09:00:00")}),
     {"SCH01.DAT #1 warning end-not-after-start"}},
    {"EmptyWindowTakesNoPart",
     TestCard().General(0, {Music("07:00:00", "09:00:00"), Music("08:00:00", "08:00:00")}),
     {"SCH01.DAT #2 warning end-not-after-start"}},
    {"LongWindowOverlapsEachLaterOne",
     TestCard().General(
         0, {Music("08:00:00", "12:00:00"), Music("09:00:00", "10:00:00"), Music("11:00:00", "11:30:00")}),
     {"SCH01.DAT #1 #2 warning overlap", "SCH01.DAT #1 #3 warning overlap"}},
    {"PairNamedInTimerOrder",
     TestCard().General(0, {Music("10:00:00", "11:00:00"), Music("08:00:00", "10:00:01")}),
     {"SCH01.DAT #1 #2 warning overlap"}},
    {"ProgramsNotComparedWithEachOther",
     OneTimer(Music("08:00:00", "09:00:00")).General(1, {Music("08:00:00", "09:00:00")}),
     {}},
};
INSTANTIATE_TEST_SUITE_P(TimerPairs, CardCheck, ::testing::ValuesIn(kPairCases), namedcases::kCaseName);

// Special date lists, against the calendar, each other and their programs.
// Six special programs, each with a date of its own that the cases below may replace.
TestCard SpecialPrograms() {
    TestCard card;
    for (int n = 0; n < 6; ++n) {
        card.Special(n, {Music("08:00:00", "09:00:00")}).Dates(n, {{12, static_cast<std::uint8_t>(20 + n)}});
    }
    return card;
}

const CheckCase kDateCases[] = {
    {"CalendarEdges", SpecialPrograms().Dates(0, {{2, 29}, {1, 31}, {12, 31}, {4, 30}, {1, 1}}), {}},
    {"DaysNoCalendarHas",
     SpecialPrograms().Dates(0, {{2, 30}, {4, 31}, {13, 1}, {0, 5}, {1, 0}, {1, 32}, {255, 255}}),
     {"SDATE01.DAT 00-05 error bad-date", "SDATE01.DAT 01-00 error bad-date",
      "SDATE01.DAT 01-32 error bad-date", "SDATE01.DAT 02-30 error bad-date",
      "SDATE01.DAT 04-31 error bad-date", "SDATE01.DAT 13-01 error bad-date",
      "SDATE01.DAT 255-255 error bad-date"}},
    {"RepeatedDateOnce",
     SpecialPrograms().Dates(0, {{3, 8}, {5, 1}, {3, 8}, {3, 8}}),
     {"SDATE01.DAT 03-08 warning repeated-date"}},
    {"RepeatedBadDate",
     SpecialPrograms().Dates(0, {{2, 30}, {2, 30}}),
     {"SDATE01.DAT 02-30 error bad-date", "SDATE01.DAT 02-30 warning repeated-date"}},
    {"DateInTwoLists",
     SpecialPrograms().Dates(0, {{3, 8}}).Dates(2, {{1, 1}, {3, 8}}),
     {"SDATE01.DAT 03-08 SDATE03.DAT warning date-in-two-lists"}},
    {"DateInThreeListsOncePerPair",
     SpecialPrograms().Dates(0, {{3, 8}}).Dates(1, {{3, 8}}).Dates(4, {{3, 8}}),
     {"SDATE01.DAT 03-08 SDATE02.DAT warning date-in-two-lists",
      "SDATE01.DAT 03-08 SDATE05.DAT warning date-in-two-lists",
      "SDATE02.DAT 03-08 SDATE05.DAT warning date-in-two-lists"}},
    {"BadDateInTwoListsOnlyBad",
     SpecialPrograms().Dates(0, {{2, 30}}).Dates(1, {{2, 30}}),
     {"SDATE01.DAT 02-30 error bad-date", "SDATE02.DAT 02-30 error bad-date"}},
    {"DatesWithoutProgramFile", TestCard().Dates(0, {{1, 1}}), {"SDATE01.DAT warning dates-without-program"}},
    {"DatesOfEmptyProgram",
     TestCard().Special(0, {}).Dates(0, {{1, 1}}),
     {"SDATE01.DAT warning dates-without-program"}},
    {"DatesOfDamagedProgram",
     TestCard().Damaged(kSpsch01, {DamageRule::HeaderTooShort, std::nullopt}).Dates(0, {{1, 1}}),
     {"SPSCH01.DAT error damaged-file"}},
    {"ProgramWithoutDateFile",
     TestCard().Special(1, {Music("08:00:00", "09:00:00")}),
     {"SPSCH02.DAT note program-without-dates"}},
    {"ProgramWithEmptyDateList",
     TestCard().Special(1, {Music("08:00:00", "09:00:00")}).Dates(1, {}),
     {"SPSCH02.DAT note program-without-dates"}},
    {"ProgramOfBusyDateList",
     TestCard().Special(1, {Music("08:00:00", "09:00:00")}).Unavailable(kSdate02, CardFileState::Busy),
     {"SDATE02.DAT error unreadable-file"}},
    {"EmptyProgramAndEmptyList", TestCard().Special(0, {}).Dates(0, {}), {}},
};
INSTANTIATE_TEST_SUITE_P(Dates, CardCheck, ::testing::ValuesIn(kDateCases), namedcases::kCaseName);

// Files the reader could not take in: every damage rule, busy and unreadable files.
const CheckCase kFileCases[] = {
    {"HeaderTooShort",
     TestCard().Damaged(kSch01, {DamageRule::HeaderTooShort, std::nullopt}),
     {"SCH01.DAT error damaged-file"}},
    {"WrongMagic",
     TestCard().Damaged(kSch01, {DamageRule::WrongMagic, std::nullopt}),
     {"SCH01.DAT error damaged-file"}},
    {"CountTooLarge",
     TestCard().Damaged(kSch01, {DamageRule::CountTooLarge, std::nullopt}),
     {"SCH01.DAT error damaged-file"}},
    {"IndexPastEnd",
     TestCard().Damaged(kSch01, {DamageRule::IndexPastEnd, 7}),
     {"SCH01.DAT #7 error damaged-file"}},
    {"TimerSizeMismatch",
     TestCard().Damaged(kSpsch01, {DamageRule::TimerSizeMismatch, 2}),
     {"SPSCH01.DAT #2 error damaged-file"}},
    {"TimersNotContiguous",
     TestCard().Damaged(kSch01, {DamageRule::TimersNotContiguous, 1}),
     {"SCH01.DAT #1 error damaged-file"}},
    {"DatesOddLength",
     TestCard().Damaged(kSdate02, {DamageRule::DatesOddLength, std::nullopt}),
     {"SDATE02.DAT error damaged-file"}},
    {"TooManyDates",
     TestCard().Damaged(kSdate02, {DamageRule::TooManyDates, std::nullopt}),
     {"SDATE02.DAT error damaged-file"}},
    {"Busy", TestCard().Unavailable(kSch01, CardFileState::Busy), {"SCH01.DAT error unreadable-file"}},
    {"Unreadable",
     TestCard().Unavailable(kSdate02, CardFileState::Unreadable),
     {"SDATE02.DAT error unreadable-file"}},
};
INSTANTIATE_TEST_SUITE_P(Files, CardCheck, ::testing::ValuesIn(kFileCases), namedcases::kCaseName);

// Each way a file can fail has a sentence of its own, so a person learns what is wrong.
TEST(CardCheckSentences, EachFileFailureSaysWhatIsWrong) {
    std::set<std::string> sentences;
    for (const CheckCase& c : kFileCases) sentences.insert(CheckCard(c.card.card(), {}).at(0).message);
    EXPECT_EQ(sentences.size(), std::size(kFileCases));
}

}  // namespace
