#include "pages/overview/OverviewPage.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "core/check/DateResolver.h"
#include "core/text/ProgramNames.h"
#include "pages/overview/OverviewIds.h"
#include "pages/overview/OverviewReport.h"
#include "pages/overview/TimerTableModel.h"
#include "pages/overview/WeekView.h"
#include "ui/DialogBoxes.h"
#include "ui/DialogBuilder.h"
#include "ui/DialogFont.h"
#include "ui/DialogUnits.h"

namespace pages {

using namespace overview_ids;

namespace {

// Roles of a finding's list entry: its position in the card's findings.
constexpr int kFindingRole = Qt::UserRole + 1;

template <class W>
W* Tagged(W* control, int id) {
    control->setProperty(ui::kControlIdProperty, id);
    return control;
}

QIcon SeverityIcon(const QStyle& style, core::Severity severity) {
    switch (severity) {
    case core::Severity::Error: return style.standardIcon(QStyle::SP_MessageBoxCritical);
    case core::Severity::Warning: return style.standardIcon(QStyle::SP_MessageBoxWarning);
    case core::Severity::Note: return style.standardIcon(QStyle::SP_MessageBoxInformation);
    }
    return {};
}

std::vector<TimerRef> TimersOf(const core::Card& card, core::CardFileId file) {
    std::vector<TimerRef> refs;
    const core::CardFile& f = card[file];
    for (std::size_t i = 0; i < f.timers.size(); ++i)
        refs.push_back({file, static_cast<int>(i), &f.timers[i]});
    return refs;
}

// Sunday first, as the weekday bits count.
QString DayName(int weekday) {
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("Overview", "星期日"), QT_TRANSLATE_NOOP("Overview", "星期一"),
        QT_TRANSLATE_NOOP("Overview", "星期二"), QT_TRANSLATE_NOOP("Overview", "星期三"),
        QT_TRANSLATE_NOOP("Overview", "星期四"), QT_TRANSLATE_NOOP("Overview", "星期五"),
        QT_TRANSLATE_NOOP("Overview", "星期六")};
    return QCoreApplication::translate("Overview", names[weekday]);
}

QString ProgramTitle(core::CardFileId file) {
    return QCoreApplication::translate("Program", core::ProgramName(file.program)) +
           QCoreApplication::translate("Overview", "（") + ProgramFileName(file) +
           QCoreApplication::translate("Overview", "）");
}

}  // namespace

OverviewPage::OverviewPage(ui::Dialogs& dialogs, core::FileSystem& fs, QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs), m_fs(fs) {
    BuildControls();
    connect(&m_loading, &QFutureWatcher<CardOverview>::finished, this, &OverviewPage::OnLoaded);
    connect(&m_reporting, &QFutureWatcher<bool>::finished, this, &OverviewPage::OnReportWritten);
    ShowIdle();
}

OverviewPage::~OverviewPage() {
    // The workers hold the file system and the card: let them end before those go.
    if (m_loadPending) m_loading.waitForFinished();
    if (m_reportPending) m_reporting.waitForFinished();
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

    m_views = Tagged(new QTabWidget(this), kViews);
    place(m_views, {8, 28, 400, 330});
    m_views->addTab(BuildTimerTab(), QCoreApplication::translate("Overview", "定时一览"));
    m_views->addTab(BuildFindingsTab(), QCoreApplication::translate("Overview", "检查结果"));
    m_views->addTab(BuildWeekTab(), QCoreApplication::translate("Overview", "一周图"));
    m_views->addTab(BuildDayTab(), QCoreApplication::translate("Overview", "按日期查看"));

    m_status = new QLabel(this);
    place(m_status, {8, 362, 250, 10});
    m_progress = Tagged(new QProgressBar(this), kProgress);
    place(m_progress, {262, 362, 146, 10});

    connect(m_openButton, &QPushButton::clicked, this, &OverviewPage::ChooseFolder);
    connect(m_refreshButton, &QPushButton::clicked, this, &OverviewPage::Refresh);
    connect(m_exportButton, &QPushButton::clicked, this, &OverviewPage::ExportReport);
}

QWidget* OverviewPage::BuildTimerTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QCoreApplication::translate("Overview", "程序：")));
    m_programFilter = Tagged(new QComboBox, kProgramFilter);
    m_programFilter->addItem(QCoreApplication::translate("Overview", "全部程序"));
    m_programFilter->addItems(ProgramFileItems());
    row->addWidget(m_programFilter);
    row->addStretch();
    layout->addLayout(row);

    m_model = new TimerTableModel(this);
    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortRole(TimerTableModel::SortRole);
    m_proxy->setFilterKeyColumn(TimerTableModel::Program);
    m_table = Tagged(new QTableView, kTimerTable);
    m_table->setModel(m_proxy);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(TimerTableModel::Program, Qt::AscendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    m_table->horizontalHeader()->setDefaultSectionSize(64);
    layout->addWidget(m_table);

    connect(m_programFilter, &QComboBox::currentIndexChanged, this, &OverviewPage::FilterTimers);
    connect(m_table, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { OpenTableRow(index.row()); });
    return tab;
}

