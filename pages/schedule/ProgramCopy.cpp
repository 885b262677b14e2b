// Copying one program's file over another program's file of the same page.
#include <QComboBox>

#include "pages/Messages.h"
#include "pages/schedule/SchedulePage.h"

namespace pages {

void SchedulePage::OnCopyProgram() {
    PullBoundFields();
    const int source = m_controls.copySource->currentIndex();
    const int target = m_controls.copyTarget->currentIndex();
    // The selections are checked before the save folder: without both, nothing is said.
    if (!HasProgram(source) || !HasProgram(target) || source == target) return;
    if (m_savePath.isEmpty()) {
        m_dialogs.ShowMessage(this, MessageText(core::EditorMessage::NoSaveFolder));
        return;
    }
    const std::string sourcePath = ProgramPath(source);
    // A program that was never saved has nothing to copy.
    if (!core::CanOpenForReading(m_fs, sourcePath)) return;
    const std::string targetPath = ProgramPath(target);
    const core::Result<core::Stored> copied = core::CopyScheduleFile(m_fs, sourcePath, targetPath);
    if (!copied.ok()) {
        ReportStoreFailure(copied.failure());
        return;
    }
    // The open program's file has changed under the editor: open it afresh, as choosing it does.
    if (target == m_currentProgram) {
        LoadTimer(targetPath, target, 0, core::TimerRecord{});
        PushBoundFields();
    }
}

}  // namespace pages
