#include "ui/TypedComboItem.h"

#include <QComboBox>
#include <QString>
#include <algorithm>

namespace ui {

namespace {

bool IsNumber(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace

int ItemNamedBy(const QComboBox& combo, const QString& text) {
    const QString typed = text.trimmed();
    const int exact = combo.findText(typed, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (exact >= 0 || !IsNumber(typed)) return exact;

    bool fits = false;
    const int number = typed.toInt(&fits);
    if (!fits) return -1;
    for (int i = 0; i < combo.count(); ++i) {
        bool isNumber = false;
        if (combo.itemText(i).toInt(&isNumber) == number && isNumber) return i;
    }
    return -1;
}

int SelectTypedItem(QComboBox& combo) {
    const int item = ItemNamedBy(combo, combo.currentText());
    if (item < 0) return -1;
    combo.setCurrentIndex(item);
    // Selecting the item already selected leaves a typed "3" in the field; show "03".
    combo.setEditText(combo.itemText(item));
    return item;
}

}  // namespace ui
