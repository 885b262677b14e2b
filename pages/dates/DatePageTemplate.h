#pragma once

#include "ui/DialogTemplate.h"

namespace pages {

// Control ids of the special date page.
enum DatePageId {
    kOpenFolderButton = 1048,
    kDateSettingsFrame = 1077,
    kProgramLabel = 1060,
    kProgramCombo = 1000,
    kMonthLabel = 1078,
    kMonthCombo = 1007,
    kDayLabel = 1079,
    kDayCombo = 1008,
    kAddButton = 1034,
    kDateListFrame = 1080,
    kDateList = 1019,
    kSaveButton = 1028,
    kDeleteButton = 1029,
    kExitButton = 1030,
    kSavePathLabel = 1059,
    kSavePathEdit = 1045,
};

// The page's controls in template order, which is also its Tab order.
ui::DialogTemplate DatePageTemplate();

}  // namespace pages
