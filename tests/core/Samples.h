#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/schedule/ScheduleFile.h"
#include "tests/support/Bytes.h"

// Timers as a page hands them to the store, each with the bytes it must be stored as. The
// expected bytes are written out by hand, not produced by the code under test.
namespace samples {

using testbytes::Bytes;

struct Sample {
    core::TimerData timer;
    Bytes stored;  // record, then the music entries
};

// The general page's music timer: Monday to Friday, 08:30:00 to 09:00:00, power 1 and hold
// power, all sixteen zones, random play, "all together", with the given files.
Sample WeekdayMusic(std::vector<std::u16string> names = {u"a.mp3", u"b.mp3"},
                    core::MusicSource source = core::MusicSource::Internal);
// The special page's radio timer: 12:00:00 to 12:30:00, zones 1 and 2, 90.1 MHz.
Sample NoonRadio();
// A power timer starting at `hour`:00:00, so several of them can be told apart.
Sample PowerAt(std::uint8_t hour);

// The record bytes of the two timers above, with two files and with none. (Functions, not
// constants, so tables in other files can use them while they are being set up.)
Bytes WeekdayMusicRecord();
Bytes NoonRadioRecord();

// A 624-byte music entry: letter, ':', '\', NUL, zeros up to byte 102, then the name as
// UTF-16LE and zeros.
Bytes MusicEntry(char letter, const std::u16string& name);

// A well-formed program file: header with `program` and the timers back to back after it.
Bytes ProgramImage(std::uint16_t program, const std::vector<Bytes>& timers);

}  // namespace samples
