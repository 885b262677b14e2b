#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/card/CardFiles.h"
#include "core/dates/SpecialDateFile.h"
#include "core/fs/FileError.h"
#include "core/schedule/ScheduleFile.h"

namespace core {

// What became of one file when the card was read.
enum class CardFileState {
    Absent,      // the folder has no such file
    Read,        // read whole: its timers or dates are there
    Damaged,     // present but not in the stored form; damage says how
    Busy,        // another program holds it open; failure says which file
    Unreadable,  // it could not be opened or read for another reason; failure says why
};

// The ways a file can break the stored form. Each is reported on its own, so a check can
// name exactly what is wrong.
enum class DamageRule {
    HeaderTooShort,       // a program file shorter than its 4104-byte header
    WrongMagic,           // a program file not starting with AA 55
    CountTooLarge,        // a header claiming more than 512 timers
    IndexPastEnd,         // a timer's index entry reaching past the end of the file
    TimerSizeMismatch,    // a timer's index size is not 32 + 624 x the musicCount of its record
    TimersNotContiguous,  // timer 1 not right after the header, or a timer not where the one
                          // before it ends
    DatesOddLength,       // a date file with an odd number of bytes
    TooManyDates,         // a date file longer than 365 dates (730 bytes)
};

struct Damage {
    DamageRule rule = DamageRule::HeaderTooShort;
    // For the rules about one timer: that timer, counted from 1 as the page shows it.
    std::optional<int> timer;

    bool operator==(const Damage&) const = default;
};

// One file of a card as read. A damaged file carries no timers and no dates: what is in it
// cannot be trusted, and nobody should edit half a file.
struct CardFile {
    CardFileId id{};
    CardFileState state = CardFileState::Absent;
    std::optional<Damage> damage;      // when Damaged
    std::optional<FileError> failure;  // when Busy or Unreadable

    // A program file that was read: the program its header names, and its timers in order.
    std::uint16_t program = 0;
    std::vector<TimerData> timers;

    // A date file that was read: its dates in order.
    std::vector<SpecialDate> dates;
};

// All 16 files of a card folder, in the order of AllCardFiles().
struct Card {
    std::array<CardFile, kCardFileCount> files;

    const CardFile& operator[](CardFileId id) const { return files[CardFileIndex(id)]; }
};

}  // namespace core
