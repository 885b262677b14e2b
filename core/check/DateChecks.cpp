// The special date lists: each list's dates, the lists against each other, and each list
// against the special program it belongs to.
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "core/check/CheckSteps.h"

namespace core::check {

namespace {

constexpr int kLists = 6;
static_assert(kLists <= 8, "a day's lists are kept as the bits of one byte");

constexpr CardFileId DateList(int n) { return {CardFileKind::SpecialDates, n}; }
constexpr CardFileId SpecialProgram(int n) { return {CardFileKind::SpecialSchedule, n}; }

// A special date has no year, so 02-29 is a day like any other.
bool IsCalendarDay(SpecialDate date) {
    constexpr std::array<int, 13> kDaysIn = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= kDaysIn[date.month];
}

bool Before(SpecialDate a, SpecialDate b) { return a.month != b.month ? a.month < b.month : a.day < b.day; }

// bad-date and repeated-date, each once for every date they concern.
void CheckOneList(const CardFile& file, FindingList& out) {
    std::vector<SpecialDate> dates = file.dates;
    std::sort(dates.begin(), dates.end(), Before);
    for (auto first = dates.begin(); first != dates.end();) {
        const auto last = std::find_if(first, dates.end(), [&](SpecialDate d) { return d != *first; });
        if (!IsCalendarDay(*first)) out.Add(file.id, kBadDate).date = *first;
        if (last - first > 1) out.Add(file.id, kRepeatedDate).date = *first;
        first = last;
    }
}

// date-in-two-lists: once for every pair of lists that share a day, on the first of the two.
void CheckListsAgainstEachOther(const Card& card, FindingList& out) {
    constexpr int kMonthSpan = 32;
    std::array<std::uint8_t, 13 * kMonthSpan> listsOfDay{};
    for (int n = 0; n < kLists; ++n) {
        for (const SpecialDate date : card[DateList(n)].dates) {
            if (IsCalendarDay(date)) listsOfDay[date.month * kMonthSpan + date.day] |= std::uint8_t(1u << n);
        }
    }
    for (std::size_t key = 0; key < listsOfDay.size(); ++key) {
        const unsigned lists = listsOfDay[key];
        if ((lists & (lists - 1)) == 0) continue;  // in one list or none
        const SpecialDate date{static_cast<std::uint8_t>(key / kMonthSpan),
                               static_cast<std::uint8_t>(key % kMonthSpan)};
        for (int a = 0; a < kLists; ++a) {
            for (int b = a + 1; b < kLists; ++b) {
                if ((lists >> a & 1u) == 0 || (lists >> b & 1u) == 0) continue;
                Finding& f = out.Add(DateList(a), kDateInTwoLists);
                f.date = date;
                f.otherFile = CardFileName(CardFileKind::SpecialDates, b);
            }
        }
    }
}

// A file that is missing or was read empty. A damaged or unreadable one is neither: what it
// holds is not known, and it is reported on its own.
bool KnownEmpty(const CardFile& file) {
    return file.state == CardFileState::Absent ||
           (file.state == CardFileState::Read && file.timers.empty() && file.dates.empty());
}

bool HasContent(const CardFile& file) { return !file.timers.empty() || !file.dates.empty(); }

}  // namespace

void CheckDates(const Card& card, FindingList& out) {
    for (int n = 0; n < kLists; ++n) {
        const CardFile& dates = card[DateList(n)];
        const CardFile& program = card[SpecialProgram(n)];
        CheckOneList(dates, out);
        if (HasContent(dates) && KnownEmpty(program)) out.Add(dates.id, kDatesWithoutProgram);
        if (HasContent(program) && KnownEmpty(dates)) out.Add(program.id, kProgramWithoutDates);
    }
    CheckListsAgainstEachOther(card, out);
}

}  // namespace core::check
