#include "tools/card/PendingWrite.h"

#include "core/history/WriteRecorder.h"
#include "core/text/HistoryTexts.h"
#include "tools/card/CardSource.h"

namespace cardtool {

namespace {

std::string Sentence(std::string_view key, const std::vector<std::string>& files) {
    std::string line(core::HistoryWord(key));
    for (std::size_t k = 0; k < files.size(); ++k) {
        if (k > 0) line += core::HistoryWord("plan.separator");
        line += files[k];
    }
    return line;
}

}  // namespace

void TellSettlements(const std::string& command, const std::vector<core::history::PlanSettlement>& settled) {
    for (const auto& settlement : settled) {
        Complain(command, Sentence(core::history::SettlementKey(settlement.outcome), settlement.files));
        if (!settlement.left.empty()) Complain(command, Sentence("plan.left", settlement.left));
    }
}

void SettleCard(const std::string& command, const std::string& folder) {
    core::history::WriteRecorder recorder(*Context().fs);
    recorder.SettlePending(folder);
    TellSettlements(command, recorder.TakeSettlements());
    if (recorder.TakeMissedCopy()) Complain(command, core::NoHistoryCopyText());
}

}  // namespace cardtool
