#pragma once

#include "pages/schedule/ScheduleVariant.h"
#include "ui/DialogTemplate.h"

namespace pages {

// Every control of a schedule page, in tab order, as the variant lays them out.
ui::DialogTemplate ScheduleTemplate(const ScheduleVariant& variant);

}  // namespace pages
