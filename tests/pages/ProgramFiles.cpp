#include "ProgramFiles.h"

#include <span>

#include "support/TempFolder.h"

namespace pagetest {

std::optional<ProgramFile> ReadProgramFile(const std::string& path) {
    const std::optional<Bytes> bytes = testsupport::ReadFileBytes(path);
    if (!bytes) return std::nullopt;
    ProgramFile file;
    file.header = core::DecodeScheduleHeader(*bytes);
    const std::span<const std::uint8_t> all(*bytes);
    for (std::size_t i = 0; i < file.header.count && i < core::kMaxTimers; ++i) {
        const std::size_t at = file.header.index[i].offset;
        if (at + core::kTimerRecordSize > all.size()) break;
        StoredTimer timer;
        timer.record = core::DecodeTimerRecord(all.subspan(at).first<core::kTimerRecordSize>());
        std::size_t entryAt = at + core::kTimerRecordSize;
        for (int n = 0; n < timer.record.musicCount && entryAt + core::kMusicEntrySize <= all.size(); ++n) {
            timer.music.push_back(
                core::DecodeMusicEntry(all.subspan(entryAt).first<core::kMusicEntrySize>()));
            entryAt += core::kMusicEntrySize;
        }
        file.timers.push_back(timer);
    }
    return file;
}

Bytes ProgramFileBytes(const std::vector<core::TimerRecord>& timers) {
    core::ScheduleHeader header;
    header.count = static_cast<std::uint16_t>(timers.size());
    std::uint32_t at = core::kScheduleHeaderSize;
    for (std::size_t i = 0; i < timers.size(); ++i) {
        header.index[i] = {at, static_cast<std::uint32_t>(core::kTimerRecordSize)};
        at += core::kTimerRecordSize;
    }
    if (timers.empty()) header.index[0] = {at, 0};
    const auto headerBytes = core::EncodeScheduleHeader(header);
    Bytes bytes(headerBytes.begin(), headerBytes.end());
    for (const core::TimerRecord& timer : timers) {
        const auto record = core::EncodeTimerRecord(timer);
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return bytes;
}

core::TimerRecord TimerStartingAt(int hour, int minute, int second) {
    core::TimerRecord timer;
    timer.weekdays = core::kMondayToFriday;
    timer.zones = core::kAllZones;
    timer.startHour = static_cast<std::uint8_t>(hour);
    timer.startMinute = static_cast<std::uint8_t>(minute);
    timer.startSecond = static_cast<std::uint8_t>(second);
    return timer;
}

}  // namespace pagetest
