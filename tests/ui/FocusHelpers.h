#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <vector>

#include "ui/DialogBuilder.h"

// Shows a top-level widget and makes it the active window, so keys reach its focus widget.
inline bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// The control id of the widget with the focus (a combo's editable field counts as the combo).
inline int FocusedId() {
    QWidget* focus = QApplication::focusWidget();
    while (focus != nullptr && ui::ControlId(focus) == ui::kNoControlId) {
        focus = focus->parentWidget();
    }
    return ui::ControlId(focus);
}
