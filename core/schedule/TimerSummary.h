#pragma once

#include <array>
#include <cstdint>

#include "core/schedule/ScheduleFile.h"
#include "core/schedule/TimerRecord.h"

namespace core {

// The weekdays and start time of the last timer that Save stored at one index of one program.
// Save's duplicate start-time check compares with these, nothing else.
struct TimerSummary {
    std::uint16_t weekdays = 0xFFFF;  // only the low 16 weekday bits are kept
    std::uint8_t startHour = 0xFF;
    std::uint8_t startMinute = 0xFF;
    std::uint8_t startSecond = 0xFF;

    bool operator==(const TimerSummary&) const = default;
};

// One program's table: slot s belongs to timer index s. A fresh slot holds 0xFF everywhere,
// a start time of 255:255:255 that no real start time equals.
using TimerSummaryTable = std::array<TimerSummary, kMaxTimers>;

inline TimerSummary SummaryOf(const TimerRecord& record) {
    return {static_cast<std::uint16_t>(record.weekdays & 0xFFFF), record.startHour, record.startMinute,
            record.startSecond};
}

}  // namespace core
