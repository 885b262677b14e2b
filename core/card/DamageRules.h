#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/card/Card.h"
#include "core/schedule/ScheduleFile.h"

namespace core {

// The rules a card file must meet before anything it claims is believed. Each gives the rule
// broken, or nothing. Timers are numbered from 0 here and reported from 1.

// A program file's header against the file's length: the whole header is there, the magic is
// right and the count fits the index.
std::optional<Damage> CheckProgramHeader(const ScheduleHeader& header, std::uint64_t length);

// Where timer `timer` lies: inside the file, and exactly at `expectedOffset`, where the timer
// before it ended (the end of the header for the first).
std::optional<Damage> CheckTimerPlace(std::size_t timer, const TimerIndexEntry& entry,
                                      std::uint64_t expectedOffset, std::uint64_t length);

// A timer's index size: before its record is read (no musicCount), large enough to hold the
// record; after, exactly the record and musicCount music entries.
std::optional<Damage> CheckTimerSize(std::size_t timer, std::uint32_t indexSize,
                                     std::optional<std::uint16_t> musicCount);

// A date file's length: whole dates, and no more than a year's worth.
std::optional<Damage> CheckDateFileLength(std::uint64_t length);

}  // namespace core
