#pragma once

// Two versions of one card file compared through their JSON form (FileToJson): a program's
// header and timers, a date list's dates, or the file as a whole. Timers are matched by their
// content, so a timer deleted from the middle of a program is one timer removed, not a change to
// every timer after it.
//
// How the timers of two versions are matched:
//  1. Identical timers, in order: the longest common subsequence of the two lists.
//  2. An identical timer left over on both sides has moved: one Moved change.
//  3. Between two timers matched in step 1, the rest are paired in order so that as many of
//     their fields as possible are equal; two timers pair only when more than half of their
//     fields are equal. Each pair is one timer edited: one Changed change with its fields.
//  4. What is left is Removed (in the first only) or Added (in the second only).
// Each step is at worst proportional to the product of the two timer counts.

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/cardjson/Problems.h"

namespace core::cardjson {

// One field that differs: a field of the header or of a timer, or one music entry.
struct FieldChange {
    std::string field;                 // "start", "music", "program"...
    std::optional<std::size_t> entry;  // with "music": the music entry, counted from 0
    Json before;                       // null: the first has no such field or entry
    Json after;                        // null: the second has none

    bool operator==(const FieldChange&) const = default;
};

enum class TimerChangeKind {
    Removed,  // in the first only
    Added,    // in the second only
    Changed,  // one timer edited: the fields that differ
    Moved,    // the same content at another place
};

struct TimerChange {
    TimerChangeKind kind = TimerChangeKind::Changed;
    std::optional<std::size_t> before;  // its place in the first, from 0; none when added
    std::optional<std::size_t> after;   // its place in the second, from 0; none when removed
    Json timer;                         // removed, added, moved: the timer itself
    std::vector<FieldChange> fields;    // changed: in the order of the timer's fields

    bool operator==(const TimerChange&) const = default;
};

struct ProgramComparison {
    std::vector<FieldChange> header;  // "program", "reserved", "unused_index"
    // In the order of the files, as one reads both side by side: a removed or moved timer
    // where it stood in the first, an added one where it stands in the second.
    std::vector<TimerChange> timers;

    bool operator==(const ProgramComparison&) const = default;
};

struct DateListComparison {
    std::vector<Json> removed;  // in the first only, in its order
    std::vector<Json> added;    // in the second only, in its order
    bool reordered = false;     // the dates in both stand in another order
    Json before;                // the two lists
    Json after;

    bool operator==(const DateListComparison&) const = default;
};

// Anything but two programs or two date lists: a file absent, unreadable or not named by a
// document on either side.
struct WholeFileChange {
    Json before;  // as FileToJson gives it; null when not named
    Json after;

    bool operator==(const WholeFileChange&) const = default;
};

struct FileComparison {
    std::variant<ProgramComparison, DateListComparison, WholeFileChange> detail;

    bool same() const;
};

// `before` and `after` are one file as FileToJson gives it (or FileOfDocument: null when a
// document does not name it).
FileComparison CompareFile(const Json& before, const Json& after);

// How many timers each kind of change has; all zero for a file that is not two programs.
struct TimerTally {
    std::size_t removed = 0;
    std::size_t added = 0;
    std::size_t changed = 0;
    std::size_t moved = 0;

    bool operator==(const TimerTally&) const = default;
};
TimerTally TallyTimers(const FileComparison& comparison);

}  // namespace core::cardjson
