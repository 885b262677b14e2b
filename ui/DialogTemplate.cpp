#include "ui/DialogTemplate.h"

namespace ui {

QStringList TwoDigitItems(int first, int last) {
    QStringList items;
    for (int value = first; value <= last; ++value) {
        items << QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    }
    return items;
}

}  // namespace ui
