#include "CardSamples.h"

#include <gtest/gtest.h>

#include "core/Samples.h"
#include "core/dates/SpecialDateFile.h"
#include "core/schedule/ScheduleFile.h"

namespace cardsamples {

using namespace core;

namespace {

// Names that tell the file and the timer apart: "SCH02 t1 n3.mp3".
std::vector<std::u16string> Names(CardFileId id, int timer, int count) {
    std::vector<std::u16string> names;
    std::string file = CardFileName(id.kind, id.program);
    file.resize(file.size() - 4);  // without ".DAT"
    for (int n = 0; n < count; ++n) {
        const std::string name = file + " t" + std::to_string(timer) + " n" + std::to_string(n) + ".mp3";
        names.emplace_back(name.begin(), name.end());
    }
    return names;
}

std::vector<TimerData> TimersOf(CardFileId id) {
    const int p = id.program;
    const MusicSource medium = p % 2 == 0 ? MusicSource::Internal : MusicSource::External;
    std::vector<TimerData> timers = {
        samples::WeekdayMusic(Names(id, 1, p + 1), medium).timer,
        samples::NoonRadio().timer,
        samples::PowerAt(static_cast<std::uint8_t>(p)).timer,
    };
    if (id == CardFileId{CardFileKind::SpecialSchedule, 5}) {
        // More music than the reader's buffer holds, so timers and entries straddle refills.
        timers.push_back(samples::WeekdayMusic(Names(id, 4, 200), MusicSource::External).timer);
        timers.push_back(samples::WeekdayMusic(Names(id, 5, 7)).timer);
    }
    return timers;
}

std::vector<SpecialDate> DatesOf(CardFileId id) {
    std::vector<SpecialDate> dates;
    for (int n = 0; n <= id.program; ++n) {
        dates.push_back({static_cast<std::uint8_t>(n + 1), static_cast<std::uint8_t>(10 + id.program)});
    }
    return dates;
}

void WriteProgram(FileSystem& fs, const std::string& path, const FileContent& content) {
    ASSERT_TRUE(CreateScheduleFile(fs, path, content.program, content.timers[0]).ok()) << path;
    for (std::size_t i = 1; i < content.timers.size(); ++i) {
        ASSERT_TRUE(AppendTimer(fs, path, content.timers[i]).ok()) << path;
    }
}

void WriteDates(FileSystem& fs, const std::string& path, const FileContent& content) {
    ASSERT_TRUE(WriteDateFile(fs, path, content.dates).ok()) << path;
}

}  // namespace

FileContent ContentOf(CardFileId id) {
    FileContent content;
    if (HoldsTimers(id.kind)) {
        content.program = static_cast<std::uint16_t>(id.program);
        content.timers = TimersOf(id);
    } else {
        content.dates = DatesOf(id);
    }
    return content;
}

void WriteCardFiles(FileSystem& fs, const std::string& folder, std::span<const CardFileId> ids) {
    for (const CardFileId id : ids) {
        const std::string path = CardFilePath(folder, id.kind, id.program);
        if (HoldsTimers(id.kind)) {
            WriteProgram(fs, path, ContentOf(id));
        } else {
            WriteDates(fs, path, ContentOf(id));
        }
    }
}

void ExpectReadAs(const CardFile& file, const FileContent& content) {
    const std::string name = CardFileName(file.id.kind, file.id.program);
    ASSERT_EQ(file.state, CardFileState::Read) << name;
    EXPECT_FALSE(file.damage) << name;
    EXPECT_FALSE(file.failure) << name;
    EXPECT_EQ(file.program, content.program) << name;
    EXPECT_EQ(file.dates, content.dates) << name;
    ASSERT_EQ(file.timers.size(), content.timers.size()) << name;
    for (std::size_t i = 0; i < content.timers.size(); ++i) {
        const TimerData& got = file.timers[i];
        const TimerData& want = content.timers[i];
        EXPECT_EQ(got.record, want.record) << name << " timer " << i + 1;
        EXPECT_EQ(got.musicNames, want.musicNames) << name << " timer " << i + 1;
        EXPECT_EQ(got.source, want.source) << name << " timer " << i + 1;
    }
}

}  // namespace cardsamples
