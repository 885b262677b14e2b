#include "core/check/DateResolver.h"

#include <algorithm>

#include "core/card/CardFiles.h"

namespace core {

DayPlan ResolveDate(const Card& card, SpecialDate date) {
    DayPlan plan;
    const int lists = ProgramCount(CardFileKind::SpecialDates);
    for (int list = 0; list < lists; ++list) {
        const CardFile& file = card[{CardFileKind::SpecialDates, list}];
        if (file.state != CardFileState::Read) continue;
        if (std::find(file.dates.begin(), file.dates.end(), date) != file.dates.end()) {
            plan.specialPrograms.push_back(list);
        }
    }
    return plan;
}

std::vector<int> TimersOnWeekday(std::span<const TimerData> timers, int weekday) {
    std::vector<int> running;
    if (weekday < 0 || weekday > 6) return running;
    for (std::size_t i = 0; i < timers.size(); ++i) {
        if (timers[i].record.weekdays & (1u << weekday)) running.push_back(static_cast<int>(i));
    }
    return running;
}

}  // namespace core
