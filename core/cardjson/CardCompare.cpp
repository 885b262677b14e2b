#include "core/cardjson/CardCompare.h"

#include <algorithm>
#include <array>
#include <limits>
#include <unordered_map>

namespace core::cardjson {

namespace {

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

// The fields of a timer in the JSON form, for telling how alike two timers are.
constexpr std::array<const char*, 12> kTimerFields = {"mode",  "start",  "end",     "weekdays",
                                                      "power", "zones",  "channel", "play",
                                                      "loop",  "medium", "music",   "reserved"};
// Two timers that differ are one timer edited when more than half of their fields are equal.
constexpr int kLeastAlike = static_cast<int>(kTimerFields.size() / 2 + 1);

constexpr std::array<const char*, 3> kHeaderFields = {"program", "reserved", "unused_index"};

// Numbers for contents, equal when the contents are: comparing two timers is then comparing two
// numbers, however long their music lists are. 0 is for no content.
class ContentNumbers {
public:
    std::size_t Of(std::string text) {
        return m_numbers.try_emplace(std::move(text), m_numbers.size() + 1).first->second;
    }

private:
    std::unordered_map<std::string, std::size_t> m_numbers;
};

// A timer as the matching sees it: the number of its whole content and of each field's.
struct TimerPrint {
    std::size_t content = 0;
    std::array<std::size_t, kTimerFields.size()> fields{};
};

std::vector<TimerPrint> PrintsOf(const Json& timers, ContentNumbers& numbers) {
    std::vector<TimerPrint> prints;
    prints.reserve(timers.size());
    for (const Json& timer : timers) {
        TimerPrint print;
        print.content = numbers.Of(timer.dump());
        for (std::size_t k = 0; k < kTimerFields.size(); ++k) {
            const auto found = timer.find(kTimerFields[k]);
            if (found != timer.end())
                print.fields[k] = numbers.Of(std::string(kTimerFields[k]) + '=' + found->dump());
        }
        prints.push_back(print);
    }
    return prints;
}

int Alike(const TimerPrint& a, const TimerPrint& b) {
    int equal = 0;
    for (std::size_t k = 0; k < a.fields.size(); ++k) equal += a.fields[k] == b.fields[k] ? 1 : 0;
    return equal;
}

// A score table over the suffixes of two lists: at(i, j) for a[i..] and b[j..].
class SuffixTable {
public:
    SuffixTable(std::size_t n, std::size_t m) : m_width(m + 1), m_cells((n + 1) * (m + 1), 0) {}
    int& at(std::size_t i, std::size_t j) { return m_cells[i * m_width + j]; }

private:
    std::size_t m_width;
    std::vector<int> m_cells;
};

// Which timer of the other side each one is matched with; kNone when none.
struct Partners {
    std::vector<std::size_t> ofFirst;
    std::vector<std::size_t> ofSecond;

    Partners(std::size_t n, std::size_t m) : ofFirst(n, kNone), ofSecond(m, kNone) {}
    void Pair(std::size_t i, std::size_t j) {
        ofFirst[i] = j;
        ofSecond[j] = i;
    }
};

// Step 1: identical timers in order, the longest common subsequence; on a tie the earlier
// timers of the first are kept.
Partners MatchIdentical(const std::vector<TimerPrint>& a, const std::vector<TimerPrint>& b) {
    const std::size_t n = a.size(), m = b.size();
    SuffixTable common(n, m);
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t j = m; j-- > 0;) {
            common.at(i, j) = a[i].content == b[j].content
                                  ? common.at(i + 1, j + 1) + 1
                                  : std::max(common.at(i + 1, j), common.at(i, j + 1));
        }
    }
    Partners partners(n, m);
    for (std::size_t i = 0, j = 0; i < n && j < m;) {
        if (a[i].content == b[j].content) {
            partners.Pair(i++, j++);
        } else if (common.at(i + 1, j) >= common.at(i, j + 1)) {
            ++i;
        } else {
            ++j;
        }
    }
    return partners;
}

// Step 2: an identical timer left on both sides, the first such of the second for each.
Partners MatchMoved(const std::vector<TimerPrint>& a, const std::vector<TimerPrint>& b,
                    const Partners& identical) {
    // For each content, the timers of the second that have it, the last first.
    std::unordered_map<std::size_t, std::vector<std::size_t>> waiting;
    for (std::size_t j = b.size(); j-- > 0;) {
        if (identical.ofSecond[j] == kNone) waiting[b[j].content].push_back(j);
    }
    Partners moved(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (identical.ofFirst[i] != kNone) continue;
        const auto found = waiting.find(a[i].content);
        if (found == waiting.end() || found->second.empty()) continue;
        moved.Pair(i, found->second.back());
        found->second.pop_back();
    }
    return moved;
}

