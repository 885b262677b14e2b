#pragma once

#include <QVariant>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/DialogTemplate.h"

namespace ui {

// Name of the dynamic property that holds a control's id.
inline constexpr char kControlIdProperty[] = "controlId";

// Creates the controls of `dialog` as children of `page`, in template order, at their boxes
// converted from dialog units, and gives the page the dialog font and the template's size.
// Controls with an id carry it as the int property "controlId". Tab visits the tab-stop controls
// in template order; group boxes lie behind the controls on them. Combos and list boxes hold
// the template's items with nothing selected. Returns the controls in template order.
// Throws std::invalid_argument for a combo or list box without Unsorted (sorting is not offered).
std::vector<QWidget*> BuildDialog(QWidget* page, const DialogTemplate& dialog);

// The id a control carries, or kNoControlId.
int ControlId(const QWidget* control);

// The control of `page` with that id and widget class, or nullptr.
template <class W = QWidget>
W* FindControl(const QWidget* page, int id) {
    if (page == nullptr || id <= 0) return nullptr;
    for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (ControlId(child) == id) return qobject_cast<W*>(child);
    }
    return nullptr;
}

// As FindControl, for controls the page's own template must hold: a missing control is a
// programming error, reported instead of being dereferenced later.
template <class W = QWidget>
W& RequireControl(const QWidget* page, int id) {
    W* control = FindControl<W>(page, id);
    if (control == nullptr) {
        throw std::logic_error("no control " + std::to_string(id) + " of the expected kind");
    }
    return *control;
}

}  // namespace ui
