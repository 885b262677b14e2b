#pragma once

#include <vector>

#include "core/fs/FileSystem.h"
#include "core/history/WriteRecorder.h"
#include "pages/overview/OverviewView.h"
#include "ui/Dialogs.h"

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace pages {

// The writes this computer kept of the card, newest first. Choosing one shows what it changed;
// 恢复 puts its file back as it was before that write, through the store and recorded in turn,
// so that a restore can be undone as well.
class HistoryView : public OverviewView {
    Q_OBJECT

public:
    // `recorder` reads and writes the card through the page's file system.
    HistoryView(ui::Dialogs& dialogs, core::history::WriteRecorder recorder, QWidget* parent = nullptr);

signals:
    // A file of the card was put back: the card shown is out of date.
    void CardRestored();

private:
    void Fill() override;
    void ShowEntry(int row);
    void RestoreChosen();
    void Restore(const std::string& folder, const core::history::Entry& entry);
    const core::history::Entry* Chosen() const;

    ui::Dialogs& m_dialogs;
    core::history::WriteRecorder m_recorder;
    std::vector<core::history::Entry> m_entries;
    QListWidget* m_list = nullptr;
    QPlainTextEdit* m_change = nullptr;
    QPushButton* m_restore = nullptr;
};

}  // namespace pages
