#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "core/editing/EditorMessage.h"
#include "core/history/CardPlan.h"

namespace pages {

// The text of the message box that shows `message`.
QString MessageText(core::EditorMessage message);

// Said once after a write that left no copy in the card's history on this computer.
QString NoHistoryCopyMessage();

// What was done with a write of several files cut short on the card, one message each.
QStringList SettlementMessages(const std::vector<core::history::PlanSettlement>& settled);

}  // namespace pages
