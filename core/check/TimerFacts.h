#pragma once

// What the checks ask of a timer's record. Not for use outside core/check.
#include <cstdint>

#include "core/card/CardFiles.h"
#include "core/schedule/TimerRecord.h"

namespace core::check {

// A timer's start or end as one number that orders like the time it stands for. Built from the
// fields as stored, so a minute of 75 stays after 59 instead of turning into the next hour.
using TimeOfDay = std::uint32_t;

inline TimeOfDay StartOf(const TimerRecord& r) {
    return TimeOfDay{r.startHour} << 16 | TimeOfDay{r.startMinute} << 8 | r.startSecond;
}

inline TimeOfDay EndOf(const TimerRecord& r) {
    return TimeOfDay{r.endHour} << 16 | TimeOfDay{r.endMinute} << 8 | r.endSecond;
}

inline constexpr std::uint32_t kAllWeekdays = 0x7F;

// The weekdays a timer runs on: its own in the general schedule; a special program runs on its
// dates, whatever the weekday, so there every timer counts as running on all of them.
inline std::uint32_t DaysOf(CardFileKind kind, const TimerRecord& r) {
    return kind == CardFileKind::GeneralSchedule ? r.weekdays & kAllWeekdays : kAllWeekdays;
}

// Music and radio timers play into zones; power timers switch power and ignore them.
inline bool PlaysInZones(const TimerRecord& r) { return r.mode == kMusicTimer || r.mode == kRadioTimer; }

}  // namespace core::check
