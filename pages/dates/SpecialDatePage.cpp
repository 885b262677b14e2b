#include "pages/dates/SpecialDatePage.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/card/CardFiles.h"
#include "core/text/ProgramNames.h"
#include "pages/CommandGuard.h"
#include "pages/Messages.h"
#include "pages/dates/DateControlIds.h"
#include "pages/dates/DateEntryText.h"
#include "pages/dates/DatePageTemplate.h"
#include "ui/DialogBuilder.h"
#include "ui/EnterAsTab.h"
#include "ui/KeepOneSelected.h"
#include "ui/TypedComboItem.h"

namespace pages {

using namespace date_ids;

SpecialDatePage::SpecialDatePage(ui::Dialogs& dialogs, core::FileSystem& fs, QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs), m_editor(fs) {
    ui::BuildDialog(this, DatePageTemplate());
    m_dayCombo = &ui::RequireControl<QComboBox>(this, kDay);
    m_monthCombo = &ui::RequireControl<QComboBox>(this, kMonth);
    m_programCombo = &ui::RequireControl<QComboBox>(this, kProgram);
    m_dateList = &ui::RequireControl<QListWidget>(this, kDateList);
    m_savePathEdit = &ui::RequireControl<QLineEdit>(this, kSavePath);
    ShowStartingState();
    ConnectCommands();
    ui::InstallEnterAsTab(this);
}

void SpecialDatePage::ShowStartingState() {
    m_monthCombo->setCurrentIndex(0);
    m_dayCombo->setCurrentIndex(0);
    QStringList names;
    const int programs = core::ProgramCount(core::CardFileKind::SpecialDates);
    for (int program = 0; program < programs; ++program) {
        names << QCoreApplication::translate("Program", core::ProgramName(program));
    }
    m_programCombo->addItems(names);
    m_programCombo->setCurrentIndex(m_editor.Program());
    ShowSavePath(m_editor.SaveFolder());
}

void SpecialDatePage::ConnectCommands() {
    const auto onClick = [this](int id, void (SpecialDatePage::*command)()) {
        connect(&ui::RequireControl<QPushButton>(this, id), &QPushButton::clicked, this,
                [this, command] { Guarded([&] { (this->*command)(); }); });
    };
    onClick(kAddDate, &SpecialDatePage::AddTypedDate);
    onClick(kOpenFolder, &SpecialDatePage::BrowseForFolder);
    onClick(kSave, &SpecialDatePage::Save);
    onClick(kExit, &SpecialDatePage::CloseWindow);
    onClick(kDeleteDate, &SpecialDatePage::DeleteSelectedEntry);
    // Only a choice the user makes counts, including choosing the program already shown.
    connect(m_programCombo, &QComboBox::activated, this,
            [this](int program) { Guarded([&] { ChooseProgram(program); }); });

    // A typed "3" shows as "03" once the field is left, so the field names what Add will take.
    // Inline completion would turn a typed "1" into "10" behind the user's back.
    for (QComboBox* combo : {m_monthCombo, m_dayCombo}) {
        combo->setCompleter(nullptr);
        connect(combo->lineEdit(), &QLineEdit::editingFinished, combo,
                [combo] { ui::SelectTypedItem(*combo); });
    }
    ui::KeepOneSelected(*m_dateList, ui::SelectionFallback::LastEntry);
}

void SpecialDatePage::Guarded(const std::function<void()>& command) {
    // The file a command works on is the chosen program's, once there is a save folder.
    const std::string file =
        m_editor.SaveFolder().empty()
            ? std::string()
            : core::CardFilePath(m_editor.SaveFolder(), core::CardFileKind::SpecialDates, m_editor.Program());
    RunGuarded(this, m_dialogs, file, command);
}

void SpecialDatePage::AddTypedDate() {
    // Item 0 is the 1st; a text that names no item gives 0, which the editor refuses.
    const int month = ui::SelectTypedItem(*m_monthCombo) + 1;
    const int day = ui::SelectTypedItem(*m_dayCombo) + 1;
    Show(m_editor.AddDate(month, day));
}

void SpecialDatePage::DeleteSelectedEntry() {
    const QModelIndexList selected = m_dateList->selectionModel()->selectedIndexes();
    Show(m_editor.DeleteEntry(selected.isEmpty() ? -1 : selected.first().row()));
}

void SpecialDatePage::BrowseForFolder() {
    const std::optional<QString> folder = m_dialogs.BrowseForFolder(this);
    // A cancelled browser leaves the page as it was: emptying the list here would let the next
    // Save wipe the program's file.
    if (!folder || folder->isEmpty()) return;
    Show(m_editor.ChooseFolder(folder->toStdString()));
}

void SpecialDatePage::ChooseProgram(int program) {
    // Without a folder the box keeps the program just chosen while the dates stay those of the
    // program before; the next folder choice sets the box right.
    Show(m_editor.ChooseProgram(program));
}

void SpecialDatePage::OpenProgram(const std::string& folder, int program) {
    if (folder.empty()) return;
    Show(m_editor.ChooseFolder(folder));
    if (m_editor.Program() != program) Show(m_editor.ChooseProgram(program));
}

void SpecialDatePage::Save() { Show(m_editor.Save()); }

void SpecialDatePage::CloseWindow() { window()->close(); }

void SpecialDatePage::Show(const core::DateListAnswer& answer) {
    using core::DateListChange;
    switch (answer.change) {
    case DateListChange::None: break;
    case DateListChange::Appended: m_dateList->addItem(DateEntryText(answer.dates.back())); break;
    case DateListChange::Removed: delete m_dateList->takeItem(answer.removedRow); break;
    case DateListChange::Reloaded:
        ShowDates(answer.dates);
        m_programCombo->setCurrentIndex(answer.program);
        break;
    }
    if (answer.change != DateListChange::None) {
        if (answer.selectedRow >= 0) m_dateList->setCurrentRow(answer.selectedRow);
        ShowSavePath(answer.saveFolder);
    }
    if (answer.message) m_dialogs.ShowMessage(this, MessageText(*answer.message));
    if (answer.fileError) m_dialogs.ShowFileError(this, *answer.fileError);
    if (answer.noHistoryCopy) m_dialogs.ShowMessage(this, NoHistoryCopyMessage());
    for (const QString& settled : SettlementMessages(answer.settled)) m_dialogs.ShowMessage(this, settled);
}

void SpecialDatePage::ShowDates(std::span<const core::SpecialDate> dates) {
    m_dateList->clear();
    for (const core::SpecialDate& date : dates) m_dateList->addItem(DateEntryText(date));
}

void SpecialDatePage::ShowSavePath(const std::string& folder) {
    m_savePathEdit->setText(QString::fromStdString(folder));
}

}  // namespace pages
