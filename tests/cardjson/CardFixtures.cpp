#include "tests/cardjson/CardFixtures.h"

#include <algorithm>

#include "core/dates/SpecialDateFile.h"
#include "core/fs/Path.h"
#include "core/schedule/ScheduleFile.h"
#include "tests/core/Samples.h"

namespace cardfixtures {

using namespace core;

std::string PathOf(const std::string& name) { return JoinPath(kFolder, name); }

namespace {

void Store(testsupport::MemoryFileSystem& fs, const std::string& name, std::uint16_t program,
           const std::vector<TimerData>& timers) {
    for (std::size_t i = 0; i < timers.size(); ++i) {
        const auto stored = i == 0 ? CreateScheduleFile(fs, PathOf(name), program, timers[i])
                                   : AppendTimer(fs, PathOf(name), timers[i]);
        if (!stored.ok()) throw std::runtime_error("fixture not stored: " + name);
    }
}

void Dates(testsupport::MemoryFileSystem& fs, const std::string& name, std::vector<SpecialDate> dates) {
    if (!WriteDateFile(fs, PathOf(name), dates).ok()) throw std::runtime_error("fixture not stored: " + name);
}

// What the special page stores: no weekdays.
TimerData Special(TimerData timer) {
    timer.record.weekdays = 0;
    return timer;
}

// A power timer as the window stores it: no channel chosen.
TimerData Power(std::uint8_t hour) {
    TimerData timer = samples::PowerAt(hour).timer;
    timer.record.frequency = kLowestFrequency - 10;
    return timer;
}

}  // namespace

void LayEveryMode(testsupport::MemoryFileSystem& fs) {
    const auto music = samples::WeekdayMusic({u"早安.mp3", u"b\U0001F3B5.mp3"}).timer;
    const auto external = samples::WeekdayMusic({u"c.mp3"}, MusicSource::External).timer;
    Store(fs, "SCH01.DAT", 0, {music, samples::NoonRadio().timer, Power(7), external});
    Store(fs, "SPSCH01.DAT", 0, {Special(external), Special(samples::NoonRadio().timer), Special(Power(9))});
    Dates(fs, "SDATE01.DAT", {{1, 1}, {2, 29}, {12, 31}});
    for (int list = 2; list <= 6; ++list) {
        Dates(fs, "SDATE0" + std::to_string(list) + ".DAT", {{static_cast<std::uint8_t>(list), 10}});
    }
}

void LayLargeProgram(testsupport::MemoryFileSystem& fs, std::size_t timers, std::uint16_t entries) {
    std::vector<std::u16string> names;
    names.reserve(entries);
    for (std::uint16_t k = 0; k < entries; ++k) {
        const std::string number = std::to_string(k);
        names.push_back(u"曲目" + std::u16string(number.begin(), number.end()) + u".mp3");
    }
    const auto stored = samples::WeekdayMusic(std::move(names)).stored;
    fs.SetFile(PathOf("SCH01.DAT"), samples::ProgramImage(0, std::vector<samples::Bytes>(timers, stored)));
}

void Patch(testsupport::MemoryFileSystem& fs, const std::string& name, std::size_t offset,
           const std::vector<std::uint8_t>& bytes) {
    auto content = fs.FileBytes(PathOf(name)).value();
    if (content.size() < offset + bytes.size()) content.resize(offset + bytes.size());
    std::copy(bytes.begin(), bytes.end(), content.begin() + static_cast<std::ptrdiff_t>(offset));
    fs.SetFile(PathOf(name), content);
}

std::vector<Fixture> StoreFixtures() {
    return {
        {"EmptyCard", [](testsupport::MemoryFileSystem&) {}},
        {"EveryMode", LayEveryMode},
        {"FullPrograms",
         [](testsupport::MemoryFileSystem& fs) {
             for (int program = 0; program < 2; ++program) {
                 std::vector<samples::Bytes> timers(kMaxTimers, samples::WeekdayMusic().stored);
                 fs.SetFile(PathOf("SCH0" + std::to_string(program + 1) + ".DAT"),
                            samples::ProgramImage(static_cast<std::uint16_t>(program), timers));
             }
         }},
        {"CopiedProgram",
         [](testsupport::MemoryFileSystem& fs) {
             LayEveryMode(fs);
             if (!CopyScheduleFile(fs, PathOf("SCH01.DAT"), PathOf("SCH03.DAT")).ok()) throw std::runtime_error("copy");
         }},
        {"EmptiedByDeletes",
         [](testsupport::MemoryFileSystem& fs) {
             LayEveryMode(fs);
             for (int k = 0; k < 4; ++k) {
                 if (!DeleteTimer(fs, PathOf("SCH01.DAT"), 0).ok()) throw std::runtime_error("delete");
             }
         }},
        {"EmptyDateFiles",
         [](testsupport::MemoryFileSystem& fs) {
             Dates(fs, "SDATE02.DAT", {});
             Dates(fs, "SDATE05.DAT", {});
         }},
    };
}

core::cardjson::DocumentImport Import(core::FileSystem& fs, std::string_view text, bool dryRun) {
    testsupport::MemoryFileSystem history;
    core::history::WriteRecorder recorder(fs, std::string("/history"), history);
    return core::cardjson::ImportDocument(fs, kFolder, text, dryRun, &recorder);
}

}  // namespace cardfixtures
