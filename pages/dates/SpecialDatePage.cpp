#include "pages/dates/SpecialDatePage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <span>
#include <vector>

#include "pages/dates/DateEntryText.h"
#include "pages/dates/DatePageTemplate.h"
#include "ui/KeepOneSelected.h"
#include "ui/TypedComboItem.h"
#include "core/fs/Path.h"
#include "ui/DialogBuilder.h"
#include "ui/EnterAsTab.h"
#include "pages/Messages.h"

namespace pages {

using core::SpecialDate;

namespace {

constexpr int kProgramCount = 6;

QStringList ProgramNames() {
    return {"第一组程序", "第二组程序", "第三组程序", "第四组程序", "第五组程序", "第六组程序"};
}

// SDATE01.DAT to SDATE06.DAT for programs 0 to 5.
std::string DateFileName(int program) {
    return "SDATE0" + std::to_string(program + 1) + ".DAT";
}

}  // namespace

SpecialDatePage::SpecialDatePage(ui::Dialogs& dialogs, core::FileSystem& fs, QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs), m_fs(fs) {
    ui::BuildDialog(this, DatePageTemplate());
    m_dayCombo = &ui::RequireControl<QComboBox>(this, kDayCombo);
    m_monthCombo = &ui::RequireControl<QComboBox>(this, kMonthCombo);
    m_programCombo = &ui::RequireControl<QComboBox>(this, kProgramCombo);
    m_dateList = &ui::RequireControl<QListWidget>(this, kDateList);
    m_savePathEdit = &ui::RequireControl<QLineEdit>(this, kSavePathEdit);
    OnInitDialog();
    ConnectCommands();
    ui::InstallEnterAsTab(this);
}

void SpecialDatePage::OnInitDialog() {
    m_monthCombo->setCurrentIndex(0);
    m_dayCombo->setCurrentIndex(0);
    ui::RequireControl<QLabel>(this, kSavePathLabel).setText(QStringLiteral("保存路径:"));
    m_programCombo->addItems(ProgramNames());
    m_programCombo->setCurrentIndex(0);
    g_specialDates.fill(SpecialDate{});
    m_currentProgram = 0;
    m_dateCount = 0;
    ShowSavePath();
}

void SpecialDatePage::ConnectCommands() {
    const auto onClick = [this](int id, void (SpecialDatePage::*handler)()) {
        connect(&ui::RequireControl<QPushButton>(this, id), &QPushButton::clicked, this, handler);
    };
    onClick(kAddButton, &SpecialDatePage::OnAdd);
    onClick(kOpenFolderButton, &SpecialDatePage::OnOpenFolder);
    onClick(kSaveButton, &SpecialDatePage::OnSave);
    onClick(kExitButton, &SpecialDatePage::OnExit);
    onClick(kDeleteButton, &SpecialDatePage::OnDelete);
    // Only a choice the user makes counts, including choosing the program already shown.
    connect(m_programCombo, &QComboBox::activated, this, &SpecialDatePage::OnSelchangeProgram);

    // A typed "3" shows as "03" once the field is left, so the field names what Add will take.
    // Inline completion would turn a typed "1" into "10" behind the user's back.
    for (QComboBox* combo : {m_monthCombo, m_dayCombo}) {
        combo->setCompleter(nullptr);
        connect(combo->lineEdit(), &QLineEdit::editingFinished, combo,
                [combo] { ui::SelectTypedItem(*combo); });
    }
    ui::KeepOneSelected(*m_dateList, ui::SelectionFallback::LastEntry);
}

void SpecialDatePage::OnAdd() {
    const int month = ui::SelectTypedItem(*m_monthCombo);
    const int day = ui::SelectTypedItem(*m_dayCombo);
    if (month < 0 || day < 0) return;  // the typed text names no month or no day
    const SpecialDate date{static_cast<std::uint8_t>(month + 1), static_cast<std::uint8_t>(day + 1)};
    if (HoldsDate(date) || m_dateCount >= core::kMaxSpecialDates) return;

    g_specialDates[m_dateCount++] = date;
    m_dateList->addItem(DateEntryText(date));
    m_dateList->setCurrentRow(m_dateList->count() - 1);
    ShowSavePath();
}

void SpecialDatePage::OnDelete() {
    const QModelIndexList selected = m_dateList->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) return;
    const int row = selected.first().row();
    if (static_cast<std::uint32_t>(row) >= m_dateCount) return;

