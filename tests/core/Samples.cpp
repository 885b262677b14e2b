#include "tests/core/Samples.h"

namespace samples {

using namespace testbytes;
using core::MusicSource;

Bytes WeekdayMusicRecord() {
    return Hex(
        "3E 00 00 00 08 1E 00 09 00 00 00 00 01 80 00 00 FF FF 00 00 00 00 01 00 00 00 00 00 02 00 00 00");
}

Bytes NoonRadioRecord() {
    return Hex(
        "00 00 00 00 0C 00 00 0C 1E 00 00 00 00 00 00 00 03 00 00 00 01 00 00 00 00 00 32 23 00 00 00 00");
}

Bytes MusicEntry(char letter, const std::u16string& name) {
    Bytes entry(624, 0);
    entry[0] = static_cast<std::uint8_t>(letter);
    entry[1] = ':';
    entry[2] = '\\';
    for (std::size_t i = 0; i < name.size(); ++i) Put16(entry, 102 + 2 * i, name[i]);
    return entry;
}

Sample WeekdayMusic(std::vector<std::u16string> names, MusicSource source) {
    Sample s;
    auto& r = s.timer.record;
    r.weekdays = core::kMondayToFriday;
    r.startHour = 8;
    r.startMinute = 30;
    r.endHour = 9;
    r.power = core::kPower1 | core::kHoldPower;
    r.zones = core::kAllZones;
    r.mode = core::kMusicTimer;
    r.playMode = 1;
    r.musicCount = static_cast<std::uint16_t>(names.size());
    s.timer.source = source;

    s.stored = WeekdayMusicRecord();
    Put16(s.stored, 28, r.musicCount);
    const char letter = source == MusicSource::External ? 'E' : 'D';
    // Appended in place: a timer of 65535 names is 40 MB.
    s.stored.reserve(s.stored.size() + names.size() * core::kMusicEntrySize);
    for (const auto& name : names) {
        const Bytes entry = MusicEntry(letter, name);
        s.stored.insert(s.stored.end(), entry.begin(), entry.end());
    }
    s.timer.musicNames = std::move(names);
    return s;
}

Sample NoonRadio() {
    Sample s;
    auto& r = s.timer.record;
    r.startHour = 12;
    r.endHour = 12;
    r.endMinute = 30;
    r.zones = 0x3;
    r.mode = core::kRadioTimer;
    r.frequency = 9010;
    s.stored = NoonRadioRecord();
    return s;
}

Sample PowerAt(std::uint8_t hour) {
    Sample s;
    auto& r = s.timer.record;
    r.weekdays = 0x41;  // Saturday and Sunday
    r.startHour = hour;
    r.endHour = hour;
    r.endMinute = 5;
    r.power = core::kPower2 | core::kExtensionPower;
    r.zones = 0x8000;
    r.mode = core::kPowerTimer;
    r.frequency = 8740;
    s.stored = Bytes(32, 0);
    Put32(s.stored, 0, 0x41);
    s.stored[4] = hour;
    s.stored[7] = hour;
    s.stored[8] = 5;
    Put32(s.stored, 12, 0x0A);
    Put32(s.stored, 16, 0x8000);
    Put16(s.stored, 20, 2);
    Put16(s.stored, 26, 8740);
    return s;
}

Bytes ProgramImage(std::uint16_t program, const std::vector<Bytes>& timers) {
    Bytes file(4104, 0);
    Put16(file, 0, 0x55AA);
    Put16(file, 2, program);
    Put16(file, 4, static_cast<std::uint16_t>(timers.size()));
    std::uint32_t at = 4104;
    for (std::size_t i = 0; i < timers.size(); ++i) {
        Put32(file, 8 + 8 * i, at);
        Put32(file, 12 + 8 * i, static_cast<std::uint32_t>(timers[i].size()));
        at += static_cast<std::uint32_t>(timers[i].size());
        file.insert(file.end(), timers[i].begin(), timers[i].end());
    }
    if (timers.empty()) Put32(file, 8, 4104);
    return file;
}

}  // namespace samples
