#include "bench/FullProgram.h"

namespace bench {

core::TimerData MusicTimer(std::uint16_t n) {
    core::TimerData timer;
    timer.record.weekdays = core::kMondayToFriday;
    timer.record.startHour = static_cast<std::uint8_t>(n % 24);
    timer.record.startMinute = static_cast<std::uint8_t>(n % 60);
    timer.record.zones = core::kAllZones;
    timer.record.musicCount = kFilesPerTimer;
    for (std::uint16_t i = 0; i < kFilesPerTimer; ++i) {
        timer.musicNames.push_back(u"morning assembly music, part " + std::u16string(1, u'A' + i) + u".mp3");
    }
    return timer;
}

std::vector<std::uint8_t> ProgramOf(std::uint16_t count) {
    core::ScheduleHeader header;
    header.count = count;
    std::vector<std::uint8_t> timers;
    for (std::uint16_t n = 0; n < count; ++n) {
        const auto timer = MusicTimer(n);
        header.index[n] = {static_cast<std::uint32_t>(core::kScheduleHeaderSize + timers.size()),
                           static_cast<std::uint32_t>(core::StoredTimerSize(kFilesPerTimer))};
        const auto record = core::EncodeTimerRecord(timer.record);
        timers.insert(timers.end(), record.begin(), record.end());
        for (const auto& name : timer.musicNames) {
            const auto entry = core::EncodeMusicEntry(timer.source, name);
            timers.insert(timers.end(), entry.begin(), entry.end());
        }
    }
    const auto headerBytes = core::EncodeScheduleHeader(header);
    timers.insert(timers.begin(), headerBytes.begin(), headerBytes.end());
    return timers;
}

}  // namespace bench
