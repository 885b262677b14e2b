#pragma once

class QComboBox;
class QString;

namespace ui {

// The item of `combo` that `text` names, either by its own text ("03") or by its number
// ("3", surrounding blanks ignored). -1 when the text names none ("13" for a month, "abc", "").
int ItemNamedBy(const QComboBox& combo, const QString& text);

// An editable combo keeps its selected item while the user types, so the field and the
// selection can disagree. This makes the typed text count: the item it names becomes the
// selection and the field shows that item's text. Returns the item, or -1 (nothing changed)
// when the text names none.
int SelectTypedItem(QComboBox& combo);

}  // namespace ui
