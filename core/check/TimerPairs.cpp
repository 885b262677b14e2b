// same-start and overlap. Both sort the timers by start once and look only at timers near each
// other in that order, so a full program costs little more than its sort, not 512 x 512 pairs.
#include <algorithm>
#include <vector>

#include "core/check/CheckSteps.h"
#include "core/check/TimerFacts.h"

namespace core::check {

namespace {

struct Slot {
    TimeOfDay start;
    TimeOfDay end;
    std::uint32_t days;
    std::uint32_t zones;
    int number;  // from 1
};

void AddPair(FindingList& out, CardFileId file, Kind kind, int a, int b) {
    Finding& f = out.Add(file, kind);
    f.timer = std::min(a, b);
    f.other = std::max(a, b);
}

// Slots of the timers that pass `takesPart`, sorted by start and, at one start, by number.
template <class Pred>
std::vector<Slot> SortedSlots(const CardFile& file, Pred takesPart) {
    std::vector<Slot> slots;
    slots.reserve(file.timers.size());
    for (std::size_t i = 0; i < file.timers.size(); ++i) {
        const TimerRecord& r = file.timers[i].record;
        if (!takesPart(r)) continue;
        slots.push_back(
            {StartOf(r), EndOf(r), DaysOf(file.id.kind, r), r.zones & kAllZones, static_cast<int>(i) + 1});
    }
    std::sort(slots.begin(), slots.end(), [](const Slot& a, const Slot& b) {
        return a.start != b.start ? a.start < b.start : a.number < b.number;
    });
    return slots;
}

void CheckSameStart(const CardFile& file, FindingList& out) {
    const auto slots = SortedSlots(file, [](const TimerRecord&) { return true; });
    for (std::size_t first = 0; first < slots.size();) {
        std::size_t last = first + 1;
        while (last < slots.size() && slots[last].start == slots[first].start) ++last;
        for (std::size_t a = first; a < last; ++a) {
            for (std::size_t b = a + 1; b < last; ++b) {
                if (slots[a].days & slots[b].days)
                    AddPair(out, file.id, kSameStart, slots[a].number, slots[b].number);
            }
        }
        first = last;
    }
}

// A sweep over the day: `open` holds the windows that began before the current start and have
// not ended by it. A window that ends the second another starts is closed by then.
void CheckOverlap(const CardFile& file, FindingList& out) {
    const auto slots =
        SortedSlots(file, [](const TimerRecord& r) { return PlaysInZones(r) && EndOf(r) > StartOf(r); });
    std::vector<Slot> open;
    for (const Slot& slot : slots) {
        std::erase_if(open, [&](const Slot& o) { return o.end <= slot.start; });
        for (const Slot& o : open) {
            if ((o.days & slot.days) && (o.zones & slot.zones))
                AddPair(out, file.id, kOverlap, o.number, slot.number);
        }
        open.push_back(slot);
    }
}

}  // namespace

void CheckTimerPairs(const CardFile& file, FindingList& out) {
    CheckSameStart(file, out);
    CheckOverlap(file, out);
}

}  // namespace core::check
