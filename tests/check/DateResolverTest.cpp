// What runs on a calendar day: a special program when one date list holds the day, the general
// schedule otherwise, and an ambiguous day when several lists hold it.
#include <gtest/gtest.h>

#include "core/check/DateResolver.h"
#include "tests/card/NamedCases.h"
#include "tests/check/CardFixture.h"

namespace {

using namespace core;
using namespace checkfixture;
using namedcases::PrintTo;

struct ResolveCase {
    const char* name;
    TestCard card;
    SpecialDate date;
    std::vector<int> expected;  // the special programs that run; empty for the general schedule
};

TestCard WithDamagedList() {
    TestCard card;
    card.Dates(0, {{5, 1}}).Damaged({CardFileKind::SpecialDates, 0}, {DamageRule::DatesOddLength, {}});
    return card;
}

class ResolveDateTest : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(ResolveDateTest, NamesTheProgramsThatHoldTheDay) {
    const ResolveCase& c = GetParam();
    const DayPlan plan = ResolveDate(c.card.card(), c.date);
    EXPECT_EQ(plan.specialPrograms, c.expected);
    EXPECT_EQ(plan.General(), c.expected.empty());
    EXPECT_EQ(plan.Ambiguous(), c.expected.size() > 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cards, ResolveDateTest,
    ::testing::Values(
        ResolveCase{"EmptyCardRunsTheGeneralSchedule", TestCard(), {1, 1}, {}},
        ResolveCase{"DayInNoListRunsTheGeneralSchedule", TestCard().Dates(2, {{5, 1}}), {5, 2}, {}},
        ResolveCase{"DayInOneListRunsThatProgram", TestCard().Dates(2, {{10, 1}, {5, 1}}), {5, 1}, {2}},
        ResolveCase{"MonthAndDayBothCount", TestCard().Dates(0, {{1, 5}}), {5, 1}, {}},
        ResolveCase{"DayInTwoListsIsAmbiguous",
                    TestCard().Dates(4, {{12, 25}}).Dates(1, {{12, 25}}),
                    {12, 25},
                    {1, 4}},
        ResolveCase{"LastListCounts", TestCard().Dates(5, {{2, 29}}), {2, 29}, {5}},
        ResolveCase{"DamagedListNamesNoDay", WithDamagedList(), {5, 1}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TimersOnWeekdayTest, KeepsTheTimersOfThatDayInFileOrder) {
    const std::vector<TimerData> timers = {
        Music("08:00:00", "09:00:00"),                               // Monday to Friday
        WithDays(Radio("10:00:00", "11:00:00"), 1u << 0 | 1u << 6),  // weekend
        WithDays(Power("06:00:00", "06:10:00"), 0x7F),               // every day
    };
    EXPECT_EQ(TimersOnWeekday(timers, 0), (std::vector<int>{1, 2}));
    EXPECT_EQ(TimersOnWeekday(timers, 1), (std::vector<int>{0, 2}));
    EXPECT_EQ(TimersOnWeekday(timers, 6), (std::vector<int>{1, 2}));
    // A day outside the week has no timers, even those set for every bit.
    const std::vector<TimerData> everyBit = {WithDays(Music("08:00:00", "09:00:00"), 0xFFFFFFFF)};
    EXPECT_TRUE(TimersOnWeekday(everyBit, 7).empty());
    EXPECT_TRUE(TimersOnWeekday(timers, -1).empty());
}

}  // namespace
