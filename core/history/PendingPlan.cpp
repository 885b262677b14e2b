#include "core/history/PendingPlan.h"

#include <algorithm>

#include "core/fs/AtomicReplace.h"
#include "core/fs/Path.h"
#include "core/history/Restore.h"

namespace core::history {

namespace {

// A file of the plan as it is now, held while the plan is settled.
struct FileNow {
    const Entry* change = nullptr;
    std::string path;
    std::optional<Version> now;
    std::unique_ptr<File> held;
    bool stranger = false;  // holds neither its content before nor after
};

// Gives every file of `files` the content before or after; false when one could not be.
bool GiveEach(WriteRecorder& recorder, FileSystem& card, CardHistory& history, std::vector<FileNow>& files,
              bool after, Command command) {
    for (FileNow& file : files) {
        const std::optional<Version>& want = after ? file.change->after : file.change->before;
        if (file.stranger || file.now == want) continue;
        if (!want) return false;  // the file did not exist: card files are never deleted
        const auto bytes = history.ReadVersion(*want);
        if (!bytes.ok()) return false;
        if (!file.held) {
            auto held = HoldIfExists(card, file.path);
            if (!held.ok()) return false;
            file.held = std::move(*held);
        }
        const auto written = ReplaceFileContents(card, file.path, *bytes, std::move(file.held));
        recorder.After(file.path, command, {true, file.now}, written.ok());
        if (!written.ok()) {
            file.now = recorder.Before(file.path).version;
            return false;
        }
        file.now = want;
    }
    return true;
}

}  // namespace

PlanSettlement SettleHeldPlan(WriteRecorder& recorder, FileSystem& card, CardHistory& history,
                              const std::string& cardFolder, const CardPlan& plan, bool forward) {
    PlanSettlement settlement;
    std::vector<FileNow> files;
    for (const Entry& change : plan.changes) {
        settlement.files.push_back(change.file);
        // A plan is read from a folder anyone can write: only the card's own files are touched.
        if (!CardFileOfEntry(change)) return {PlanOutcome::Unsettled, settlement.files, {}};
        FileNow file{&change, JoinPath(cardFolder, change.file), std::nullopt, nullptr, false};
        auto held = HoldIfExists(card, file.path);
        if (!held.ok()) return {PlanOutcome::Unsettled, settlement.files, {}};
        file.held = std::move(*held);
        const auto now = recorder.BeforeHeld(file.path, file.held.get());
        if (!now.known) return {PlanOutcome::Unsettled, settlement.files, {}};
        file.now = now.version;
        file.stranger = file.now != change.before && file.now != change.after;
        if (file.stranger) settlement.left.push_back(change.file);
        files.push_back(std::move(file));
    }
    const Command command = plan.changes.empty() ? Command::Restore : plan.changes.front().command;
    if (forward && settlement.left.empty() && GiveEach(recorder, card, history, files, true, command)) {
        settlement.outcome = PlanOutcome::Finished;
    } else if (GiveEach(recorder, card, history, files, false, Command::Restore)) {
        settlement.outcome = PlanOutcome::RolledBack;
    } else {
        settlement.outcome = PlanOutcome::Unsettled;
    }
    return settlement;
}

PlanSettlement SettlePendingPlan(WriteRecorder& recorder, const std::string& cardFolder) {
    if (!recorder.Root()) return {};
    CardHistory history = recorder.HistoryOf(cardFolder);
    // Most cards have none: one failed open says so, without making any folder.
    if (const auto plan = history.PendingPlan(); !plan.ok() || !*plan) return {};
    auto hold = history.HoldPlans();
    if (!hold.ok()) return {};  // the writer is still at work, or the history cannot be used
    const auto plan = history.PendingPlan();  // it may have finished meanwhile
    if (!plan.ok() || !*plan) return {};
    PlanSettlement settlement = SettleHeldPlan(recorder, recorder.CardFiles(), history, cardFolder, **plan, true);
    if (settlement.outcome != PlanOutcome::Unsettled) history.DropPlan();
    return settlement;
}

}  // namespace core::history
