#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace core {

// The three kinds of file on a card. Each kind has its own programs, numbered from 0, and one
// file per program in the card's folder.
enum class CardFileKind {
    GeneralSchedule,  // SCH01.DAT to SCH04.DAT: timers with weekdays
    SpecialSchedule,  // SPSCH01.DAT to SPSCH06.DAT: timers without weekdays
    SpecialDates,     // SDATE01.DAT to SDATE06.DAT: the calendar days of the special programs
};

inline constexpr std::array<CardFileKind, 3> kCardFileKinds = {
    CardFileKind::GeneralSchedule, CardFileKind::SpecialSchedule, CardFileKind::SpecialDates};

// How many programs, and so files, a kind has: 4, 6 and 6.
int ProgramCount(CardFileKind kind);

// True for the kinds whose files hold timers (a header, then timers); false for date lists.
bool HoldsTimers(CardFileKind kind);

// The largest valid file of a kind. Every writer refuses to replace a larger one.
std::uint64_t LargestValidSize(CardFileKind kind);

// The name of program `program`'s file, e.g. "SCH01.DAT" for program 0 of the general schedule.
std::string CardFileName(CardFileKind kind, int program);

// The file in `folder`: the folder, one separator, the name.
std::string CardFilePath(const std::string& folder, CardFileKind kind, int program);

// One file of a card.
struct CardFileId {
    CardFileKind kind;
    int program;

    bool operator==(const CardFileId&) const = default;
};

// All 16 files of a card, general schedule first, then special schedule, then dates.
inline constexpr std::size_t kCardFileCount = 16;
const std::array<CardFileId, kCardFileCount>& AllCardFiles();

// The position of `id` in AllCardFiles(). The id must name one of the 16 files.
std::size_t CardFileIndex(CardFileId id);

}  // namespace core
