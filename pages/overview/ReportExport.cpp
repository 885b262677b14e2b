#include "pages/overview/ReportExport.h"

#include <QCoreApplication>
#include <QtConcurrent/QtConcurrentRun>

#include "pages/overview/OverviewReport.h"

namespace pages {

ReportExport::ReportExport(ui::Dialogs& dialogs, QWidget& owner) : m_dialogs(dialogs), m_owner(owner) {
    connect(&m_writing, &QFutureWatcher<bool>::finished, this, &ReportExport::OnWritten);
}

ReportExport::~ReportExport() {
    // The worker holds its share of the card: let it end before the watcher goes.
    if (m_pending) m_writing.waitForFinished();
}

void ReportExport::Export(std::shared_ptr<const CardOverview> overview) {
    if (!overview || m_pending) return;
    const std::optional<QString> path =
        m_dialogs.AskSaveFile(&m_owner, QCoreApplication::translate("Overview", "导出报告"),
                              QCoreApplication::translate("Overview", "PDF 文件 (*.pdf)"));
    if (!path || path->isEmpty()) return;
    m_path = *path;
    emit Busy(QCoreApplication::translate("Overview", "正在写报告……"));
    // The worker keeps its own share of the card, whatever the page reads meanwhile.
    const QString target = m_path;
    m_pending = true;
    m_writing.setFuture(QtConcurrent::run([overview, target] { return WriteReport(target, *overview); }));
}

void ReportExport::WaitForWork() {
    // A watcher that never had a future would wait for ever.
    if (!m_pending) return;
    m_writing.waitForFinished();
    OnWritten();
}

void ReportExport::OnWritten() {
    // Called by the watcher and by WaitForWork; whichever comes second finds nothing to do.
    if (!m_pending) return;
    m_pending = false;
    const bool written = m_writing.future().takeResult();
    emit Finished();
    if (!written)
        m_dialogs.ShowMessage(&m_owner,
                              QCoreApplication::translate("Overview", "报告无法写入：%1").arg(m_path));
}

}  // namespace pages
