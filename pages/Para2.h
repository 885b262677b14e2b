#pragma once

#include "pages/SchedulePage.h"

// The special schedule page: six programs in SPSCH01.DAT to SPSCH06.DAT, timers without weekdays.
class CPara2 : public pages::SchedulePage {
public:
    CPara2(ui::Dialogs& dialogs, platform::FileSystem& fs, QWidget* parent = nullptr);
};
