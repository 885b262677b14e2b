// Two versions of one file compared through the JSON form: which timers are taken for the same
// timer, what each change says, and the lines a person reads.
#include <gtest/gtest.h>

#include <functional>

#include "core/cardjson/CardCompare.h"
#include "core/cardjson/CompareWords.h"
#include "tests/card/NamedCases.h"

namespace {

using core::cardjson::CompareFile;
using core::cardjson::FileComparison;
using core::cardjson::Json;
using core::cardjson::TimerChange;
using core::cardjson::TimerChangeKind;
using namedcases::PrintTo;

// A music timer of the general page starting at hour:minute, ten minutes long; `edits` replace
// or add fields.
std::string Clock(int minutes) {
    const auto two = [](int value) { return (value < 10 ? "0" : "") + std::to_string(value); };
    return two(minutes / 60) + ":" + two(minutes % 60) + ":00";
}

Json Timer(int hour, int minute, const Json& edits = Json::object()) {
    const int at = 60 * hour + minute;
    Json timer = {{"mode", "music"},       {"start", Clock(at)},
                  {"end", Clock(at + 10)}, {"weekdays", {"mon", "tue"}},
                  {"power", {"power1"}},   {"zones", {1, 2}},
                  {"play", "in-order"},    {"loop", "all-once"},
                  {"medium", "D"},         {"music", {"bell.mp3", "march.mp3"}}};
    for (const auto& [field, value] : edits.items()) timer[field] = value;
    return timer;
}

// A power timer with nothing in common with Timer() but its weekdays, play and loop.
Json PowerTimer() {
    return {
        {"mode", "power"},        {"start", "23:00:00"}, {"end", "23:30:00"},  {"weekdays", {"mon", "tue"}},
        {"power", {"extension"}}, {"zones", {16}},       {"play", "in-order"}, {"loop", "all-once"}};
}

// Timers starting every quarter of an hour from 06:00.
std::vector<Json> Day(std::size_t count) {
    std::vector<Json> timers;
    for (std::size_t i = 0; i < count; ++i)
        timers.push_back(Timer(6 + static_cast<int>(i) / 4, static_cast<int>(i) % 4 * 15));
    return timers;
}

Json Program(const std::vector<Json>& timers) { return {{"timers", timers}}; }

template <class Edit>
Json Edited(std::vector<Json> timers, Edit edit) {
    edit(timers);
    return Program(timers);
}

std::string Number(const std::optional<std::size_t>& place) { return std::to_string(*place + 1); }

// A timer change in short: "-6" removed, "+1" added, "m3>10" moved, "~4:end" or "~10>9:start"
// changed (music entries as "music2"), counted from 1.
std::string Short(const TimerChange& change) {
    switch (change.kind) {
    case TimerChangeKind::Removed: return "-" + Number(change.before);
    case TimerChangeKind::Added: return "+" + Number(change.after);
    case TimerChangeKind::Moved: return "m" + Number(change.before) + ">" + Number(change.after);
    case TimerChangeKind::Changed: break;
    }
    std::string said = "~" + Number(change.before);
    if (change.after != change.before) said += ">" + Number(change.after);
    for (std::size_t k = 0; k < change.fields.size(); ++k) {
        const auto& f = change.fields[k];
        said += (k == 0 ? ":" : ",") + f.field + (f.entry ? std::to_string(*f.entry + 1) : "");
    }
    return said;
}

// The whole comparison in short: header fields as "header:program", then the timers' changes;
// for dates "-03-08 +12-25 reordered"; for anything else "whole".
std::string Short(const FileComparison& comparison) {
    std::vector<std::string> parts;
    if (const auto* program = std::get_if<core::cardjson::ProgramComparison>(&comparison.detail)) {
        for (const auto& f : program->header) parts.push_back("header:" + f.field);
        for (const TimerChange& change : program->timers) parts.push_back(Short(change));
    } else if (const auto* dates = std::get_if<core::cardjson::DateListComparison>(&comparison.detail)) {
        for (const Json& date : dates->removed) parts.push_back("-" + date.dump());
        for (const Json& date : dates->added) parts.push_back("+" + date.dump());
        if (dates->reordered) parts.push_back("reordered");
    } else if (!comparison.same()) {
        parts.push_back("whole");
    }
    std::string said;
    for (const std::string& part : parts) said += (said.empty() ? "" : " ") + part;
    return said;
}

struct CompareCase {
    const char* name;
    Json before;
    Json after;
    const char* expected;  // Short() of the comparison
};

std::vector<CompareCase> TimerCases() {
    const auto day = Day(22);
    const Json dates = Json::array({"03-08", "05-01", "10-01"});
    return {
        {"Same", Program(day), Program(day), ""},
        {"DeleteInTheMiddle", Program(day), Edited(day, [](auto& t) { t.erase(t.begin() + 5); }), "-6"},
        {"InsertAtTheStart", Program(day), Edited(day, [](auto& t) { t.insert(t.begin(), Timer(5, 0)); }),
         "+1"},
        {"AppendAtTheEnd", Program(day), Edited(day, [](auto& t) { t.push_back(Timer(23, 0)); }), "+23"},
        {"MoveToTheEnd", Program(day),
         Edited(day, [](auto& t) { std::rotate(t.begin() + 2, t.begin() + 3, t.end()); }), "m3>22"},
        {"SwapTwo", Program({Timer(6, 0), Timer(7, 0)}), Program({Timer(7, 0), Timer(6, 0)}), "m1>2"},
        {"OneFieldEdited", Program(day), Edited(day, [](auto& t) { t[3]["end"] = "23:00:00"; }), "~4:end"},
        {"StartTimeEdited", Program(day), Edited(day, [](auto& t) { t[3]["start"] = "06:50:00"; }),
         "~4:start"},
        {"MusicEntryChanged", Program(day), Edited(day, [](auto& t) { t[1]["music"][1] = "anthem.mp3"; }),
         "~2:music2"},
        {"MusicEntryAdded", Program(day), Edited(day, [](auto& t) { t[1]["music"].push_back("anthem.mp3"); }),
         "~2:music3"},
        {"MusicRemovedWithItsMedium", Program(day),
         Edited(day,
                [](auto& t) {
                    t[0].erase("music");
                    t[0].erase("medium");
                }),
         "~1:medium,music1,music2"},
        {"DeleteOneAndEditALaterOne", Program(day),
         Edited(day,
                [](auto& t) {
                    t.erase(t.begin() + 5);
                    t[8]["start"] = "08:20:00";
                }),
         "-6 ~10>9:start"},
        // Of two timers in the same stretch, the one with more equal fields is the one edited.
        {"EditNextToADelete", Program(day),
         Edited(day,
                [](auto& t) {
                    t.erase(t.begin() + 4);
                    t[4]["start"] = "07:20:00";
                }),
         "-5 ~6>5:start"},
        {"ReplacedByAnUnlikeTimer", Program(day), Edited(day, [](auto& t) { t[2] = PowerTimer(); }), "-3 +3"},
        {"EditedAndMovedIsRemovedAndAdded", Program(day),
         Edited(day,
                [](auto& t) {
                    t[2]["end"] = "23:00:00";
                    std::rotate(t.begin() + 2, t.begin() + 3, t.end());
                }),
         "-3 +22"},
        {"DuplicateTimerRemoved", Program({Timer(6, 0), Timer(6, 0), Timer(6, 0)}),
         Program({Timer(6, 0), Timer(6, 0)}), "-3"},
        {"DuplicateTimerAdded", Program({Timer(6, 0), Timer(7, 0)}),
         Program({Timer(6, 0), Timer(6, 0), Timer(7, 0)}), "+2"},
        {"EmptyToFull", Program({}), Program(Day(3)), "+1 +2 +3"},
        {"FullToEmpty", Program(Day(2)), Program({}), "-1 -2"},
        {"HeaderField", Program(day),
         [&] {
             Json p = Program(day);
             p["program"] = 3;
             return p;
         }(),
         "header:program"},
        {"DateAdded", dates, Json::array({"03-08", "05-01", "07-01", "10-01"}), "+\"07-01\""},
        {"DateRemoved", dates, Json::array({"03-08", "10-01"}), "-\"05-01\""},
        {"DatesReordered", dates, Json::array({"10-01", "03-08", "05-01"}), "reordered"},
        {"RawDateReplaced", Json::array({"03-08", {2, 30}}), Json::array({"03-08", {2, 31}}),
         "-[2,30] +[2,31]"},
        {"DuplicateDateRemoved", Json::array({"03-08", "03-08"}), Json::array({"03-08"}), "-\"03-08\""},
        {"AbsentToPresent", "absent", Program(day), "whole"},
        {"DatesToAbsent", dates, "absent", "whole"},
        {"UnreadableToPresent",
         {{"unreadable", "damaged"}, {"damage", "wrong-magic"}},
         Program(day),
         "whole"},
        {"NotNamedToAbsent", Json(), "absent", "whole"},
        {"BothAbsent", "absent", "absent", ""},
    };
}

class CardCompare : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CardCompare, MatchesTimersByContent) {
    const CompareCase& c = GetParam();
    const FileComparison comparison = CompareFile(c.before, c.after);
    EXPECT_EQ(Short(comparison), c.expected);
    EXPECT_EQ(comparison.same(), std::string(c.expected).empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, CardCompare, ::testing::ValuesIn(TimerCases()), namedcases::kCaseName);

TEST(CardCompareDetail, ChangedFieldsCarryBothValuesAndMissingSidesAsNull) {
    const auto comparison = CompareFile(Program({Timer(6, 0)}),
                                        Program({Timer(6, 0, {{"music", {"bell.mp3"}}, {"channel", 9010}})}));
    const auto& timers = std::get<core::cardjson::ProgramComparison>(comparison.detail).timers;
    ASSERT_EQ(timers.size(), 1u);
    const std::vector<core::cardjson::FieldChange> expected = {
        {"music", 1, "march.mp3", nullptr},
        {"channel", std::nullopt, nullptr, 9010},
    };
    EXPECT_EQ(timers[0].fields, expected);
}

TEST(CardCompareDetail, TallyCountsEachKind) {
    auto after = Day(6);
    after.erase(after.begin() + 1);                              // removed
    after[2]["end"] = "23:00:00";                                // changed
    std::rotate(after.begin(), after.begin() + 1, after.end());  // the first moved to the end
    after.push_back(Timer(20, 0));                               // added
    EXPECT_EQ(core::cardjson::TallyTimers(CompareFile(Program(Day(6)), Program(after))),
              (core::cardjson::TimerTally{1, 1, 1, 1}));
    EXPECT_EQ(core::cardjson::TallyTimers(CompareFile("absent", Program(after))),
              core::cardjson::TimerTally{});
}

// Programs of the largest size, every timer in another place: one stays, the others moved.
TEST(CardCompareDetail, LargestProgramsReversed) {
    std::vector<Json> forward;
    for (int i = 0; i < 512; ++i) forward.push_back(Timer(6 + i / 60, i % 60));
    auto backward = forward;
    std::reverse(backward.begin(), backward.end());
    const auto tally = core::cardjson::TallyTimers(CompareFile(Program(forward), Program(backward)));
    EXPECT_EQ(tally.moved, 511u);
    EXPECT_EQ(tally.added + tally.removed + tally.changed, 0u);
}

// The lines a person reads: each kind of change in the card's words.
struct LinesCase {
    const char* name;
    Json before;
    Json after;
    std::vector<std::string> lines;
};

std::vector<LinesCase> LineCases() {
    const auto day = Day(3);
    return {
        {"Removed",
         Program(day),
         Edited(day, [](auto& t) { t.erase(t.begin() + 1); }),
         {"SCH01 第一组程序 只在第一个中：节目序号 2：定时模式 音乐定时，"
          "开始时间 06:15:00，结束时间 06:25:00，星期 星期一 星期二，电源 电源1，分区 01 02，"
          "播放模式 顺序播放，循环模式 全部一起，播放设置 内存",
          "    音乐文件 1：bell.mp3", "    音乐文件 2：march.mp3"}},
        {"Moved",
         Program(day),
         Edited(day, [](auto& t) { std::swap(t[0], t[1]); }),
         {"SCH01 第一组程序 节目序号 1 移到 节目序号 2"}},
        {"ChangedInPlace",
         Program(day),
         Edited(day, [](auto& t) { t[2]["loop"] = "loop-all"; }),
         {"SCH01 第一组程序 节目序号 3 第一个：循环模式 全部一起 第二个：循环模式 全部循环"}},
        {"ChangedElsewhere",
         Program(day),
         Edited(day,
                [](auto& t) {
                    t.erase(t.begin());
                    t[1]["music"][0] = {{"drive", "E"}, {"name", "bell.mp3"}};
                    t[1]["zones"] = Json::array();
                }),
         {"SCH01 第一组程序 只在第一个中：节目序号 1：定时模式 音乐定时，"
          "开始时间 06:00:00，结束时间 06:10:00，星期 星期一 星期二，电源 电源1，分区 01 02，"
          "播放模式 顺序播放，循环模式 全部一起，播放设置 内存",
          "    音乐文件 1：bell.mp3", "    音乐文件 2：march.mp3",
          "SCH01 第一组程序 节目序号 3（第二个中为 2） 第一个：分区 01 02 第二个：分区 无",
          "SCH01 第一组程序 节目序号 3（第二个中为 2） 音乐文件 1 "
          "第一个：bell.mp3 第二个：原始值 {\"drive\":\"E\",\"name\":\"bell.mp3\"}"}},
        {"Header",
         Program(day),
         [&] {
             Json p = Program(day);
             p["reserved"] = 7;
             return p;
         }(),
         {"SCH01 第一组程序 第一个：保留字节 无 第二个：保留字节 原始值 7"}},
        {"Dates",
         Json::array({"03-08", "05-01", "10-01"}),
         Json::array({"10-01", "03-08", "12-25"}),
         {"SCH01 第一组程序 只在第一个中：05-01", "SCH01 第一组程序 只在第二个中：12-25",
          "SCH01 第一组程序 日期的顺序不同 "
          "第一个：3个日期 03-08 05-01 10-01 第二个：3个日期 10-01 03-08 12-25"}},
        {"Whole", Json(), "absent", {"SCH01 第一组程序 第一个：文档中没有这个文件。 第二个：文件不存在。"}},
        {"Same", Program(day), Program(day), {}},
    };
}

class CardCompareLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(CardCompareLines, SayEachChangeInTheCardsWords) {
    const LinesCase& c = GetParam();
    EXPECT_EQ(core::cardjson::ComparisonLines({core::CardFileKind::GeneralSchedule, 0},
                                              CompareFile(c.before, c.after)),
              c.lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, CardCompareLines, ::testing::ValuesIn(LineCases()), namedcases::kCaseName);

// The window passes its own words: every word of a line comes from the lookup it was given.
TEST(CardCompareLines, TakeEveryWordFromTheLookup) {
    core::cardjson::WordLookup words;
    words.word = [](std::string_view key) { return "<" + std::string(key) + ">"; };
    words.program = [](int program) { return "P" + std::to_string(program + 1); };
    auto after = Day(3);
    std::rotate(after.begin(), after.begin() + 1, after.end());
    after[1]["play"] = "shuffle";
    EXPECT_EQ(
        core::cardjson::ComparisonLines({core::CardFileKind::SpecialSchedule, 1},
                                        CompareFile(Program(Day(3)), Program(after)), words),
        (std::vector<std::string>{
            "SPSCH02 P2 <field.timer> 1 <diff.moved> <field.timer> 3",
            "SPSCH02 P2 <field.timer> 3<punct.open><diff.second-number> 2<punct.close> <diff.first><field.play> <play.in-order> "
            "<diff.second><field.play> <play.shuffle>"}));
}

}  // namespace
