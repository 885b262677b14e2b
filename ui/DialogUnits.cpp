#include "ui/DialogUnits.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "ui/DialogFont.h"

namespace ui {

namespace {

constexpr int kUnitsPerEm = 8;

// a * b / c rounded half away from zero, as the dialog manager rounds.
int ScaleRounded(int a, int b, int c) {
    return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

}  // namespace

int DialogFontEmPixels(int logicalDpi) { return ScaleRounded(kDialogFontPoints, logicalDpi, 72); }

int DialogUnitsToPixels(int units, int logicalDpi) {
    return ScaleRounded(units, DialogFontEmPixels(logicalDpi), kUnitsPerEm);
}

QRect DialogBoxToPixels(const DialogBox& box, int logicalDpi) {
    const int left = DialogUnitsToPixels(box.x, logicalDpi);
    const int top = DialogUnitsToPixels(box.y, logicalDpi);
    const int right = DialogUnitsToPixels(box.x + box.w, logicalDpi);
    const int bottom = DialogUnitsToPixels(box.y + box.h, logicalDpi);
    return QRect(left, top, right - left, bottom - top);
}

QSize DialogSizeToPixels(int width, int height, int logicalDpi) {
    return QSize(DialogUnitsToPixels(width, logicalDpi), DialogUnitsToPixels(height, logicalDpi));
}

int DialogDpi(const QWidget* widget) {
    if (widget != nullptr) return widget->logicalDpiY();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? qRound(screen->logicalDotsPerInchY()) : 96;
}

}  // namespace ui
