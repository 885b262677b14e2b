// Building the page, its initial state, the wiring of its commands and the bound fields.
#include "pages/schedule/SchedulePage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

#include "pages/schedule/ControlIds.h"
#include "pages/schedule/MusicListSelection.h"
#include "pages/schedule/ScheduleTemplate.h"
#include "core/fs/Path.h"
#include "ui/DialogBuilder.h"
#include "ui/EnterAsTab.h"

namespace pages {

SchedulePage::SchedulePage(const ScheduleVariant& variant, ui::Dialogs& dialogs,
                           core::FileSystem& fs, QWidget* parent)
    : QWidget(parent), m_variant(variant), m_dialogs(dialogs), m_fs(fs), m_controls{} {
    ui::BuildDialog(this, ScheduleTemplate(variant));
    m_controls = FindScheduleControls(this, variant.hasWeekdays);
    KeepOneEntrySelected(m_controls.musicList);
    ui::InstallEnterAsTab(this);
    InitialiseEditor();
    ConnectCommands();
}

const core::TimerSummaryTable& SchedulePage::timerSummary(int program) const {
    return m_timerSummary.at(static_cast<std::size_t>(program));
}

// Nothing is read from disk and nothing is selected until a save folder is chosen.
void SchedulePage::InitialiseEditor() {
    m_savePath.clear();
    m_timerNumber = 0;
    m_editTimer = {};
    m_timerSummary.assign(static_cast<std::size_t>(m_variant.programCount()), core::TimerSummaryTable{});
    m_editTimer.weekdays = core::kMondayToFriday;
    m_editTimer.zones = core::kAllZones;
    m_editTimer.frequency = core::kLowestFrequency;
    m_timerIndex = 0;
    m_timerCount = 0;
    m_currentProgram = 0;
    m_controls.internalMemory->setChecked(true);
    m_controls.externalCard->setChecked(false);
    PushBoundFields();
}

void SchedulePage::ConnectCommands() {
    // Combos react to the user's choice only (activated), never to selections the page makes.
    connect(m_controls.program, &QComboBox::activated, this, &SchedulePage::OnSelchangeProgram);
    connect(m_controls.mode, &QComboBox::activated, this, &SchedulePage::OnSelchangeMode);
    const std::pair<int, void (SchedulePage::*)()> buttons[] = {
        {ids::kSave, &SchedulePage::OnSave},
        {ids::kAddMusic, &SchedulePage::OnAddMusic},
        {ids::kDeleteMusic, &SchedulePage::OnDeleteMusic},
        {ids::kMusicUp, &SchedulePage::OnMusicUp},
        {ids::kMusicDown, &SchedulePage::OnMusicDown},
        {ids::kOpenFolder, &SchedulePage::OnOpenFolder},
        {ids::kNewTimer, &SchedulePage::OnNewTimer},
        {ids::kNextTimer, &SchedulePage::OnNextTimer},
        {ids::kPrevTimer, &SchedulePage::OnPrevTimer},
        {ids::kExit, &SchedulePage::OnExit},
        {ids::kDeleteTimer, &SchedulePage::OnDeleteTimer},
        {ids::kCancelTimer, &SchedulePage::OnCancelTimer},
        {ids::kCopy, &SchedulePage::OnCopyProgram},
    };
    for (const auto& [id, handler] : buttons) {
        connect(&ui::RequireControl<QPushButton>(this, id), &QPushButton::clicked, this, handler);
    }
}

void SchedulePage::PullBoundFields() {
    m_savePath = m_controls.savePath->text();
    m_timerNumber = m_controls.timerNumber->text().toUInt();
}

void SchedulePage::PushBoundFields() {
    m_controls.savePath->setText(m_savePath);
    m_controls.timerNumber->setText(QString::number(m_timerNumber));
}

std::string SchedulePage::ProgramPath(int program) const {
    return core::JoinPath(m_savePath.toStdString(),
                              m_variant.fileNames.at(static_cast<std::size_t>(program)));
}

void SchedulePage::OnExit() {
    // The main window ends the program when it closes; nothing is saved or asked.
    window()->close();
}

}  // namespace pages
