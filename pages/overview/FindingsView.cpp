#include "pages/overview/FindingsView.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>

#include "pages/overview/OverviewIds.h"
#include "pages/overview/TaggedControl.h"
#include "ui/DialogBoxes.h"

namespace pages {

using namespace overview_ids;

namespace {

// Role of a finding's list entry: its position in the card's findings, -1 for none.
constexpr int kFindingRole = Qt::UserRole + 1;

QIcon SeverityIcon(const QStyle& style, core::Severity severity) {
    switch (severity) {
    case core::Severity::Error: return style.standardIcon(QStyle::SP_MessageBoxCritical);
    case core::Severity::Warning: return style.standardIcon(QStyle::SP_MessageBoxWarning);
    case core::Severity::Note: return style.standardIcon(QStyle::SP_MessageBoxInformation);
    }
    return {};
}

}  // namespace

FindingsView::FindingsView(QWidget* parent) : OverviewView(parent) {
    auto* layout = new QVBoxLayout(this);
    m_findings = Tagged(new QListWidget, kFindings);
    m_findings->setWordWrap(true);
    layout->addWidget(new QLabel(QCoreApplication::translate("Overview", "双击一条，到它的页面去修改：")));
    layout->addWidget(m_findings);
    connect(m_findings, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { OpenFinding(item->data(kFindingRole).toInt()); });
}

void FindingsView::Fill() {
    const CardOverview& overview = *Shown();
    m_findings->clear();
    if (overview.listFailure) {
        auto* item = new QListWidgetItem(SeverityIcon(*style(), core::Severity::Error),
                                         ui::FileErrorMessage(*overview.listFailure));
        item->setData(kFindingRole, -1);
        m_findings->addItem(item);
    }
    const auto& findings = overview.findings;
    for (std::size_t i = 0; i < findings.size(); ++i) {
        auto* item =
            new QListWidgetItem(SeverityIcon(*style(), findings[i].severity), FindingText(findings[i]));
        item->setData(kFindingRole, static_cast<int>(i));
        item->setToolTip(SeverityText(findings[i].severity));
        m_findings->addItem(item);
    }
    if (findings.empty() && !overview.listFailure)
        m_findings->addItem(QCoreApplication::translate("Overview", "没有发现问题。"));
}

void FindingsView::OpenFinding(int row) {
    const CardOverview* overview = Shown();
    if (!overview || row < 0 || row >= static_cast<int>(overview->findings.size())) return;
    const core::Finding& finding = overview->findings[static_cast<std::size_t>(row)];
    const std::optional<core::CardFileId> file = CardFileNamed(finding.file);
    if (!file) return;
    std::optional<int> timer;
    if (finding.timer) timer = *finding.timer - 1;
    emit OpenRequested(overview->folder, *file, timer);
}

}  // namespace pages
