#include "pages/schedule/ScheduleControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "pages/schedule/ControlIds.h"
#include "ui/DialogBuilder.h"

namespace pages {

ScheduleControls FindScheduleControls(const QWidget* page, bool hasWeekdays) {
    auto combo = [page](int id) { return &ui::RequireControl<QComboBox>(page, id); };
    auto check = [page](int id) { return &ui::RequireControl<QCheckBox>(page, id); };

    ScheduleControls c{};
    c.savePath = &ui::RequireControl<QLineEdit>(page, ids::kSavePath);
    c.timerNumber = &ui::RequireControl<QLineEdit>(page, ids::kTimerNumber);
    c.program = combo(ids::kProgram);
    c.mode = combo(ids::kMode);
    c.start = {combo(ids::kStartHour), combo(ids::kStartMinute), combo(ids::kStartSecond)};
    c.end = {combo(ids::kEndHour), combo(ids::kEndMinute), combo(ids::kEndSecond)};
    if (hasWeekdays) {
        for (int id : ids::kWeekdays) c.weekdays.push_back(check(id));
    }
    c.power = {check(ids::kPower1), check(ids::kPower2), check(ids::kPower3), check(ids::kExtensionPower),
               check(ids::kHoldPower)};
    for (std::size_t zone = 0; zone < c.zones.size(); ++zone) c.zones[zone] = check(ids::kZones[zone]);
    c.channel = combo(ids::kChannel);
    c.internalMemory = &ui::RequireControl<QRadioButton>(page, ids::kInternalMemory);
    c.externalCard = &ui::RequireControl<QRadioButton>(page, ids::kExternalCard);
    c.playMode = combo(ids::kPlayMode);
    c.loopMode = combo(ids::kLoopMode);
    c.musicList = &ui::RequireControl<QListWidget>(page, ids::kMusicList);
    c.copySource = combo(ids::kCopySource);
    c.copyTarget = combo(ids::kCopyTarget);

    c.musicGroup = {c.musicList, c.playMode, c.loopMode, c.internalMemory, c.externalCard};
    for (int id : {ids::kAddMusic, ids::kDeleteMusic, ids::kMusicUp, ids::kMusicDown}) {
        c.musicGroup.push_back(&ui::RequireControl<QPushButton>(page, id));
    }
    return c;
}

}  // namespace pages
