#pragma once

// The parts of the card check, each in its own file. Not for use outside core/check.
#include <array>
#include <string_view>
#include <vector>

#include "core/card/Card.h"
#include "core/check/Finding.h"
#include "core/check/FolderNames.h"

namespace core::check {

// What a kind of finding is called and how much it matters, in one place.
struct Kind {
    std::string_view code;
    Severity severity;
};

inline constexpr Kind kDamagedFile{"damaged-file", Severity::Error};
inline constexpr Kind kUnreadableFile{"unreadable-file", Severity::Error};
inline constexpr Kind kSameStart{"same-start", Severity::Error};
inline constexpr Kind kOverlap{"overlap", Severity::Warning};
inline constexpr Kind kEndNotAfterStart{"end-not-after-start", Severity::Warning};
inline constexpr Kind kNoWeekday{"no-weekday", Severity::Warning};
inline constexpr Kind kNoZone{"no-zone", Severity::Warning};
inline constexpr Kind kNoMusic{"no-music", Severity::Error};
inline constexpr Kind kMissingMusic{"missing-music", Severity::Warning};
inline constexpr Kind kBadValue{"bad-value", Severity::Warning};
inline constexpr Kind kBadDate{"bad-date", Severity::Error};
inline constexpr Kind kDateInTwoLists{"date-in-two-lists", Severity::Warning};
inline constexpr Kind kRepeatedDate{"repeated-date", Severity::Warning};
inline constexpr Kind kDatesWithoutProgram{"dates-without-program", Severity::Warning};
inline constexpr Kind kProgramWithoutDates{"program-without-dates", Severity::Note};

// The findings so far, kept by file so that each file's can be sorted on their own.
class FindingList {
public:
    // A new finding of `kind` on `file`, its sentence chosen by `cause` (see FindingSentence).
    // The caller says where in the file through the reference, before the next Add.
    Finding& Add(CardFileId file, Kind kind, std::string_view cause = {});
    // All findings in the order CheckCard promises.
    std::vector<Finding> Sorted() &&;

private:
    std::array<std::vector<Finding>, kCardFileCount> m_byFile;
};

// damaged-file and unreadable-file.
void CheckFileStates(const Card& card, FindingList& out);
// The findings about one timer at a time.
void CheckTimers(const CardFile& file, const FolderNames& names, FindingList& out);
// same-start and overlap.
void CheckTimerPairs(const CardFile& file, FindingList& out);
// The dates of each list, the lists against each other and against their programs.
void CheckDates(const Card& card, FindingList& out);

}  // namespace core::check