// One step of walking two lists side by side: a timer of the first, of the second, or a pair.
struct Step {
    std::size_t first = kNone;
    std::size_t second = kNone;
};

// Step 3: pairs in order with the most equal fields; on a tie the earlier timers pair.
std::vector<Step> AlignAlike(const std::vector<TimerPrint>& a, const std::vector<std::size_t>& left,
                             const std::vector<TimerPrint>& b, const std::vector<std::size_t>& right) {
    const std::size_t n = left.size(), m = right.size();
    const auto pairScore = [&](std::size_t p, std::size_t q) {
        const int alike = Alike(a[left[p]], b[right[q]]);
        return alike >= kLeastAlike ? alike : -1;
    };
    SuffixTable best(n, m);
    for (std::size_t p = n; p-- > 0;) {
        for (std::size_t q = m; q-- > 0;) {
            const int pair = pairScore(p, q);
            best.at(p, q) =
                std::max({best.at(p + 1, q), best.at(p, q + 1), pair < 0 ? 0 : pair + best.at(p + 1, q + 1)});
        }
    }
    std::vector<Step> steps;
    std::size_t p = 0, q = 0;
    while (p < n && q < m) {
        const int pair = pairScore(p, q);
        if (pair >= 0 && pair + best.at(p + 1, q + 1) == best.at(p, q)) {
            steps.push_back({left[p++], right[q++]});
        } else if (best.at(p + 1, q) == best.at(p, q)) {
            steps.push_back({left[p++], kNone});
        } else {
            steps.push_back({kNone, right[q++]});
        }
    }
    for (; p < n; ++p) steps.push_back({left[p], kNone});
    for (; q < m; ++q) steps.push_back({kNone, right[q]});
    return steps;
}

const Json& FieldOf(const Json& object, const std::string& field) {
    static const Json kNoField;
    const auto found = object.find(field);
    return found == object.end() ? kNoField : *found;
}

// Music lists entry by entry; a list that is not there is empty.
void MusicChanges(const Json& a, const Json& b, std::vector<FieldChange>& out) {
    const std::size_t n = a.is_array() ? a.size() : 0, m = b.is_array() ? b.size() : 0;
    for (std::size_t k = 0; k < std::max(n, m); ++k) {
        const Json x = k < n ? a[k] : Json(), y = k < m ? b[k] : Json();
        if (x != y) out.push_back({"music", k, x, y});
    }
}

void FieldChanges(const Json& a, const Json& b, const std::vector<std::string>& fields,
                  std::vector<FieldChange>& out) {
    for (const std::string& field : fields) {
        const Json& x = FieldOf(a, field);
        const Json& y = FieldOf(b, field);
        if (x == y) continue;
        if (field == "music")
            MusicChanges(x, y, out);
        else
            out.push_back({field, std::nullopt, x, y});
    }
}

// The fields of either timer, those of the first in its order, then those only the second has.
std::vector<FieldChange> TimerFieldChanges(const Json& a, const Json& b) {
    std::vector<std::string> fields;
    for (const auto& [field, value] : a.items()) fields.push_back(field);
    for (const auto& [field, value] : b.items()) {
        if (!a.contains(field)) fields.push_back(field);
    }
    std::vector<FieldChange> changes;
    FieldChanges(a, b, fields, changes);
    return changes;
}

