#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <memory>

#include "pages/overview/CardOverview.h"
#include "ui/Dialogs.h"

class QWidget;

namespace pages {

// The PDF report of a card: asks where to write it, writes it on a worker thread and says
// when it could not be written.
class ReportExport : public QObject {
    Q_OBJECT

public:
    // `owner` is the window the questions and the message belong to.
    ReportExport(ui::Dialogs& dialogs, QWidget& owner);
    ~ReportExport() override;

    // Asks for the file and starts writing; does nothing while a report is still being written.
    void Export(std::shared_ptr<const CardOverview> overview);
    bool Pending() const { return m_pending; }
    // Blocks until the report started last is written and its end reported.
    void WaitForWork();

signals:
    // The writing has started; `what` says so to a person.
    void Busy(const QString& what);
    // The writing has ended, before any message about it.
    void Finished();

private:
    void OnWritten();

    ui::Dialogs& m_dialogs;
    QWidget& m_owner;
    // A pending result is one not reported yet: the watcher's signal and WaitForWork both come
    // to it, and only the first reports it.
    QFutureWatcher<bool> m_writing;
    bool m_pending = false;
    QString m_path;
};

}  // namespace pages
