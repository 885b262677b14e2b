#pragma once

#include <QRect>
#include <QSize>

#include "ui/DialogTemplate.h"

class QWidget;

namespace ui {

// Dialog units as the dialog manager maps them for a 9 point dialog font whose base units are
// half its em wide and one em high: one dialog unit is an eighth of the em both ways, so
// 1.5 pixels at 96 dpi. They depend on the screen's logical dpi only, never on the font that
// stands in for the dialog font, so every page has the same size whatever font is installed.

// The em of the 9 point dialog font in whole pixels (12 at 96 dpi, 15 at 120, 18 at 144).
int DialogFontEmPixels(int logicalDpi);
// A distance in dialog units in pixels, rounded half away from zero (18 units = 27 pixels at 96 dpi).
int DialogUnitsToPixels(int units, int logicalDpi);
// A box in pixels: each edge is mapped on its own, so adjacent boxes stay adjacent.
QRect DialogBoxToPixels(const DialogBox& box, int logicalDpi);
QSize DialogSizeToPixels(int width, int height, int logicalDpi);
// The logical dpi that a widget's dialog units follow (the primary screen's without a widget).
int DialogDpi(const QWidget* widget);

}  // namespace ui
