#pragma once

// The files of a card as stored, byte for byte where the card model keeps only what the window
// shows: the JSON form must give back exactly the bytes it was made from.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/card/Card.h"
#include "core/schedule/MusicEntry.h"
#include "core/schedule/ScheduleFile.h"
#include "core/schedule/TimerRecord.h"

namespace core::cardjson {

// One timer as stored: its 32-byte record (reserved bytes and all) and its music entries.
struct StoredTimer {
    TimerRecordBytes record{};
    std::vector<MusicEntryBytes> entries;

    bool operator==(const StoredTimer&) const = default;
};

// A program file as far as its last timer; bytes after it are dead and not kept.
struct StoredProgram {
    std::uint16_t program = 0;   // the header's program number
    std::uint16_t reserved = 0;  // the header's reserved field
    // The index slots past the timers. Those of the timers follow from the timers themselves.
    std::array<TimerIndexEntry, kMaxTimers> index{};
    std::vector<StoredTimer> timers;

    bool operator==(const StoredProgram&) const = default;
};

// The index slots past `count` as the store writes them: zero, except that a program emptied
// by deletes keeps slot 0 pointing at the end of the header.
TimerIndexEntry UsualUnusedSlot(std::size_t count, std::size_t slot);

// The stored bytes of a program: header, then the timers back to back.
std::vector<std::uint8_t> EncodeProgram(const StoredProgram& program);
std::vector<std::uint8_t> EncodeDates(std::span<const SpecialDate> dates);

// The size of the encoded program, without building it.
std::uint64_t EncodedProgramSize(const StoredProgram& program);

}  // namespace core::cardjson
