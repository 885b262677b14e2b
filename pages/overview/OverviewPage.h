#pragma once

#include <QFutureWatcher>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/fs/FileSystem.h"
#include "pages/overview/CardOverview.h"
#include "pages/overview/ReportExport.h"
#include "ui/Dialogs.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace pages {

class OverviewView;

// The whole card at a glance: every timer, the findings of the check, a week picture of one
// program, what runs on a chosen day and the card's history, each a view in a tab of its own.
// Reading and the report run on a worker thread; the page only hands their results to the views.
// The one write it makes is the history view's restore, through the card's history like every
// other write.
class OverviewPage : public QWidget {
    Q_OBJECT

public:
    // Asked when the page is shown: the folder last opened on another page, empty for none.
    using FolderSource = std::function<std::string()>;
    // Opens a file of the card on its own page, at a timer (from 0) when there is one.
    using Opener =
        std::function<void(const std::string& folder, core::CardFileId file, std::optional<int> timer)>;

    OverviewPage(ui::Dialogs& dialogs, core::FileSystem& fs, QWidget* parent = nullptr);
    ~OverviewPage() override;

    void SetFolderSource(FolderSource source) { m_folderSource = std::move(source); }
    void SetOpener(Opener opener) { m_opener = std::move(opener); }

    // Puts `view` in a new tab after the others, under `title`; the page owns it from now on.
    // The view is shown the card shown now, if any, and every card read later; what it asks to
    // open goes to the opener.
    void AddView(OverviewView* view, const QString& title);

    // Reads the card in `folder` in the background; the page shows it once read.
    void OpenFolder(const std::string& folder);
    // Reads the card again, as it is now on disk.
    void Refresh();
    // Blocks until the reading and the report started so far are done and shown (tests, and
    // the picture for the documentation).
    void WaitForWork();

    // The card shown now; nullptr before the first reading.
    const CardOverview* Overview() const { return m_overview.get(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();

    void ChooseFolder();
    void OnLoaded();
    void ShowBusy(const QString& what);
    void ShowIdle();
    void Open(const std::string& folder, core::CardFileId file, std::optional<int> timer);

    ui::Dialogs& m_dialogs;
    core::FileSystem& m_fs;
    FolderSource m_folderSource;
    Opener m_opener;
    std::string m_sourceFolder;  // what the folder source said when last asked
    std::string m_folder;        // the card shown or being read

    std::shared_ptr<const CardOverview> m_overview;
    // A pending result is one not shown yet: the watcher's signal and WaitForWork both come
    // to it, and only the first shows it.
    QFutureWatcher<CardOverview> m_loading;
    bool m_loadPending = false;
    std::optional<std::string> m_queuedFolder;  // asked for while another reading ran
    ReportExport m_report;

    QLineEdit* m_folderEdit = nullptr;
    QPushButton* m_openButton = nullptr;
    QPushButton* m_refreshButton = nullptr;
    QPushButton* m_exportButton = nullptr;
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QTabWidget* m_tabs = nullptr;
    std::vector<OverviewView*> m_views;  // in tab order, owned by m_tabs
};

}  // namespace pages
