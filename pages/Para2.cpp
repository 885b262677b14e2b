#include "pages/Para2.h"

CPara2::CPara2(ui::Dialogs& dialogs, platform::FileSystem& fs, QWidget* parent)
    : SchedulePage(pages::SpecialScheduleVariant(), dialogs, fs, parent) {}
