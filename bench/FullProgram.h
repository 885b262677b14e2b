#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/schedule/ScheduleFile.h"

namespace bench {

// The largest program the tool makes: 512 music timers of 20 files each, about 6.4 MB.
inline constexpr std::uint16_t kFullTimers = 512;
inline constexpr std::uint16_t kFilesPerTimer = 20;

// Music timer number n with kFilesPerTimer files of long names.
core::TimerData MusicTimer(std::uint16_t n);

// The bytes of a program file holding timers 0 to count-1 of MusicTimer.
std::vector<std::uint8_t> ProgramOf(std::uint16_t count);

}  // namespace bench
