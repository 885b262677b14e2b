#include "tests/check/CardFixture.h"

#include <cstdio>

namespace checkfixture {

using namespace core;

Time::Time(const char* text) {
    unsigned h = 0, m = 0, s = 0;
    std::sscanf(text, "%u:%u:%u", &h, &m, &s);
    hour = static_cast<std::uint8_t>(h);
    minute = static_cast<std::uint8_t>(m);
    second = static_cast<std::uint8_t>(s);
}

namespace {

TimerData Timer(std::uint16_t mode, Time start, Time end) {
    TimerData timer;
    TimerRecord& r = timer.record;
    r.weekdays = kMondayToFriday;
    r.startHour = start.hour;
    r.startMinute = start.minute;
    r.startSecond = start.second;
    r.endHour = end.hour;
    r.endMinute = end.minute;
    r.endSecond = end.second;
    r.zones = kAllZones;
    r.mode = mode;
    r.frequency = mode == kRadioTimer ? 9010 : 0;
    if (mode == kMusicTimer) timer = WithMusic(timer, MusicSource::Internal, {u"a.mp3"});
    return timer;
}

}  // namespace

TimerData Music(Time start, Time end) { return Timer(kMusicTimer, start, end); }
TimerData Radio(Time start, Time end) { return Timer(kRadioTimer, start, end); }
TimerData Power(Time start, Time end) { return Timer(kPowerTimer, start, end); }

TimerData WithDays(TimerData timer, std::uint32_t weekdays) {
    timer.record.weekdays = weekdays;
    return timer;
}

TimerData WithZones(TimerData timer, std::uint32_t zones) {
    timer.record.zones = zones;
    return timer;
}

TimerData WithMusic(TimerData timer, MusicSource source, std::vector<std::u16string> names) {
    timer.record.musicCount = static_cast<std::uint16_t>(names.size());
    timer.musicNames = std::move(names);
    timer.source = source;
    return timer;
}

TestCard::TestCard() {
    for (const CardFileId id : AllCardFiles()) File(id).id = id;
}

TestCard& TestCard::Program(CardFileKind kind, int program, std::vector<TimerData> timers) {
    CardFile& file = File({kind, program});
    file.state = CardFileState::Read;
    file.program = static_cast<std::uint16_t>(program);
    file.timers = std::move(timers);
    return *this;
}

TestCard& TestCard::General(int program, std::vector<TimerData> timers) {
    return Program(CardFileKind::GeneralSchedule, program, std::move(timers));
}

TestCard& TestCard::Special(int program, std::vector<TimerData> timers) {
    return Program(CardFileKind::SpecialSchedule, program, std::move(timers));
}

TestCard& TestCard::Dates(int list, std::vector<SpecialDate> dates) {
    CardFile& file = File({CardFileKind::SpecialDates, list});
    file.state = CardFileState::Read;
    file.dates = std::move(dates);
    return *this;
}

TestCard& TestCard::Damaged(CardFileId id, Damage damage) {
    File(id).state = CardFileState::Damaged;
    File(id).damage = damage;
    return *this;
}

TestCard& TestCard::Unavailable(CardFileId id, CardFileState state) {
    File(id).state = state;
    File(id).failure = FileError(FileErrorCause::SharingViolation, CardFileName(id.kind, id.program));
    return *this;
}

std::string Describe(const Finding& f) {
    std::string line = f.file;
    if (f.timer) line += " #" + std::to_string(*f.timer);
    if (f.other) line += " #" + std::to_string(*f.other);
    if (f.date) line += " " + DateText(*f.date);
    if (f.otherFile) line += " " + *f.otherFile;
    return line + " " + SeverityName(f.severity) + " " + f.code;
}

std::vector<std::string> Describe(const std::vector<Finding>& findings) {
    std::vector<std::string> lines;
    for (const Finding& f : findings) lines.push_back(Describe(f));
    return lines;
}

}  // namespace checkfixture
