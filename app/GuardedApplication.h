#pragma once

#include <QApplication>
#include <QString>
#include <functional>

// A QApplication that lets no exception out of an event handler: Qt's event loop cannot carry
// one through, and the program would end without saving a word. The page commands name their
// file themselves (pages/CommandGuard.h); this is the last resort for every other handler.
class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

// Runs `deliver`; what it throws is said through `show` instead (memory running out as such),
// and the event counts as not handled.
bool DeliverGuarded(const std::function<bool()>& deliver,
                    const std::function<void(const QString&)>& show) noexcept;
