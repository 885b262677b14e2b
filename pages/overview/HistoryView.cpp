#include "pages/overview/HistoryView.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "core/cardjson/EntryChange.h"
#include "core/history/Restore.h"
#include "pages/CommandGuard.h"
#include "core/text/HistoryTexts.h"
#include "pages/Messages.h"
#include "pages/overview/CardWordsInWindow.h"
#include "pages/overview/OverviewIds.h"
#include "pages/overview/TaggedControl.h"

namespace pages {

using namespace overview_ids;

namespace {

QString Word(std::string_view key) {
    const std::string text(core::HistoryWord(key));
    return QCoreApplication::translate("History", text.c_str());
}

QString EntryLine(const core::history::Entry& entry) {
    const QString when = QDateTime::fromMSecsSinceEpoch(entry.unixMillis).toString("yyyy-MM-dd HH:mm:ss");
    const QString command = Word("command." + std::string(core::history::CommandKey(entry.command)));
    return QString("%1   %2   %3   %4").arg(entry.id).arg(when, QString::fromStdString(entry.file), command);
}

}  // namespace

HistoryView::HistoryView(ui::Dialogs& dialogs, core::history::WriteRecorder recorder, QWidget* parent)
    : OverviewView(parent), m_dialogs(dialogs), m_recorder(std::move(recorder)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QCoreApplication::translate("Overview", "这台电脑保存的每次写入，最新的在前：")));
    // The entries above, what the chosen one changed below: both get the full width.
    m_list = Tagged(new QListWidget, kHistoryEntries);
    m_change = Tagged(new QPlainTextEdit, kHistoryChange);
    m_change->setReadOnly(true);
    m_change->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    layout->addWidget(m_list, 2);
    layout->addWidget(m_change, 3);
    m_restore = Tagged(new QPushButton(QCoreApplication::translate("Overview", "恢复")), kRestore);
    m_restore->setToolTip(QCoreApplication::translate("Overview", "把这个文件恢复为这次写入之前的内容"));
    m_restore->setEnabled(false);
    layout->addWidget(m_restore, 0, Qt::AlignRight);
    connect(m_list, &QListWidget::currentRowChanged, this, &HistoryView::ShowEntry);
    connect(m_restore, &QPushButton::clicked, this, &HistoryView::RestoreChosen);
}

void HistoryView::Fill() {
    const std::uint64_t chosen = Chosen() ? Chosen()->id : 0;
    m_list->clear();
    m_change->clear();
    m_restore->setEnabled(false);
    m_entries.clear();
    const std::string& folder = Shown()->folder;
    if (folder.empty()) return;
    if (!m_recorder.Root()) {
        m_change->setPlainText(Word("error.no-place"));
        return;
    }
    auto entries = m_recorder.HistoryOf(folder).Entries();
    if (entries.ok()) m_entries = std::move(*entries);
    if (m_entries.empty()) {
        m_change->setPlainText(Word("list.empty"));
        return;
    }
    int row = 0;
    for (std::size_t k = 0; k < m_entries.size(); ++k) {
        m_list->addItem(EntryLine(m_entries[k]));
        if (m_entries[k].id == chosen) row = static_cast<int>(k);
    }
    m_list->setCurrentRow(row);
}

const core::history::Entry* HistoryView::Chosen() const {
    const int row = m_list->currentRow();
    return row >= 0 && row < static_cast<int>(m_entries.size()) ? &m_entries[static_cast<std::size_t>(row)] : nullptr;
}

void HistoryView::ShowEntry(int row) {
    const core::history::Entry* entry = Chosen();
    m_restore->setEnabled(false);
    if (row < 0 || !entry || !Shown()) return;
    auto history = m_recorder.HistoryOf(Shown()->folder);
    const auto lines = core::cardjson::DescribeEntry(history, *entry, CardWordsInWindow());
    if (!lines.ok()) {
        m_change->setPlainText(Word("error.damaged") + QString::fromStdString(entry->file));
        return;
    }
    QStringList text{EntryLine(*entry)};
    for (const std::string& line : *lines) text << QString::fromStdString(line);
    if (lines->empty()) text << Word("change.none");
    m_change->setPlainText(text.join('\n'));
    m_change->moveCursor(QTextCursor::Start);
    m_restore->setEnabled(entry->before.has_value());
}

void HistoryView::RestoreChosen() {
    const core::history::Entry* entry = Chosen();
    if (!entry || !Shown()) return;
    const std::string folder = Shown()->folder;
    RunGuarded(this, m_dialogs, folder, [&] { Restore(folder, *entry); });
}

void HistoryView::Restore(const std::string& folder, const core::history::Entry& entry) {
    const core::history::Entry undone = entry;
    auto history = m_recorder.HistoryOf(folder);
    const auto restored =
        core::history::RestoreStepTo(m_recorder, history, folder, core::history::StepUndoing(undone));
    if (restored.ok()) {
        m_dialogs.ShowMessage(this, QCoreApplication::translate("Overview", "已恢复：%1 回到了这次写入之前的内容。")
                                        .arg(QString::fromStdString(undone.file)));
    } else {
        m_dialogs.ShowFileError(this, restored.error().value_or(core::FileError(core::FileErrorCause::Generic, undone.file)));
    }
    if (m_recorder.TakeMissedCopy()) m_dialogs.ShowMessage(this, NoHistoryCopyMessage());
    for (const QString& settled : SettlementMessages(m_recorder.TakeSettlements())) m_dialogs.ShowMessage(this, settled);
    emit CardRestored();
}

}  // namespace pages
