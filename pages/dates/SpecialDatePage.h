#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <string>

#include "core/dates/SpecialDateFile.h"
#include "core/fs/FileSystem.h"
#include "ui/Dialogs.h"

class QComboBox;
class QLineEdit;
class QListWidget;

// The special date page: a save folder, one of six programs and that program's list of
// calendar days, saved into SDATE01.DAT to SDATE06.DAT. Every command edits the list in
// memory; only Save writes a file, and only the folder and program choices read one.
namespace pages {

using SpecialDateTable = std::array<core::SpecialDate, core::kMaxSpecialDates>;

class SpecialDatePage : public QWidget {
    Q_OBJECT

public:
    SpecialDatePage(ui::Dialogs& dialogs, core::FileSystem& fs, QWidget* parent = nullptr);

    // The dates the page holds: entries 0 to DateCount() - 1, in list order.
    const SpecialDateTable& SpecialDates() const { return g_specialDates; }
    std::uint32_t DateCount() const { return m_dateCount; }
    // Index 0 to 5 of the program whose dates the page holds.
    int CurrentProgram() const { return m_currentProgram; }
    // The save folder; empty until one is chosen.
    const QString& SavePath() const { return m_savePath; }

private:
    void OnInitDialog();
    void ConnectCommands();

    void OnAdd();
    void OnDelete();
    void OnOpenFolder();
    void OnSelchangeProgram(int program);
    void OnSave();
    void OnExit();

    // Rebuilds the list from table entries 0 to count - 1 and selects the last one.
    void FillDateList(std::uint32_t count);
    // Loads program's file into the table (a missing or unreadable file gives no dates).
    void LoadProgram(int program);
    bool HoldsDate(const core::SpecialDate& date) const;
    std::string DateFilePath(int program) const;
    void ShowSavePath();

    ui::Dialogs& m_dialogs;
    core::FileSystem& m_fs;

    QComboBox* m_dayCombo = nullptr;
    QComboBox* m_monthCombo = nullptr;
    QComboBox* m_programCombo = nullptr;
    QListWidget* m_dateList = nullptr;
    QLineEdit* m_savePathEdit = nullptr;

    int m_currentProgram = 0;
    std::uint32_t m_dateCount = 0;
    QString m_savePath;
    // One table per page, so pages never share dates.
    SpecialDateTable g_specialDates{};
};

}  // namespace pages
