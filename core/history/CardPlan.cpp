#include "core/history/CardPlan.h"

#include <nlohmann/json.hpp>

namespace core::history {

std::string_view SettlementKey(PlanOutcome outcome) {
    switch (outcome) {
    case PlanOutcome::Finished: return "plan.finished";
    case PlanOutcome::RolledBack: return "plan.rolled-back";
    case PlanOutcome::Unsettled: return "plan.unsettled";
    case PlanOutcome::None: break;
    }
    return {};
}

std::string EncodePlan(const CardPlan& plan) {
    nlohmann::ordered_json changes = nlohmann::ordered_json::array();
    for (const Entry& change : plan.changes) changes.push_back(nlohmann::ordered_json::parse(EncodeEntry(change)));
    return changes.dump(2) + "\n";
}

std::optional<CardPlan> DecodePlan(std::string_view text) {
    const nlohmann::json json = nlohmann::json::parse(text, nullptr, false);
    if (!json.is_array()) return std::nullopt;
    CardPlan plan;
    for (const auto& item : json) {
        auto change = DecodeEntry(item.dump());
        if (!change) return std::nullopt;
        plan.changes.push_back(std::move(*change));
    }
    return plan;
}

}  // namespace core::history