QWidget* OverviewPage::BuildFindingsTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    m_findings = Tagged(new QListWidget, kFindings);
    m_findings->setWordWrap(true);
    layout->addWidget(new QLabel(QCoreApplication::translate("Overview", "双击一条，到它的页面去修改：")));
    layout->addWidget(m_findings);
    connect(m_findings, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { OpenFinding(item->data(kFindingRole).toInt()); });
    return tab;
}

QWidget* OverviewPage::BuildWeekTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    m_weekProgram = Tagged(new QComboBox, kWeekProgram);
    m_weekProgram->addItems(ProgramFileItems());
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QCoreApplication::translate("Overview", "程序：")));
    row->addWidget(m_weekProgram);
    row->addStretch();
    layout->addLayout(row);
    m_week = Tagged(new WeekView, kWeekView);
    layout->addWidget(m_week, 1);
    connect(m_weekProgram, &QComboBox::currentIndexChanged, this, &OverviewPage::ShowWeek);
    return tab;
}

QWidget* OverviewPage::BuildDayTab() {
    auto* tab = new QWidget;
    auto* layout = new QHBoxLayout(tab);
    auto* left = new QVBoxLayout;
    m_calendar = Tagged(new QCalendarWidget, kCalendar);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    left->addWidget(m_calendar);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QCoreApplication::translate("Overview", "一般程序：")));
    m_dayProgram = Tagged(new QComboBox, kDayProgram);
    for (int program = 0; program < core::ProgramCount(core::CardFileKind::GeneralSchedule); ++program) {
        m_dayProgram->addItem(ProgramTitle({core::CardFileKind::GeneralSchedule, program}));
    }
    row->addWidget(m_dayProgram, 1);
    left->addLayout(row);
    m_dayText = Tagged(new QLabel, kDayText);
    m_dayText->setWordWrap(true);
    m_dayText->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    left->addWidget(m_dayText, 1);
    layout->addLayout(left, 3);
    m_day = Tagged(new WeekView, kDayView);
    layout->addWidget(m_day, 2);
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, &OverviewPage::ShowDay);
    connect(m_dayProgram, &QComboBox::currentIndexChanged, this, &OverviewPage::ShowDay);
    return tab;
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
    while (m_loadPending || m_reportPending) {
        // A watcher that never had a future would wait for ever.
        if (m_loadPending) m_loading.waitForFinished();
        OnLoaded();
        if (m_reportPending) m_reporting.waitForFinished();
        OnReportWritten();
    }
}

void OverviewPage::OnLoaded() {
    // Called by the watcher and by WaitForWork; whichever comes second finds nothing to do.
    if (!m_loadPending) return;
    m_loadPending = false;
    auto overview = std::make_shared<const CardOverview>(m_loading.future().takeResult());
    m_overview = std::move(overview);
    ShowIdle();
    ShowCard();
    if (m_queuedFolder) {
        const std::string next = *m_queuedFolder;
        m_queuedFolder.reset();
        OpenFolder(next);
    }
}

void OverviewPage::ExportReport() {
    if (!m_overview || m_reportPending) return;
    const std::optional<QString> path =
        m_dialogs.AskSaveFile(this, QCoreApplication::translate("Overview", "导出报告"),
                              QCoreApplication::translate("Overview", "PDF 文件 (*.pdf)"));
    if (!path || path->isEmpty()) return;
    m_reportPath = *path;
    ShowBusy(QCoreApplication::translate("Overview", "正在写报告……"));
    // The worker keeps its own share of the card, whatever the page reads meanwhile.
    std::shared_ptr<const CardOverview> overview = m_overview;
    const QString target = m_reportPath;
    m_reportPending = true;
    m_reporting.setFuture(QtConcurrent::run([overview, target] { return WriteReport(target, *overview); }));
}

void OverviewPage::OnReportWritten() {
    if (!m_reportPending) return;
    m_reportPending = false;
    const bool written = m_reporting.future().takeResult();
    ShowIdle();
    if (!written)
        m_dialogs.ShowMessage(this,
                              QCoreApplication::translate("Overview", "报告无法写入：%1").arg(m_reportPath));
}

void OverviewPage::ShowBusy(const QString& what) {
    m_status->setText(what);
    // The work does not say how far it is: the bar only moves.
    m_progress->setRange(0, 0);
    m_progress->show();
    m_exportButton->setEnabled(false);
}

