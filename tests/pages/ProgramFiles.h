#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/schedule/MusicEntry.h"
#include "core/schedule/ScheduleFile.h"
#include "core/schedule/TimerRecord.h"

// Program files as the tests lay them out and read them back, straight from the disk.
namespace pagetest {

using Bytes = std::vector<std::uint8_t>;

struct StoredTimer {
    core::TimerRecord record;
    std::vector<core::MusicEntryInfo> music;
};

struct ProgramFile {
    core::ScheduleHeader header;
    std::vector<StoredTimer> timers;  // the header's count of them, by their index entries
};

// Decodes a program file from its bytes; nothing when the file does not exist.
std::optional<ProgramFile> ReadProgramFile(const std::string& path);

// The bytes of a well-formed program file holding `timers` (no music entries), program 0.
Bytes ProgramFileBytes(const std::vector<core::TimerRecord>& timers);

// A timer that starts at the given time, Monday to Friday, all zones.
core::TimerRecord TimerStartingAt(int hour, int minute = 0, int second = 0);

}  // namespace pagetest
