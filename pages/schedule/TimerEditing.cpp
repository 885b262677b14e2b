// The timer in the editor: showing it, reading it back, blanking it, loading it from a file,
// and the enabling that follows its mode.
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>

#include "pages/schedule/MusicListSelection.h"
#include "pages/schedule/SchedulePage.h"
#include "pages/schedule/TimerControls.h"

namespace pages {

using core::TimerRecord;

void SchedulePage::ShowTimer(const TimerRecord& timer) {
    SelectIndex(m_controls.program, m_currentProgram);
    m_timerNumber = m_timerIndex + 1;
    ShowRecord(m_controls, timer);
    ApplyModeEnabling(timer.mode);
    PushBoundFields();
}

void SchedulePage::CollectTimer(TimerRecord& timer) {
    PullBoundFields();
    timer = CollectRecord(m_controls);
    m_currentProgram = m_controls.program->currentIndex();
}

void SchedulePage::StartNewTimer() {
    m_editTimer = {};
    m_editTimer.weekdays = core::kMondayToFriday;
    m_editTimer.zones = core::kAllZones;
    m_timerIndex = m_timerCount;
    ClearMusicList();
    ShowTimer(m_editTimer);
    m_controls.mode->setEnabled(true);
    PushBoundFields();
}

bool SchedulePage::LoadTimer(const std::string& path, int program, std::uint32_t index, TimerRecord start) {
    const core::Result<core::TimerRead> read =
        core::ReadTimer(m_fs, path, static_cast<std::uint16_t>(index), start);
    if (read.status() == core::Status::OpenFailed) return false;  // a missing file says nothing
    if (!read.ok()) {
        if (read.error()) m_dialogs.ShowFileError(this, *read.error());
        return false;
    }
    m_currentProgram = program;
    m_timerIndex = index;
    m_timerCount = read->count;
    m_editTimer = read->record;

    ClearMusicList();
    for (const core::MusicEntryInfo& entry : read->music) {
        m_controls.musicList->addItem(QString::fromStdU16String(entry.name));
    }
    const core::MusicSource source = core::SourceOfEntries(read->music);
    SelectRow(m_controls.musicList, 0);
    const bool external = source == core::MusicSource::External;
    m_controls.internalMemory->setChecked(!external);
    m_controls.externalCard->setChecked(external);
    // A stored timer keeps its mode.
    m_controls.mode->setEnabled(false);
    ShowTimer(m_editTimer);
    return true;
}

void SchedulePage::OnSelchangeMode() {
    PullBoundFields();
    m_editTimer.mode = static_cast<std::uint16_t>(m_controls.mode->currentIndex());
    ApplyModeEnabling(m_editTimer.mode);
    if (m_editTimer.mode == core::kRadioTimer) SelectIndex(m_controls.channel, 0);
    PushBoundFields();
}

// Music timers use the music group, radio timers the channel, power timers neither. Leaving the
// music mode drops the music list for good.
void SchedulePage::ApplyModeEnabling(std::uint16_t mode) {
    const bool music = mode == core::kMusicTimer;
    m_controls.channel->setEnabled(mode == core::kRadioTimer);
    for (QWidget* control : m_controls.musicGroup) control->setEnabled(music);
    if (!music) ClearMusicList();
}

void SchedulePage::ClearMusicList() { m_controls.musicList->clear(); }

}  // namespace pages
