#include "ProgramFiles.h"

#include <span>

#include "support/TempFolder.h"

namespace pagetest {

std::optional<ProgramFile> ReadProgramFile(const std::string& path) {
    const std::optional<Bytes> bytes = testsupport::ReadFileBytes(path);
    if (!bytes) return std::nullopt;
    ProgramFile file;
    file.header = storage::DecodeScheduleHeader(*bytes);
    const std::span<const std::uint8_t> all(*bytes);
    for (std::size_t i = 0; i < file.header.count && i < storage::kMaxTimers; ++i) {
        const std::size_t at = file.header.index[i].offset;
        if (at + storage::kTimerRecordSize > all.size()) break;
        StoredTimer timer;
        timer.record = storage::DecodeTimerRecord(all.subspan(at).first<storage::kTimerRecordSize>());
        std::size_t entryAt = at + storage::kTimerRecordSize;
        for (int n = 0; n < timer.record.musicCount && entryAt + storage::kMusicEntrySize <= all.size(); ++n) {
            timer.music.push_back(storage::DecodeMusicEntry(all.subspan(entryAt).first<storage::kMusicEntrySize>()));
            entryAt += storage::kMusicEntrySize;
        }
        file.timers.push_back(timer);
    }
    return file;
}

Bytes ProgramFileBytes(const std::vector<storage::TimerRecord>& timers) {
    storage::ScheduleHeader header;
    header.count = static_cast<std::uint16_t>(timers.size());
    std::uint32_t at = storage::kScheduleHeaderSize;
    for (std::size_t i = 0; i < timers.size(); ++i) {
        header.index[i] = {at, static_cast<std::uint32_t>(storage::kTimerRecordSize)};
        at += storage::kTimerRecordSize;
    }
    if (timers.empty()) header.index[0] = {at, 0};
    const auto headerBytes = storage::EncodeScheduleHeader(header);
    Bytes bytes(headerBytes.begin(), headerBytes.end());
    for (const storage::TimerRecord& timer : timers) {
        const auto record = storage::EncodeTimerRecord(timer);
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return bytes;
}

storage::TimerRecord TimerStartingAt(int hour, int minute, int second) {
    storage::TimerRecord timer;
    timer.weekdays = storage::kMondayToFriday;
    timer.zones = storage::kAllZones;
    timer.startHour = static_cast<std::uint8_t>(hour);
    timer.startMinute = static_cast<std::uint8_t>(minute);
    timer.startSecond = static_cast<std::uint8_t>(second);
    return timer;
}

}  // namespace pagetest
