// Two stored versions of one file, as a history keeps them, read with the card's own readers
// and said in the card's words.
#include <gtest/gtest.h>

#include "core/cardjson/FileChange.h"
#include "tests/card/NamedCases.h"
#include "tests/core/Samples.h"

namespace {

using core::CardFileKind;
using core::cardjson::FileVersion;
using namedcases::PrintTo;
using testbytes::Bytes;

const Bytes kTwoTimers =
    samples::ProgramImage(0, {samples::WeekdayMusic().stored, samples::NoonRadio().stored});
const Bytes kSecondOnly = samples::ProgramImage(0, {samples::NoonRadio().stored});
const Bytes kShortHeader = {0xAA, 0x55};
const Bytes kDates = {3, 8, 12, 25};
const Bytes kDatesWithRaw = {3, 8, 2, 30};

struct VersionCase {
    const char* name;
    CardFileKind kind;
    const Bytes* before;  // null: the file was absent
    const Bytes* after;
    std::vector<std::string> lines;
};

const VersionCase kVersionCases[] = {
    {"Same", CardFileKind::GeneralSchedule, &kTwoTimers, &kTwoTimers, {}},
    {"BothAbsent", CardFileKind::GeneralSchedule, nullptr, nullptr, {}},
    {"Created",
     CardFileKind::GeneralSchedule,
     nullptr,
     &kSecondOnly,
     {"SCH01 第一组程序 第一个：文件不存在。 第二个：1个定时"}},
    {"Deleted",
     CardFileKind::SpecialDates,
     &kDates,
     nullptr,
     {"SDATE01 第一组程序 第一个：2个日期 03-08 12-25 第二个：文件不存在。"}},
    {"TimerRemoved",
     CardFileKind::GeneralSchedule,
     &kTwoTimers,
     &kSecondOnly,
     {"SCH01 第一组程序 只在第一个中：节目序号 1：定时模式 音乐定时，开始时间 08:30:00，结束时间 09:00:00，"
      "星期 星期一 星期二 星期三 星期四 星期五，电源 电源1 保持电源，"
      "分区 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16，播放模式 随机播放，循环模式 全部一起，"
      "播放设置 内存",
      "    音乐文件 1：a.mp3", "    音乐文件 2：b.mp3"}},
    {"Damaged",
     CardFileKind::GeneralSchedule,
     &kTwoTimers,
     &kShortHeader,
     {"SCH01 第一组程序 第一个：2个定时 第二个：无法读取：程序文件比文件头还短，文件已损坏。"}},
    {"RawDate",
     CardFileKind::SpecialDates,
     &kDates,
     &kDatesWithRaw,
     {"SDATE01 第一组程序 只在第一个中：12-25", "SDATE01 第一组程序 只在第二个中：原始值 [2,30]"}},
};

FileVersion VersionOf(const Bytes* bytes) { return bytes ? FileVersion(*bytes) : std::nullopt; }

class FileChange : public ::testing::TestWithParam<VersionCase> {};

TEST_P(FileChange, ReadsBothVersionsAndSaysWhatDiffers) {
    const VersionCase& c = GetParam();
    EXPECT_EQ(core::cardjson::DescribeFileChange({c.kind, 0}, VersionOf(c.before), VersionOf(c.after)),
              c.lines);
}

INSTANTIATE_TEST_SUITE_P(Versions, FileChange, ::testing::ValuesIn(kVersionCases), namedcases::kCaseName);

TEST(FileChangeTally, CountsTheTimersOfAOneLineSummary) {
    const auto comparison =
        core::cardjson::CompareFileVersions({CardFileKind::GeneralSchedule, 0}, kSecondOnly, kTwoTimers);
    EXPECT_EQ(core::cardjson::TallyTimers(comparison), (core::cardjson::TimerTally{0, 1, 0, 0}));
}

}  // namespace
