#pragma once

#include <string>

#include "core/fs/FileSystem.h"
#include "core/history/CardHistory.h"
#include "core/history/CardPlan.h"
#include "core/history/WriteRecorder.h"

namespace core::history {

// Settles the write of several files that the card in `cardFolder` was left in the middle of (a
// tool killed, the power gone), as its history's plan describes it: when every file still holds
// its content before or after, the rest is written and the write is whole; otherwise the files
// it changed get their old contents back. A file that holds neither (another program changed
// it since) is left as it is and named. Each write goes through the store and is recorded.
// Nothing happens without a plan, or while the writer that made it is still at work.
PlanSettlement SettlePendingPlan(WriteRecorder& recorder, const std::string& cardFolder);

// The same for a plan whose hold the caller has: finished when `forward` and it can be, else
// undone. The caller drops the plan unless the answer is Unsettled.
PlanSettlement SettleHeldPlan(WriteRecorder& recorder, FileSystem& card, CardHistory& history,
                              const std::string& cardFolder, const CardPlan& plan, bool forward);

}  // namespace core::history
