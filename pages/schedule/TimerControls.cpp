#include "pages/schedule/TimerControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <algorithm>

#include "core/schedule/MusicEntry.h"

namespace pages {

using core::TimerRecord;

namespace {

constexpr std::uint32_t kPowerBits[] = {core::kPower1, core::kPower2, core::kPower3, core::kExtensionPower,
                                        core::kHoldPower};

// Index -1 (no selection) wraps to the field's largest value, as the stored form has it.
template <class Field>
Field Selected(const QComboBox* combo) {
    return static_cast<Field>(combo->currentIndex());
}

template <std::size_t N>
void ShowBits(const std::array<QCheckBox*, N>& boxes, const std::uint32_t (&bits)[N], std::uint32_t value) {
    for (std::size_t i = 0; i < N; ++i) boxes[i]->setChecked((value & bits[i]) != 0);
}

template <std::size_t N>
std::uint32_t CollectBits(const std::array<QCheckBox*, N>& boxes, const std::uint32_t (&bits)[N]) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < N; ++i) {
        if (boxes[i]->isChecked()) value |= bits[i];
    }
    return value;
}

}  // namespace

void SelectIndex(QComboBox* combo, int index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

void ShowRecord(const ScheduleControls& c, const TimerRecord& record) {
    SelectIndex(c.mode, record.mode);
    const std::uint8_t start[] = {record.startHour, record.startMinute, record.startSecond};
    const std::uint8_t end[] = {record.endHour, record.endMinute, record.endSecond};
    for (std::size_t i = 0; i < 3; ++i) {
        SelectIndex(c.start[i], start[i]);
        SelectIndex(c.end[i], end[i]);
    }
    for (std::size_t day = 0; day < c.weekdays.size(); ++day) {
        c.weekdays[day]->setChecked((record.weekdays >> day & 1u) != 0);
    }
    ShowBits(c.power, kPowerBits, record.power);
    for (std::size_t zone = 0; zone < c.zones.size(); ++zone) {
        c.zones[zone]->setChecked((record.zones >> zone & 1u) != 0);
    }
    // Integer division toward zero: music timers carry 0, which lies far outside the list.
    SelectIndex(c.channel, (int{record.frequency} - core::kLowestFrequency) / 10);
    SelectIndex(c.playMode, record.playMode);
    SelectIndex(c.loopMode, record.loopMode);
}

TimerRecord CollectRecord(const ScheduleControls& c) {
    TimerRecord record;
    record.mode = Selected<std::uint16_t>(c.mode);
    record.startHour = Selected<std::uint8_t>(c.start[0]);
    record.startMinute = Selected<std::uint8_t>(c.start[1]);
    record.startSecond = Selected<std::uint8_t>(c.start[2]);
    record.endHour = Selected<std::uint8_t>(c.end[0]);
    record.endMinute = Selected<std::uint8_t>(c.end[1]);
    record.endSecond = Selected<std::uint8_t>(c.end[2]);
    for (std::size_t day = 0; day < c.weekdays.size(); ++day) {
        if (c.weekdays[day]->isChecked()) record.weekdays |= 1u << day;
    }
    record.power = CollectBits(c.power, kPowerBits);
    for (std::size_t zone = 0; zone < c.zones.size(); ++zone) {
        if (c.zones[zone]->isChecked()) record.zones |= 1u << zone;
    }
    record.frequency = static_cast<std::uint16_t>(core::kLowestFrequency + 10 * c.channel->currentIndex());
    record.playMode = Selected<std::uint16_t>(c.playMode);
    record.loopMode = Selected<std::uint16_t>(c.loopMode);
    if (record.mode == core::kMusicTimer) {
        record.frequency = 0;
        // More names than the field holds make the store refuse the timer.
        record.musicCount = static_cast<std::uint16_t>(
            std::min<int>(c.musicList->count(), static_cast<int>(core::kMaxMusicFiles)));
    }
    return record;
}

}  // namespace pages