void OverviewPage::ShowIdle() {
    if (m_loadPending || m_reportPending) return;
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

void OverviewPage::ShowCard() {
    m_model->SetTimers(AllTimers(m_overview->card));
    FilterTimers();
    // File names and weekdays are the widest texts; nothing is cut short.
    m_table->resizeColumnsToContents();
    ShowFindings();
    ShowWeek();
    ShowDay();
}

void OverviewPage::ShowFindings() {
    m_findings->clear();
    if (m_overview->listFailure) {
        auto* item = new QListWidgetItem(SeverityIcon(*style(), core::Severity::Error),
                                         ui::FileErrorMessage(*m_overview->listFailure));
        item->setData(kFindingRole, -1);
        m_findings->addItem(item);
    }
    const auto& findings = m_overview->findings;
    for (std::size_t i = 0; i < findings.size(); ++i) {
        auto* item =
            new QListWidgetItem(SeverityIcon(*style(), findings[i].severity), FindingText(findings[i]));
        item->setData(kFindingRole, static_cast<int>(i));
        item->setToolTip(SeverityText(findings[i].severity));
        m_findings->addItem(item);
    }
    if (findings.empty() && !m_overview->listFailure)
        m_findings->addItem(QCoreApplication::translate("Overview", "没有发现问题。"));
}

void OverviewPage::FilterTimers() {
    const int choice = m_programFilter->currentIndex();
    if (choice <= 0) {
        m_proxy->setFilterRegularExpression(QString());
        return;
    }
    const QString name = ProgramFileName(ProgramFiles()[static_cast<std::size_t>(choice - 1)]);
    m_proxy->setFilterRegularExpression(
        QRegularExpression(QStringLiteral("^%1$").arg(QRegularExpression::escape(name))));
}

void OverviewPage::ShowWeek() {
    if (!m_overview) return;
    const core::CardFileId file =
        ProgramFiles()[static_cast<std::size_t>(std::max(0, m_weekProgram->currentIndex()))];
    const bool weekdays = file.kind == core::CardFileKind::GeneralSchedule;
    m_week->Show(TimersOf(m_overview->card, file),
                 weekdays
                     ? WeekColumns()
                     : std::vector<WeekColumn>{{QCoreApplication::translate("Overview", "特殊程序"), -1}});
}

void OverviewPage::ShowDay() {
    if (!m_overview) return;
    const QDate day = m_calendar->selectedDate();
    const core::SpecialDate date{static_cast<std::uint8_t>(day.month()),
                                 static_cast<std::uint8_t>(day.day())};
    const core::DayPlan plan = core::ResolveDate(m_overview->card, date);
    const QString when = QCoreApplication::translate("Overview", "%1月%2日").arg(day.month()).arg(day.day());
    if (plan.Ambiguous()) {
        QStringList names;
        for (int list : plan.specialPrograms) {
            names << QString::fromStdString(core::CardFileName(core::CardFileKind::SpecialDates, list));
        }
        m_dayText->setText(
            QCoreApplication::translate("Overview", "%1 同时在 %2 中：不能确定运行哪一个特殊程序。")
                .arg(when, names.join(QCoreApplication::translate("Overview", "、"))));
        m_day->Show({}, {});
        return;
    }
    if (!plan.General()) {
        const core::CardFileId file{core::CardFileKind::SpecialSchedule, plan.specialPrograms.front()};
        std::vector<TimerRef> timers = TimersOf(m_overview->card, file);
        m_dayText->setText(QCoreApplication::translate("Overview", "%1 运行特殊时程：%2，%3 个定时。")
                               .arg(when, ProgramTitle(file))
                               .arg(timers.size()));
        m_day->Show(std::move(timers), {{when, -1}});
        return;
    }
    const core::CardFileId file{core::CardFileKind::GeneralSchedule,
                                std::max(0, m_dayProgram->currentIndex())};
    const int weekday = day.dayOfWeek() % 7;  // Qt counts Monday 1 ... Sunday 7
    const std::vector<TimerRef> all = TimersOf(m_overview->card, file);
    std::vector<TimerRef> timers;
    for (int index : core::TimersOnWeekday(m_overview->card[file].timers, weekday)) {
        timers.push_back(all[static_cast<std::size_t>(index)]);
    }
    m_dayText->setText(QCoreApplication::translate("Overview", "%1（%2）运行一般时程：%3，当天 %4 个定时。")
                           .arg(when, DayName(day.dayOfWeek() % 7), ProgramTitle(file))
                           .arg(timers.size()));
    m_day->Show(std::move(timers), {{when, weekday}});
}

void OverviewPage::OpenFinding(int row) {
    if (!m_overview || !m_opener || row < 0 || row >= static_cast<int>(m_overview->findings.size())) return;
    const core::Finding& finding = m_overview->findings[static_cast<std::size_t>(row)];
    const std::optional<core::CardFileId> file = CardFileNamed(finding.file);
    if (!file) return;
    std::optional<int> timer;
    if (finding.timer) timer = *finding.timer - 1;
    m_opener(m_overview->folder, *file, timer);
}

void OverviewPage::OpenTableRow(int proxyRow) {
    if (!m_overview || !m_opener) return;
    const TimerRef& ref = m_model->Timer(m_proxy->mapToSource(m_proxy->index(proxyRow, 0)).row());
    m_opener(m_overview->folder, ref.file, ref.index);
}

}  // namespace pages
