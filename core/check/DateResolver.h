#pragma once

#include <span>
#include <vector>

#include "core/card/Card.h"
#include "core/dates/SpecialDateFile.h"
#include "core/schedule/ScheduleFile.h"

namespace core {

// What the player runs on one calendar day.
struct DayPlan {
    // The special programs (0 to 5) whose date lists hold the day, in list order. None: the
    // general schedule runs. Two or more: the card is ambiguous about that day.
    std::vector<int> specialPrograms;

    bool General() const { return specialPrograms.empty(); }
    bool Ambiguous() const { return specialPrograms.size() > 1; }
};

// The plan for `date` on `card`. Only date lists that were read whole count: a damaged or
// unreadable list names no day.
DayPlan ResolveDate(const Card& card, SpecialDate date);

// The positions (from 0) of the timers that run on `weekday` (0 Sunday ... 6 Saturday), in
// file order.
std::vector<int> TimersOnWeekday(std::span<const TimerData> timers, int weekday);

}  // namespace core
