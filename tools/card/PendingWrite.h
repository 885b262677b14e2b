#pragma once

// Every command that opens a card folder first settles a write of several files that was cut
// short there (an import or a restore killed half-way), and says on stderr what it did.

#include <string>
#include <vector>

#include "core/history/CardPlan.h"

namespace cardtool {

// Says on stderr, one line each, what was done with writes of several files left half-way.
void TellSettlements(const std::string& command, const std::vector<core::history::PlanSettlement>& settled);

// Settles what a write of several files left half-way on the card in `folder`, and says so.
void SettleCard(const std::string& command, const std::string& folder);

}  // namespace cardtool
