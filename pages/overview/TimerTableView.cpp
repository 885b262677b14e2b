#include "pages/overview/TimerTableView.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include "pages/overview/OverviewIds.h"
#include "pages/overview/TaggedControl.h"
#include "pages/overview/TimerTableModel.h"

namespace pages {

using namespace overview_ids;

TimerTableView::TimerTableView(QWidget* parent) : OverviewView(parent) {
    auto* layout = new QVBoxLayout(this);
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

    connect(m_programFilter, &QComboBox::currentIndexChanged, this, &TimerTableView::FilterTimers);
    connect(m_table, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { OpenRow(index.row()); });
}

void TimerTableView::Fill() {
    m_model->SetTimers(AllTimers(Shown()->card));
    FilterTimers();
    // File names and weekdays are the widest texts; nothing is cut short.
    m_table->resizeColumnsToContents();
}

void TimerTableView::FilterTimers() {
    const int choice = m_programFilter->currentIndex();
    if (choice <= 0) {
        m_proxy->setFilterRegularExpression(QString());
        return;
    }
    const QString name = ProgramFileName(ProgramFiles()[static_cast<std::size_t>(choice - 1)]);
    m_proxy->setFilterRegularExpression(
        QRegularExpression(QStringLiteral("^%1$").arg(QRegularExpression::escape(name))));
}

void TimerTableView::OpenRow(int proxyRow) {
    if (!Shown()) return;
    const TimerRef& ref = m_model->Timer(m_proxy->mapToSource(m_proxy->index(proxyRow, 0)).row());
    emit OpenRequested(Shown()->folder, ref.file, ref.index);
}

}  // namespace pages
