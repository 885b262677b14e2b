#include "core/history/WriteRecorder.h"

#include <chrono>
#include <utility>

#include "core/fs/Path.h"
#include "core/history/PendingPlan.h"

namespace core::history {

WriteRecorder::WriteRecorder(FileSystem& card, std::optional<std::string> root, FileSystem& history)
    : m_card(card), m_root(std::move(root)), m_history(history) {}

CardHistory WriteRecorder::HistoryOf(const std::string& cardFolder) const {
    return CardHistory(m_history, m_root, cardFolder, CapOfRoot(m_history, m_root));
}

bool WriteRecorder::TakeMissedCopy() {
    const bool missed = m_missed;
    m_missed = false;
    return missed;
}

void WriteRecorder::SettlePending(const std::string& cardFolder) {
    PlanSettlement settled = SettlePendingPlan(*this, cardFolder);
    if (settled.outcome != PlanOutcome::None) m_settled.push_back(std::move(settled));
}

std::vector<PlanSettlement> WriteRecorder::TakeSettlements() { return std::exchange(m_settled, {}); }

WriteRecorder::Snapshot WriteRecorder::Before(const std::string& path) {
    if (!m_root) return {};
    auto opened = m_card.Open(path, OpenMode::Read);
    if (!opened.ok()) {
        const bool absent = opened.error() && opened.error()->cause() == FileErrorCause::FileNotFound;
        return {absent, std::nullopt};
    }
    return BeforeHeld(path, opened->get());
}

WriteRecorder::Snapshot WriteRecorder::BeforeHeld(const std::string& path, File* held) {
    if (!m_root) return {};
    if (!held) return {true, std::nullopt};
    CardHistory history = HistoryOf(FolderOf(path));
    const auto kept = history.Keep(*held);
    if (!kept.ok()) return {};
    return {true, *kept};
}

void WriteRecorder::After(const std::string& path, Command command, const Snapshot& before, bool written) {
    if (!before.known) {
        // Without the bytes before, a write that went through has nothing to go back to.
        m_missed = m_missed || written;
        return;
    }
    const Snapshot after = Before(path);
    if (!after.known) {
        m_missed = m_missed || written;
        return;
    }
    if (after.version == before.version) return;  // the file is as it was: nothing to record

    Entry entry;
    entry.unixMillis = std::chrono::duration_cast<std::chrono::milliseconds>(
                           std::chrono::system_clock::now().time_since_epoch())
                           .count();
    entry.file = NameOf(path);
    entry.command = command;
    entry.before = before.version;
    entry.after = after.version;
    CardHistory history = HistoryOf(FolderOf(path));
    if (!history.Add(entry).ok()) m_missed = true;
}

}  // namespace core::history
