#pragma once

#include <QStringList>

#include "pages/schedule/ScheduleVariant.h"
#include "ui/DialogTemplate.h"

namespace pages {

// The fixed lists of the schedule pages, index = stored value.
QStringList TimerModeItems();  // "音乐定时", "收音定时", "电源定时"
QStringList PlayModeItems();   // "顺序播放", "随机播放"
QStringList LoopModeItems();   // "全部一起", "全部循环"
// "87.5MHz" to "108.0MHz" in steps of 0.1 MHz: channel i is 8750 + 10 * i in units of 10 kHz.
QStringList ChannelItems();

// Every control of a schedule page, in tab order, as the variant lays them out.
ui::DialogTemplate ScheduleTemplate(const ScheduleVariant& variant);

}  // namespace pages
