#include "core/schedule/TimerRecord.h"

#include <algorithm>

#include "core/schedule/LittleEndian.h"
#include "core/schedule/MusicEntry.h"

namespace core {

TimerRecordBytes EncodeTimerRecord(const TimerRecord& r) {
    TimerRecordBytes b{};
    le::Put32(b, 0, r.weekdays);
    b[4] = r.startHour;
    b[5] = r.startMinute;
    b[6] = r.startSecond;
    b[7] = r.endHour;
    b[8] = r.endMinute;
    b[9] = r.endSecond;
    le::Put32(b, 12, r.power);
    le::Put32(b, 16, r.zones);
    le::Put16(b, 20, r.mode);
    le::Put16(b, 22, r.playMode);
    le::Put16(b, 24, r.loopMode);
    le::Put16(b, 26, r.frequency);
    le::Put16(b, 28, r.musicCount);
    return b;
}

TimerRecord DecodeTimerRecord(std::span<const std::uint8_t, kTimerRecordSize> b) {
    TimerRecord r;
    r.weekdays = le::Get32(b, 0);
    r.startHour = b[4];
    r.startMinute = b[5];
    r.startSecond = b[6];
    r.endHour = b[7];
    r.endMinute = b[8];
    r.endSecond = b[9];
    r.power = le::Get32(b, 12);
    r.zones = le::Get32(b, 16);
    r.mode = le::Get16(b, 20);
    r.playMode = le::Get16(b, 22);
    r.loopMode = le::Get16(b, 24);
    r.frequency = le::Get16(b, 26);
    r.musicCount = le::Get16(b, 28);
    return r;
}

void OverlayTimerRecord(std::span<const std::uint8_t> bytes, TimerRecord& record) {
    TimerRecordBytes merged = EncodeTimerRecord(record);
    std::copy_n(bytes.begin(), std::min(bytes.size(), merged.size()), merged.begin());
    record = DecodeTimerRecord(merged);
}

std::uint64_t StoredTimerSize(std::uint16_t musicCount) {
    return kTimerRecordSize + std::uint64_t{kMusicEntrySize} * musicCount;
}

}  // namespace core
