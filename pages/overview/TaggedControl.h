#pragma once

#include <QVariant>

#include "ui/DialogBuilder.h"

namespace pages {

// Gives a control of the overview its id (the "controlId" property) as it is made.
template <class W>
W* Tagged(W* control, int id) {
    control->setProperty(ui::kControlIdProperty, id);
    return control;
}

}  // namespace pages
