#include "pages/schedule/ScheduleVariant.h"

namespace pages {

const ScheduleVariant& GeneralScheduleVariant() {
    static const ScheduleVariant variant{core::kGeneralSchedule, 0, 277, 62, 68, 60};
    return variant;
}

const ScheduleVariant& SpecialScheduleVariant() {
    static const ScheduleVariant variant{core::kSpecialSchedule, 2, 278, 120, 106, 102};
    return variant;
}

}  // namespace pages