    delete m_dateList->takeItem(row);
    if (m_dateList->count() > 0) m_dateList->setCurrentRow(std::min(row, m_dateList->count() - 1));

    const auto end = g_specialDates.begin() + m_dateCount;
    std::copy(g_specialDates.begin() + row + 1, end, g_specialDates.begin() + row);
    *(end - 1) = SpecialDate{};
    --m_dateCount;
    ShowSavePath();
}

void SpecialDatePage::OnOpenFolder() {
    const std::optional<QString> folder = m_dialogs.BrowseForFolder(this);
    // A cancelled browser leaves the page as it was: emptying the list here would let the next
    // Save wipe the program's file.
    if (!folder || folder->isEmpty()) return;

    m_savePath = *folder;
    for (int program = 0; program < kProgramCount; ++program) {
        if (core::CanOpenForReading(m_fs, DateFilePath(program))) {
            LoadProgram(program);
            m_currentProgram = program;
            m_programCombo->setCurrentIndex(program);
            ShowSavePath();
            return;
        }
    }
    m_dateList->clear();
    m_dateCount = 0;
    m_programCombo->setCurrentIndex(m_currentProgram);
    ShowSavePath();
}

void SpecialDatePage::OnSelchangeProgram(int program) {
    if (m_savePath.isEmpty()) {
        m_dialogs.ShowMessage(this, MessageText(core::EditorMessage::NoSaveFolder));
        return;
    }
    if (program == m_currentProgram) return;
    m_currentProgram = program;
    LoadProgram(program);
}

void SpecialDatePage::OnSave() {
    if (m_savePath.isEmpty()) {
        m_dialogs.ShowMessage(this, MessageText(core::EditorMessage::NoSaveFolder));
        return;
    }
    m_currentProgram = m_programCombo->currentIndex();
    const std::string path = DateFilePath(m_currentProgram);
    const core::Result<> result = core::WriteDateFile(
        m_fs, path, std::span(g_specialDates).first(std::min<std::size_t>(m_dateCount, g_specialDates.size())));
    if (result.ok()) {
        m_dialogs.ShowMessage(this, MessageText(core::EditorMessage::Saved));
    } else {
        // The old file stays as it was and the dates stay on the page, so Save can be retried.
        m_dialogs.ShowFileError(
            this, result.error().value_or(core::FileError(core::FileErrorCause::Generic, path)));
    }
}

void SpecialDatePage::OnExit() { window()->close(); }

void SpecialDatePage::FillDateList(std::uint32_t count) {
    m_dateList->clear();
    for (std::uint32_t k = 0; k < count; ++k) {
        m_dateList->addItem(DateEntryText(g_specialDates[k]));
    }
    if (m_dateList->count() > 0) m_dateList->setCurrentRow(m_dateList->count() - 1);
    ShowSavePath();
}

void SpecialDatePage::LoadProgram(int program) {
    // A file that is missing or cannot be read leaves the program without dates.
    const core::Result<std::vector<SpecialDate>> read = core::ReadDateFile(m_fs, DateFilePath(program));
    m_dateCount = 0;
    if (read.ok()) {
        std::copy(read->begin(), read->end(), g_specialDates.begin());
        m_dateCount = static_cast<std::uint32_t>(read->size());
    }
    FillDateList(m_dateCount);
}

bool SpecialDatePage::HoldsDate(const SpecialDate& date) const {
    const auto end = g_specialDates.begin() + m_dateCount;
    return std::find(g_specialDates.begin(), end, date) != end;
}

std::string SpecialDatePage::DateFilePath(int program) const {
    return core::JoinPath(m_savePath.toStdString(), DateFileName(program));
}

void SpecialDatePage::ShowSavePath() { m_savePathEdit->setText(m_savePath); }

}  // namespace pages
