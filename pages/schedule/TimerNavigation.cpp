// Stepping through the stored timers of the open program, and New, Cancel and Delete.
#include <QComboBox>
#include <algorithm>

#include "pages/Messages.h"
#include "pages/schedule/SchedulePage.h"

namespace pages {

using core::TimerRecord;

bool SchedulePage::BeginOnStoredProgram(std::string& path) {
    PullBoundFields();
    m_currentProgram = m_controls.program->currentIndex();
    if (m_savePath.isEmpty()) {
        m_dialogs.ShowMessage(this, MessageText(core::EditorMessage::NoSaveFolder));
        return false;
    }
    if (!HasProgram(m_currentProgram)) return false;
    path = ProgramPath(m_currentProgram);
    return core::CanOpenForReading(m_fs, path);
}

void SchedulePage::OnNewTimer() {
    PullBoundFields();
    if (m_savePath.isEmpty()) {
        m_dialogs.ShowMessage(this, MessageText(core::EditorMessage::NoSaveFolder));
        return;
    }
    StartNewTimer();
    PushBoundFields();
}

void SchedulePage::OnNextTimer() { StepThroughStored(+1); }

void SchedulePage::OnPrevTimer() { StepThroughStored(-1); }

// From a new timer both directions go to the last stored timer. Neither wraps: at the last
// (or first) stored timer the same timer is read again, dropping the changes on screen.
void SchedulePage::StepThroughStored(int step) {
    std::string path;
    if (!BeginOnStoredProgram(path) || m_timerCount == 0) return;
    std::uint32_t index = m_timerCount - 1;
    if (m_timerIndex < m_timerCount) {
        const std::int64_t wanted = std::int64_t{m_timerIndex} + step;
        index = static_cast<std::uint32_t>(std::clamp<std::int64_t>(wanted, 0, m_timerCount - 1));
    }
    LoadTimer(path, m_currentProgram, index, TimerRecord{});
    PushBoundFields();
}

void SchedulePage::OnCancelTimer() {
    std::string path;
    if (!BeginOnStoredProgram(path)) return;
    if (m_timerIndex == m_timerCount) {
        StartNewTimer();
        PushBoundFields();
        return;
    }
    LoadTimer(path, m_currentProgram, m_timerIndex, m_editTimer);
}

void SchedulePage::OnDeleteTimer() {
    std::string path;
    if (!BeginOnStoredProgram(path)) return;
    if (m_timerIndex >= m_timerCount) {
        // A new timer is not in the file: blank it, as Cancel does, and leave the file alone.
        StartNewTimer();
        PushBoundFields();
        return;
    }
    const core::Result<core::Stored> deleted = core::DeleteTimer(m_fs, path, static_cast<std::uint16_t>(m_timerIndex));
    if (!deleted.ok()) {
        ReportStoreFailure(deleted.failure());
        return;
    }
    if (deleted->count) m_timerCount = *deleted->count;
    if (m_timerCount > 0) {
        // The timer that followed now has the same index; after the last, show the new last.
        if (m_timerIndex >= m_timerCount) m_timerIndex = m_timerCount - 1;
        LoadTimer(path, m_currentProgram, m_timerIndex, m_editTimer);
        return;
    }
    m_timerIndex = 0;
    m_timerCount = 0;
    StartNewTimer();
}

}  // namespace pages
