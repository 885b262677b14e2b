#include "Labelled.h"

#include <random>

namespace proctest {

namespace {

std::u16string Wide(const std::string& text) { return std::u16string(text.begin(), text.end()); }

std::vector<std::u16string> NamesOf(const Label& label, int musicCount) {
    const std::string first = label.Name() + "." + std::to_string(label.version);
    std::vector<std::u16string> names{Wide(first)};
    for (int k = 1; k < musicCount; ++k) names.push_back(Wide(first + "#" + std::to_string(k)));
    return names;
}

}  // namespace

core::TimerData LabelledTimer(const Label& label, int musicCount) {
    core::TimerData timer;
    timer.musicNames = NamesOf(label, musicCount);
    timer.record.weekdays = core::kMondayToFriday;
    timer.record.zones = core::kAllZones;
    timer.record.mode = core::kMusicTimer;
    timer.record.startHour = static_cast<std::uint8_t>(label.id % 24);
    timer.record.startMinute = static_cast<std::uint8_t>(label.version % 60);
    timer.record.musicCount = static_cast<std::uint16_t>(musicCount);
    return timer;
}

std::optional<Label> LabelOf(const core::TimerRecord& record, const std::vector<std::u16string>& names) {
    if (names.empty() || record.musicCount != names.size()) return std::nullopt;
    const std::string first(names[0].begin(), names[0].end());
    const auto dot = first.find('.');
    const auto digits = first.find_first_of("0123456789");
    if (dot == std::string::npos || digits == 0 || digits == std::string::npos || digits > dot)
        return std::nullopt;
    Label label{first.substr(0, digits), 0, 0};
    try {
        label.id = std::stoi(first.substr(digits, dot - digits));
        label.version = std::stoi(first.substr(dot + 1));
    } catch (const std::exception&) {
        return std::nullopt;
    }
    const core::TimerData expected = LabelledTimer(label, static_cast<int>(names.size()));
    if (expected.musicNames != names || expected.record.startHour != record.startHour ||
        expected.record.startMinute != record.startMinute) {
        return std::nullopt;
    }
    return label;
}

core::Result<> LayProgram(core::FileSystem& fs, const std::string& path, int count) {
    const auto created = core::CreateScheduleFile(fs, path, 0, LabelledTimer({"base", 0, 0}, 1));
    if (!created.ok()) return created.failure();
    for (int id = 1; id < count; ++id) {
        const auto appended = core::AppendTimer(fs, path, LabelledTimer({"base", id, 0}, 1 + id % 3));
        if (!appended.ok()) return appended.failure();
    }
    return {};
}

core::Result<ChurnStep> RunChurnStep(core::FileSystem& fs, const std::string& path, std::uint64_t seed,
                                     std::uint64_t step) {
    constexpr int kFewest = 3;
    constexpr int kMost = 40;
    std::mt19937_64 random(seed * 1'000'003u + step);
    const auto read = core::ReadTimer(fs, path, 0, core::TimerRecord{});
    if (!read.ok()) return read.failure();
    const int count = read->count;

    ChurnStep done;
    const auto roll = random() % 4;
    if (count < kFewest || (roll < 2 && count < kMost)) {
        done.kind = ChurnStep::Append;
    } else {
        done.kind = roll == 2 ? ChurnStep::Replace : ChurnStep::Delete;
        done.index = static_cast<std::uint16_t>(random() % static_cast<std::uint64_t>(count));
    }
    const Label label{"C", static_cast<int>(step % 100000), static_cast<int>(seed % 1000)};
    const core::TimerData timer = LabelledTimer(label, 1 + static_cast<int>(random() % 4));
    core::Result<core::Stored> written = core::Stored{};
    switch (done.kind) {
    case ChurnStep::Append: written = core::AppendTimer(fs, path, timer); break;
    case ChurnStep::Replace: written = core::ReplaceTimer(fs, path, done.index, timer); break;
    case ChurnStep::Delete: written = core::DeleteTimer(fs, path, done.index); break;
    }
    if (!written.ok()) return written.failure();
    return done;
}

}  // namespace proctest
