#include "pages/Para1.h"

CPara1::CPara1(ui::Dialogs& dialogs, platform::FileSystem& fs, QWidget* parent)
    : SchedulePage(pages::GeneralScheduleVariant(), dialogs, fs, parent) {}
