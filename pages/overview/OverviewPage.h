#pragma once

#include <QFutureWatcher>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/fs/FileSystem.h"
#include "pages/overview/CardOverview.h"
#include "ui/Dialogs.h"

class QCalendarWidget;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTabWidget;

namespace pages {

class TimerTableModel;
class WeekView;

// The whole card at a glance, read only: every timer, the findings of the check, a week picture
// of one program and what runs on a chosen day. Reading and the report run on a worker thread;
// the page only shows their results. It never writes a schedule file.
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
    QWidget* BuildTimerTab();
    QWidget* BuildFindingsTab();
    QWidget* BuildWeekTab();
    QWidget* BuildDayTab();

    void ChooseFolder();
    void ExportReport();
    void OnLoaded();
    void OnReportWritten();
    void ShowBusy(const QString& what);
    void ShowIdle();

    void ShowCard();
    void ShowFindings();
    void FilterTimers();
    void ShowWeek();
    void ShowDay();
    void OpenFinding(int row);
    void OpenTableRow(int proxyRow);

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
    QFutureWatcher<bool> m_reporting;
    bool m_reportPending = false;
    QString m_reportPath;

    QLineEdit* m_folderEdit = nullptr;
    QPushButton* m_openButton = nullptr;
    QPushButton* m_refreshButton = nullptr;
    QPushButton* m_exportButton = nullptr;
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QTabWidget* m_views = nullptr;
    QComboBox* m_programFilter = nullptr;
    TimerTableModel* m_model = nullptr;
    QSortFilterProxyModel* m_proxy = nullptr;
    QTableView* m_table = nullptr;
    QListWidget* m_findings = nullptr;
    QComboBox* m_weekProgram = nullptr;
    WeekView* m_week = nullptr;
    QCalendarWidget* m_calendar = nullptr;
    QComboBox* m_dayProgram = nullptr;
    QLabel* m_dayText = nullptr;
    WeekView* m_day = nullptr;
};

}  // namespace pages
