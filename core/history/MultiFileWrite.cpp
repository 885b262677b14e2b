#include "core/history/MultiFileWrite.h"

#include <chrono>

#include "core/fs/AtomicReplace.h"
#include "core/fs/Path.h"
#include "core/history/PendingPlan.h"

namespace core::history {

namespace {

bool Busy(const Failure& failure) {
    return failure.error && failure.error->cause() == FileErrorCause::SharingViolation;
}

// Keeps every file's content before (through its hold) and after, and names them in `plan`.
bool KeepPlan(CardHistory& history, Command command, std::vector<FileWrite>& writes, CardPlan& plan) {
    const std::int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count();
    for (FileWrite& write : writes) {
        Entry change;
        change.unixMillis = now;
        change.file = NameOf(write.path);
        change.command = command;
        if (write.held) {
            const auto before = history.Keep(*write.held);
            if (!before.ok()) return false;
            change.before = *before;
        }
        const auto after = history.KeepBytes(write.bytes);
        if (!after.ok()) return false;
        change.after = *after;
        plan.changes.push_back(std::move(change));
    }
    return true;
}

}  // namespace

MultiWriteResult WriteAllOrNothing(WriteRecorder& recorder, FileSystem& card, const std::string& cardFolder,
                                   Command command, std::vector<FileWrite> writes) {
    MultiWriteResult result;
    if (writes.empty()) return result;  // nothing to write, nothing to keep
    CardHistory history = recorder.HistoryOf(cardFolder);
    std::unique_ptr<File> hold;  // kept until the plan is gone
    CardPlan plan;
    if (recorder.Root()) {
        auto held = history.HoldPlans();
        if (held.ok()) {
            hold = std::move(*held);
            result.planned = KeepPlan(history, command, writes, plan) && history.WritePlan(plan).ok();
        } else if (Busy(held.failure())) {
            result.failure = held.failure();
            return result;
        }
    }
    for (std::size_t k = 0; k < writes.size(); ++k) {
        FileWrite& write = writes[k];
        const auto before = result.planned ? WriteRecorder::Snapshot{true, plan.changes[k].before}
                                           : recorder.BeforeHeld(write.path, write.held.get());
        auto written = ReplaceFileContents(card, write.path, write.bytes, std::move(write.held));
        recorder.After(write.path, command, before, written.ok());
        if (!written.ok()) {
            result.failure = written.failure();
            break;
        }
        ++result.written;
    }
    if (!result.planned) {
        // Written one by one as ever, but nothing keeps them together.
        if (result.written > 0) recorder.MarkMissedCopy();
        return result;
    }
    if (result.failure) {
        writes.clear();  // lets go of the files not reached, which the roll-back holds in turn
        const PlanSettlement undone = SettleHeldPlan(recorder, card, history, cardFolder, plan, false);
        result.rolledBack = undone.outcome == PlanOutcome::RolledBack && result.written > 0;
        result.left = undone.left;
        if (undone.outcome == PlanOutcome::Unsettled) return result;  // the next command tries again
    }
    history.DropPlan();
    return result;
}

}  // namespace core::history
