#pragma once

#include "pages/SchedulePage.h"

// The general schedule page: four programs in SCH01.DAT to SCH04.DAT, timers with weekdays.
class CPara1 : public pages::SchedulePage {
public:
    CPara1(ui::Dialogs& dialogs, platform::FileSystem& fs, QWidget* parent = nullptr);
};
