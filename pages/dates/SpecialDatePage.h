#pragma once

#include <QWidget>
#include <functional>
#include <span>
#include <string>

#include "core/editing/DateListEditor.h"
#include "core/fs/FileSystem.h"
#include "ui/Dialogs.h"

class QComboBox;
class QLineEdit;
class QListWidget;

// The special date page: a view over a DateListEditor. It hands each command with what its
// controls hold to the editor and shows the answer.
namespace pages {

class SpecialDatePage : public QWidget {
    Q_OBJECT

public:
    SpecialDatePage(ui::Dialogs& dialogs, core::FileSystem& fs, QWidget* parent = nullptr);

    // What the page shows, held by its editor: the save folder, the program and its dates.
    const core::DateListEditor& Editor() const { return m_editor; }
    // Opens the dates of `program` (0 to 5) in `folder`, ready to edit.
    void OpenProgram(const std::string& folder, int program);

private:
    void ShowStartingState();
    void ConnectCommands();
    // Runs a command with nothing it throws reaching the event loop (see RunGuarded).
    void Guarded(const std::function<void()>& command);

    void AddTypedDate();
    void DeleteSelectedEntry();
    void BrowseForFolder();
    void ChooseProgram(int program);
    void Save();
    void CloseWindow();

    // Redraws what the command changed and gives its message or file error.
    void Show(const core::DateListAnswer& answer);
    void ShowDates(std::span<const core::SpecialDate> dates);
    void ShowSavePath(const std::string& folder);

    ui::Dialogs& m_dialogs;
    core::DateListEditor m_editor;

    QComboBox* m_dayCombo = nullptr;
    QComboBox* m_monthCombo = nullptr;
    QComboBox* m_programCombo = nullptr;
    QListWidget* m_dateList = nullptr;
    QLineEdit* m_savePathEdit = nullptr;
};

}  // namespace pages
