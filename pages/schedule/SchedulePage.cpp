#include "pages/schedule/SchedulePage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/card/CardFiles.h"
#include "pages/CommandGuard.h"
#include "pages/Messages.h"
#include "pages/schedule/ControlIds.h"
#include "pages/schedule/ScheduleTemplate.h"
#include "pages/schedule/TimerControls.h"
#include "ui/DialogBuilder.h"
#include "ui/EnterAsTab.h"
#include "ui/KeepOneSelected.h"

namespace pages {

namespace {

// Makes the list hold `names` with entry `row` selected, changing only the entries that differ,
// so the list keeps its scroll position as a move or a removal would.
void ShowEntries(QListWidget& list, const std::vector<std::u16string>& names, int row) {
    const int count = static_cast<int>(names.size());
    while (list.count() > count) delete list.takeItem(list.count() - 1);
    for (int i = 0; i < count; ++i) {
        const QString name = QString::fromStdU16String(names[static_cast<std::size_t>(i)]);
        if (i == list.count()) {
            list.addItem(name);
        } else if (list.item(i)->text() != name) {
            list.item(i)->setText(name);
        }
    }
    ui::SelectRow(list, row);
}

}  // namespace

SchedulePage::SchedulePage(const ScheduleVariant& variant, ui::Dialogs& dialogs, core::FileSystem& fs,
                           QWidget* parent)
    : QWidget(parent), m_variant(variant), m_dialogs(dialogs), m_editor(variant.kind, fs), m_controls{} {
    ui::BuildDialog(this, ScheduleTemplate(variant));
    m_controls = FindScheduleControls(this, variant.kind.weekdays);
    ui::KeepOneSelected(*m_controls.musicList, ui::SelectionFallback::FirstEntry);
    ui::InstallEnterAsTab(this);
    // Nothing is selected until a save folder is chosen; the medium starts as internal memory.
    Show({.fields = true, .medium = true});
    ConnectCommands();
}

void SchedulePage::ConnectCommands() {
    using Editor = core::ScheduleEditor;
    // Combos react to the user's choice only (activated), never to selections the page makes.
    connect(m_controls.program, &QComboBox::activated, this, [this] { Run(&Editor::ChooseProgram); });
    connect(m_controls.mode, &QComboBox::activated, this, [this] { Run(&Editor::ChooseMode); });
    const std::pair<int, Command> commands[] = {
        {ids::kSave, &Editor::Save},           {ids::kDeleteMusic, &Editor::RemoveMusic},
        {ids::kMusicUp, &Editor::MoveMusicUp}, {ids::kMusicDown, &Editor::MoveMusicDown},
        {ids::kNewTimer, &Editor::New},        {ids::kNextTimer, &Editor::Next},
        {ids::kPrevTimer, &Editor::Previous},  {ids::kDeleteTimer, &Editor::Delete},
        {ids::kCancelTimer, &Editor::Cancel},  {ids::kCopy, &Editor::CopyProgram},
    };
    auto button = [this](int id) { return &ui::RequireControl<QPushButton>(this, id); };
    for (const auto& [id, command] : commands) {
        connect(button(id), &QPushButton::clicked, this, [this, command] { Run(command); });
    }
    connect(button(ids::kOpenFolder), &QPushButton::clicked, this, &SchedulePage::ChooseFolder);
    connect(button(ids::kAddMusic), &QPushButton::clicked, this, &SchedulePage::AddMusic);
    connect(button(ids::kExit), &QPushButton::clicked, this, &SchedulePage::Exit);
}

void SchedulePage::Run(Command command) {
    Guarded([this, command] { Answer((m_editor.*command)(ReadInput())); });
}

void SchedulePage::Guarded(const std::function<void()>& command) {
    // The file a command works on is the open program's, once there is a save folder.
    const std::string file =
        m_editor.saveFolder().empty()
            ? std::string()
            : core::CardFilePath(m_editor.saveFolder(), m_variant.kind.files, m_editor.program());
    RunGuarded(this, m_dialogs, file, command);
}

void SchedulePage::ChooseFolder() {
    Guarded([this] {
        const std::optional<QString> folder = m_dialogs.BrowseForFolder(this);
        if (!folder) return;
        Answer(m_editor.ChooseFolder(folder->toStdString()));
    });
}

void SchedulePage::OpenTimer(const std::string& folder, int program, int index) {
    Answer(m_editor.OpenTimer(folder, program, static_cast<std::uint32_t>(std::max(0, index))));
    // The whole timer is shown afresh, whatever the answer left out.
    Show({.fields = true,
          .program = true,
          .record = true,
          .enabling = true,
          .modeLock = true,
          .music = true,
          .medium = true});
}

void SchedulePage::AddMusic() {
    Guarded([this] {
        // The fields are read before the chooser opens.
        const core::ScheduleInput input = ReadInput();
        std::vector<std::u16string> paths;
        for (const QString& file : m_dialogs.ChooseMusicFiles(this)) paths.push_back(file.toStdU16String());
        Answer(m_editor.AddMusic(input, paths));
    });
}

void SchedulePage::Exit() {
    // The main window ends the program when it closes; nothing is saved or asked.
    window()->close();
}

core::ScheduleInput SchedulePage::ReadInput() const {
    core::ScheduleInput input;
    input.saveFolder = m_controls.savePath->text().toStdString();
    input.timerNumber = m_controls.timerNumber->text().toUInt();
    input.program = m_controls.program->currentIndex();
    input.record = CollectRecord(m_controls);
    input.medium =
        m_controls.externalCard->isChecked() ? core::MusicSource::External : core::MusicSource::Internal;
    input.musicRow = ui::SelectedRow(*m_controls.musicList);
    input.copySource = m_controls.copySource->currentIndex();
    input.copyTarget = m_controls.copyTarget->currentIndex();
    return input;
}

void SchedulePage::Answer(const core::ScheduleAnswer& answer) {
    if (answer.message) m_dialogs.ShowMessage(this, MessageText(*answer.message));
    if (answer.fileError) m_dialogs.ShowFileError(this, *answer.fileError);
    if (answer.noHistoryCopy) m_dialogs.ShowMessage(this, NoHistoryCopyMessage());
    for (const QString& settled : SettlementMessages(answer.settled)) m_dialogs.ShowMessage(this, settled);
    Show(answer.show);
}

void SchedulePage::Show(const core::ScheduleParts& parts) {
    const core::ScheduleEditor& editor = m_editor;
    if (parts.music) ShowEntries(*m_controls.musicList, editor.music(), editor.musicRow());
    if (parts.medium) {
        const bool external = editor.medium() == core::MusicSource::External;
        m_controls.internalMemory->setChecked(!external);
        m_controls.externalCard->setChecked(external);
    }
    if (parts.modeLock) m_controls.mode->setEnabled(!editor.modeFixed());
    if (parts.program) SelectIndex(m_controls.program, editor.program());
    if (parts.record) ShowRecord(m_controls, editor.record());
    if (parts.enabling) {
        // Music timers use the music group, radio timers the channel, power timers neither.
        const std::uint16_t mode = editor.record().mode;
        m_controls.channel->setEnabled(mode == core::kRadioTimer);
        for (QWidget* control : m_controls.musicGroup) control->setEnabled(mode == core::kMusicTimer);
    }
    if (parts.firstChannel) SelectIndex(m_controls.channel, 0);
    if (parts.fields) {
        m_controls.savePath->setText(QString::fromStdString(editor.saveFolder()));
        m_controls.timerNumber->setText(QString::number(editor.timerNumber()));
    }
}

}  // namespace pages
