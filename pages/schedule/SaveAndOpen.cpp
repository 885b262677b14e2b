// Save, folder selection and program selection: the commands that tie the editor to the
// program files of the save folder.
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>

#include "pages/Messages.h"
#include "pages/schedule/SchedulePage.h"
#include "pages/schedule/TimerControls.h"

namespace pages {

using core::TimerRecord;

void SchedulePage::OnSave() {
    PullBoundFields();
    if (m_savePath.isEmpty()) {
        m_dialogs.ShowMessage(this, m_variant.saveWithoutFolderMessage);
        return;
    }
    CollectTimer(m_editTimer);
    if (!HasProgram(m_currentProgram)) return;
    // The index and the summary table have 512 slots; a new timer past them has no place.
    if (m_timerIndex >= core::kMaxTimers) {
        m_dialogs.ShowMessage(this, MessageText(core::EditorMessage::ProgramFull));
        return;
    }
    if (RepeatsSavedStartTime()) {
        m_dialogs.ShowMessage(this, MessageText(core::EditorMessage::RepeatedStartTime));
        return;
    }
    const core::Result<core::Stored> stored =
        core::WriteTimer(m_fs, ProgramPath(m_currentProgram), static_cast<std::uint16_t>(m_timerIndex),
                            m_timerCount, static_cast<std::uint16_t>(m_currentProgram), TimerToStore());
    if (!stored.ok()) {
        // The editor keeps the timer so the user can try again; the summary learns nothing.
        ReportStoreFailure(stored.failure());
        return;
    }
    m_timerSummary[static_cast<std::size_t>(m_currentProgram)][m_timerIndex] = core::SummaryOf(m_editTimer);
    if (stored->count) m_timerCount = *stored->count;
    m_dialogs.ShowMessage(this, MessageText(core::EditorMessage::Saved));
    StartNewTimer();
    PushBoundFields();
}

// Only a new timer is checked, and only against what this page saved into the same program
// since it was created: timers found in the files are not compared.
bool SchedulePage::RepeatsSavedStartTime() const {
    if (m_timerIndex != m_timerCount) return false;
    const core::TimerSummary edited = core::SummaryOf(m_editTimer);
    for (const core::TimerSummary& slot : m_timerSummary[static_cast<std::size_t>(m_currentProgram)]) {
        const bool sameStart = slot.startHour == edited.startHour && slot.startMinute == edited.startMinute &&
                               slot.startSecond == edited.startSecond;
        const bool sameDays = !m_variant.duplicateNeedsSharedWeekday || (slot.weekdays & edited.weekdays) != 0;
        if (sameStart && sameDays) return true;
    }
    return false;
}

core::TimerData SchedulePage::TimerToStore() const {
    core::TimerData timer;
    timer.record = m_editTimer;
    for (int row = 0; row < m_controls.musicList->count(); ++row) {
        timer.musicNames.push_back(m_controls.musicList->item(row)->text().toStdU16String());
    }
    timer.source = m_controls.externalCard->isChecked() ? core::MusicSource::External
                                                        : core::MusicSource::Internal;
    return timer;
}

void SchedulePage::OnOpenFolder() {
    const std::optional<QString> folder = m_dialogs.BrowseForFolder(this);
    if (!folder || folder->isEmpty()) return;
    const QString previousFolder = m_savePath;
    m_savePath = *folder;
    for (int program = 0; program < m_variant.programCount(); ++program) {
        const std::string path = ProgramPath(program);
        if (!core::CanOpenForReading(m_fs, path)) continue;
        // The first program with a file opens at its first timer.
        if (!LoadTimer(path, program, 0, TimerRecord{})) m_savePath = previousFolder;
        PushBoundFields();
        return;
    }
    m_timerIndex = 0;
    m_timerCount = 0;
    m_currentProgram = 0;
    StartNewTimer();
    PushBoundFields();
}

void SchedulePage::OnSelchangeProgram() {
    PullBoundFields();
    const int chosen = m_controls.program->currentIndex();
    if (m_savePath.isEmpty()) {
        m_currentProgram = chosen;
        m_dialogs.ShowMessage(this, MessageText(core::EditorMessage::NoSaveFolder));
        return;
    }
    if (!HasProgram(chosen)) return;
    const std::string path = ProgramPath(chosen);
    if (core::CanOpenForReading(m_fs, path)) {
        // A file that fails to read leaves the open program as it was, combo included.
        if (!LoadTimer(path, chosen, 0, TimerRecord{})) SelectIndex(m_controls.program, m_currentProgram);
    } else {
        m_currentProgram = chosen;
        m_timerIndex = 0;
        m_timerCount = 0;
        StartNewTimer();
    }
    PushBoundFields();
}

}  // namespace pages