std::vector<TimerChange> CompareTimers(const Json& a, const Json& b) {
    ContentNumbers numbers;
    const std::vector<TimerPrint> pa = PrintsOf(a, numbers), pb = PrintsOf(b, numbers);
    const Partners identical = MatchIdentical(pa, pb);
    const Partners moved = MatchMoved(pa, pb, identical);

    std::vector<TimerChange> changes;
    const auto report = [&](const Step& step) {
        if (step.first == kNone) {
            changes.push_back({TimerChangeKind::Added, std::nullopt, step.second, b[step.second], {}});
        } else if (step.second == kNone) {
            changes.push_back({TimerChangeKind::Removed, step.first, std::nullopt, a[step.first], {}});
        } else {
            changes.push_back({TimerChangeKind::Changed, step.first, step.second, Json(),
                               TimerFieldChanges(a[step.first], b[step.second])});
        }
    };
    // The stretches between two identical timers: [i, nextI) of the first, [j, nextJ) of the second.
    for (std::size_t i = 0, j = 0; i <= pa.size();) {
        std::size_t nextI = i;
        while (nextI < pa.size() && identical.ofFirst[nextI] == kNone) ++nextI;
        const std::size_t nextJ = nextI < pa.size() ? identical.ofFirst[nextI] : pb.size();
        std::vector<std::size_t> left, right;
        for (std::size_t k = i; k < nextI; ++k) {
            if (moved.ofFirst[k] == kNone) left.push_back(k);
        }
        for (std::size_t k = j; k < nextJ; ++k) {
            if (moved.ofSecond[k] == kNone) right.push_back(k);
        }
        // A moved timer is told where it stood in the first.
        std::size_t movedAt = i;
        const auto reportMovedBefore = [&](std::size_t end) {
            for (; movedAt < end; ++movedAt) {
                if (moved.ofFirst[movedAt] == kNone) continue;
                changes.push_back({TimerChangeKind::Moved, movedAt, moved.ofFirst[movedAt], a[movedAt], {}});
            }
        };
        for (const Step& step : AlignAlike(pa, left, pb, right)) {
            if (step.first != kNone) reportMovedBefore(step.first);
            report(step);
        }
        reportMovedBefore(nextI);
        i = nextI + 1;
        j = nextJ + 1;
    }
    return changes;
}

ProgramComparison CompareProgram(const Json& a, const Json& b) {
    ProgramComparison out;
    FieldChanges(a, b, std::vector<std::string>(kHeaderFields.begin(), kHeaderFields.end()), out.header);
    out.timers = CompareTimers(a["timers"], b["timers"]);
    return out;
}

// Dates as a multiset: each date of the first takes the first equal one of the second not yet taken.
DateListComparison CompareDates(const Json& a, const Json& b) {
    DateListComparison out{{}, {}, false, a, b};
    ContentNumbers numbers;
    // For each date, its places in the second, the last first.
    std::unordered_map<std::size_t, std::vector<std::size_t>> waiting;
    for (std::size_t j = b.size(); j-- > 0;) waiting[numbers.Of(b[j].dump())].push_back(j);
    std::vector<bool> taken(b.size(), false);
    std::size_t lastTaken = 0;
    bool anyTaken = false;
    for (const Json& date : a) {
        auto& places = waiting[numbers.Of(date.dump())];
        if (places.empty()) {
            out.removed.push_back(date);
            continue;
        }
        const std::size_t j = places.back();
        places.pop_back();
        taken[j] = true;
        out.reordered = out.reordered || (anyTaken && j < lastTaken);
        lastTaken = j;
        anyTaken = true;
    }
    for (std::size_t j = 0; j < b.size(); ++j) {
        if (!taken[j]) out.added.push_back(b[j]);
    }
    return out;
}

bool IsProgram(const Json& value) {
    return value.is_object() && value.contains("timers") && value["timers"].is_array();
}

}  // namespace

bool FileComparison::same() const {
    if (const auto* program = std::get_if<ProgramComparison>(&detail))
        return program->header.empty() && program->timers.empty();
    if (const auto* dates = std::get_if<DateListComparison>(&detail)) {
        return dates->removed.empty() && dates->added.empty() && !dates->reordered;
    }
    const auto& whole = std::get<WholeFileChange>(detail);
    return whole.before == whole.after;
}

FileComparison CompareFile(const Json& before, const Json& after) {
    if (IsProgram(before) && IsProgram(after)) return {CompareProgram(before, after)};
    if (before.is_array() && after.is_array()) return {CompareDates(before, after)};
    return {WholeFileChange{before, after}};
}

TimerTally TallyTimers(const FileComparison& comparison) {
    TimerTally tally;
    const auto* program = std::get_if<ProgramComparison>(&comparison.detail);
    if (!program) return tally;
    for (const TimerChange& change : program->timers) {
        switch (change.kind) {
        case TimerChangeKind::Removed: ++tally.removed; break;
        case TimerChangeKind::Added: ++tally.added; break;
        case TimerChangeKind::Changed: ++tally.changed; break;
        case TimerChangeKind::Moved: ++tally.moved; break;
        }
    }
    return tally;
}

}  // namespace core::cardjson
