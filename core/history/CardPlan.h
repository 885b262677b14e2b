#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/history/HistoryEntry.h"

namespace core::history {

// A write of several card files as it is kept while under way: one change a file, each with the
// content its file held before (none: absent) and is to hold after, both kept in the history
// before the first file is written. A plan still there when the next command opens the card
// was cut short, and that command finishes it or undoes it (PendingPlan.h).
struct CardPlan {
    std::vector<Entry> changes;  // ids unused; the command and the moment are the plan's
};

// What the next command did with a plan it found pending.
enum class PlanOutcome {
    None,        // there was none (or a writer at work holds it)
    Finished,    // every file holds its new content now
    RolledBack,  // it could not be finished: every file it changed holds its old content again
    Unsettled,   // neither could be done (a file busy, the card gone): the plan stays for next time
};
struct PlanSettlement {
    PlanOutcome outcome = PlanOutcome::None;
    std::vector<std::string> files;  // the plan's files by name: "SCH01.DAT"
    std::vector<std::string> left;   // changed by another program since: left as they are
};
// The key of the sentence that says an outcome: "plan.finished"... (empty for None).
std::string_view SettlementKey(PlanOutcome outcome);

// A plan as stored (one JSON array of entries), and back; none when the text is not one.
std::string EncodePlan(const CardPlan& plan);
std::optional<CardPlan> DecodePlan(std::string_view text);

}  // namespace core::history
