#include "pages/overview/OverviewPage.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QtConcurrent/QtConcurrentRun>

#include "pages/CommandGuard.h"
#include "pages/overview/DayView.h"
#include "pages/overview/HistoryView.h"
#include "pages/overview/FindingsView.h"
#include "pages/overview/OverviewIds.h"
#include "pages/overview/TaggedControl.h"
#include "pages/overview/TimerTableView.h"
#include "pages/overview/WeekPictureView.h"
#include "ui/DialogFont.h"
#include "ui/DialogUnits.h"

namespace pages {

using namespace overview_ids;

OverviewPage::OverviewPage(ui::Dialogs& dialogs, core::FileSystem& fs, QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs), m_fs(fs), m_report(dialogs, *this) {
    BuildControls();
    connect(&m_loading, &QFutureWatcher<CardOverview>::finished, this, &OverviewPage::OnLoaded);
    connect(&m_report, &ReportExport::Busy, this, &OverviewPage::ShowBusy);
    connect(&m_report, &ReportExport::Finished, this, &OverviewPage::ShowIdle);
    ShowIdle();
}

OverviewPage::~OverviewPage() {
    // The worker holds the file system: let it end before that goes.
    if (m_loadPending) m_loading.waitForFinished();
}

void OverviewPage::BuildControls() {
    setFont(ui::DialogFont());
    const int dpi = ui::DialogDpi(this);
    const auto place = [this, dpi](QWidget* control, ui::DialogBox box) {
        control->setParent(this);
        control->setGeometry(ui::DialogBoxToPixels(box, dpi));
    };
    place(Tagged(new QLabel(QCoreApplication::translate("Overview", "卡文件夹："), this), kFolderLabel),
          {8, 10, 42, 10});
    m_folderEdit = Tagged(new QLineEdit(this), kFolder);
    m_folderEdit->setReadOnly(true);
    place(m_folderEdit, {50, 8, 196, 14});
    m_openButton =
        Tagged(new QPushButton(QCoreApplication::translate("Overview", "打开..."), this), kOpenFolder);
    place(m_openButton, {250, 7, 46, 16});
    m_refreshButton =
        Tagged(new QPushButton(QCoreApplication::translate("Overview", "刷新"), this), kRefresh);
    place(m_refreshButton, {300, 7, 46, 16});
    m_exportButton =
        Tagged(new QPushButton(QCoreApplication::translate("Overview", "导出报告..."), this), kExport);
    place(m_exportButton, {350, 7, 58, 16});

    m_tabs = Tagged(new QTabWidget(this), kViews);
    place(m_tabs, {8, 28, 400, 330});
    // Made as children of the page, so that they measure with its font from the start.
    AddView(new TimerTableView(this), QCoreApplication::translate("Overview", "定时一览"));
    AddView(new FindingsView(this), QCoreApplication::translate("Overview", "检查结果"));
    AddView(new WeekPictureView(this), QCoreApplication::translate("Overview", "一周图"));
    AddView(new DayView(this), QCoreApplication::translate("Overview", "按日期查看"));
    auto* history = new HistoryView(m_dialogs, core::history::WriteRecorder(m_fs), this);
    AddView(history, QCoreApplication::translate("Overview", "历史"));
    connect(history, &HistoryView::CardRestored, this, &OverviewPage::Refresh);

    m_status = new QLabel(this);
    place(m_status, {8, 362, 250, 10});
    m_progress = Tagged(new QProgressBar(this), kProgress);
    place(m_progress, {262, 362, 146, 10});

    connect(m_openButton, &QPushButton::clicked, this, &OverviewPage::ChooseFolder);
    connect(m_refreshButton, &QPushButton::clicked, this, &OverviewPage::Refresh);
    connect(m_exportButton, &QPushButton::clicked, this, [this] { m_report.Export(m_overview); });
}

void OverviewPage::AddView(OverviewView* view, const QString& title) {
    m_tabs->addTab(view, title);
    m_views.push_back(view);
    connect(view, &OverviewView::OpenRequested, this, &OverviewPage::Open);
    if (m_overview) view->Show(*m_overview);
}

void OverviewPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A folder opened on another page since the last look takes over; otherwise the card shown
    // is read again, as it may have changed on the other pages or on disk.
    const std::string source = m_folderSource ? m_folderSource() : std::string();
    if (!source.empty() && source != m_sourceFolder) {
        m_sourceFolder = source;
        OpenFolder(source);
    } else {
        Refresh();
    }
}

void OverviewPage::ChooseFolder() {
    const std::optional<QString> folder = m_dialogs.BrowseForFolder(this);
    if (!folder || folder->isEmpty()) return;
    OpenFolder(folder->toStdString());
}

void OverviewPage::OpenFolder(const std::string& folder) {
    if (folder.empty()) return;
    m_folder = folder;
    m_folderEdit->setText(QString::fromStdString(folder));
    if (m_loadPending) {
        m_queuedFolder = folder;
        return;
    }
    ShowBusy(QCoreApplication::translate("Overview", "正在读取卡……"));
    m_loadPending = true;
    core::FileSystem* fs = &m_fs;
    m_loading.setFuture(QtConcurrent::run([fs, folder] { return LoadCardOverview(*fs, folder); }));
}

void OverviewPage::Refresh() { OpenFolder(m_folder); }

void OverviewPage::WaitForWork() {
    while (m_loadPending || m_report.Pending()) {
        // A watcher that never had a future would wait for ever.
        if (m_loadPending) m_loading.waitForFinished();
        OnLoaded();
        m_report.WaitForWork();
    }
}

void OverviewPage::OnLoaded() {
    // Called by the watcher and by WaitForWork; whichever comes second finds nothing to do.
    if (!m_loadPending) return;
    m_loadPending = false;
    // What the reading threw (memory running out on a huge card) comes out here: the card named,
    // and the page keeps what it showed.
    RunGuarded(this, m_dialogs, m_folder,
               [this] { m_overview = std::make_shared<const CardOverview>(m_loading.future().takeResult()); });
    ShowIdle();
    for (OverviewView* view : m_views) view->Show(*m_overview);
    if (m_queuedFolder) {
        const std::string next = *m_queuedFolder;
        m_queuedFolder.reset();
        OpenFolder(next);
    }
}

void OverviewPage::ShowBusy(const QString& what) {
    m_status->setText(what);
    // The work does not say how far it is: the bar only moves.
    m_progress->setRange(0, 0);
    m_progress->show();
    m_exportButton->setEnabled(false);
}

void OverviewPage::ShowIdle() {
    if (m_loadPending || m_report.Pending()) return;
    m_progress->setRange(0, 1);
    m_progress->hide();
    m_exportButton->setEnabled(m_overview != nullptr);
    if (!m_overview) {
        m_status->setText(QCoreApplication::translate("Overview", "请打开卡文件夹"));
        return;
    }
    std::size_t timers = 0;
    for (const core::CardFile& file : m_overview->card.files) timers += file.timers.size();
    m_status->setText(QCoreApplication::translate("Overview", "共 %1 个定时，%2 条检查结果")
                          .arg(timers)
                          .arg(m_overview->findings.size()));
}

void OverviewPage::Open(const std::string& folder, core::CardFileId file, std::optional<int> timer) {
    if (m_opener) m_opener(folder, file, timer);
}

}  // namespace pages
