#include "app/GuardedApplication.h"

#include <QMessageBox>
#include <exception>
#include <new>

#include "app/AppTexts.h"

bool DeliverGuarded(const std::function<bool()>& deliver,
                    const std::function<void(const QString&)>& show) noexcept {
    QString stopped;
    try {
        return deliver();
    } catch (const std::bad_alloc&) {
        stopped = StoppedText(QString());
    } catch (const std::exception& e) {
        stopped = StoppedText(QString::fromUtf8(e.what()));
    } catch (...) {
        stopped = StoppedText(QStringLiteral("?"));
    }
    try {
        show(stopped);
    } catch (...) {
        // Not even the box could be shown; the window goes on as it is.
    }
    return false;
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    return DeliverGuarded(
        [&] { return QApplication::notify(receiver, event); },
        [](const QString& text) { QMessageBox::critical(QApplication::activeWindow(), ToolName(), text); });
}
