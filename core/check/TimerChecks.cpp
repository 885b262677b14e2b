// The findings that one timer shows on its own.
#include <algorithm>

#include "core/check/CheckSteps.h"
#include "core/check/TimerFacts.h"

namespace core::check {

namespace {

constexpr std::uint16_t kChannels = 206;
constexpr std::uint16_t kChannelStep = 10;

bool IsChannel(std::uint16_t frequency) {
    return frequency >= kLowestFrequency && (frequency - kLowestFrequency) % kChannelStep == 0 &&
           (frequency - kLowestFrequency) / kChannelStep < kChannels;
}

bool IsTime(std::uint8_t hour, std::uint8_t minute, std::uint8_t second) {
    return hour <= 23 && minute <= 59 && second <= 59;
}

bool HasBadValue(const TimerRecord& r) {
    return !IsTime(r.startHour, r.startMinute, r.startSecond) ||
           !IsTime(r.endHour, r.endMinute, r.endSecond) || r.mode > kPowerTimer || r.playMode > 1 ||
           r.loopMode > 1 || (r.mode == kRadioTimer && !IsChannel(r.frequency));
}

// Music the player looks for on the SD card and that the card's folder does not hold.
bool LacksMusic(const TimerData& timer, const FolderNames& names) {
    if (timer.source != MusicSource::External) return false;
    return std::any_of(timer.musicNames.begin(), timer.musicNames.end(),
                       [&](const std::u16string& name) { return !names.Contains(name); });
}

}  // namespace

void CheckTimers(const CardFile& file, const FolderNames& names, FindingList& out) {
    for (std::size_t i = 0; i < file.timers.size(); ++i) {
        const TimerData& timer = file.timers[i];
        const TimerRecord& r = timer.record;
        const int number = static_cast<int>(i) + 1;
        const auto add = [&](Kind kind) { out.Add(file.id, kind).timer = number; };

        if (EndOf(r) <= StartOf(r)) add(kEndNotAfterStart);
        if (DaysOf(file.id.kind, r) == 0) add(kNoWeekday);
        if (PlaysInZones(r) && (r.zones & kAllZones) == 0) add(kNoZone);
        if (r.mode == kMusicTimer && timer.musicNames.empty()) add(kNoMusic);
        if (r.mode == kMusicTimer && LacksMusic(timer, names)) add(kMissingMusic);
        if (HasBadValue(r)) add(kBadValue);
    }
}

}  // namespace core::check
