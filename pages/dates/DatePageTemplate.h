#pragma once

#include "ui/DialogTemplate.h"

namespace pages {

// The special date page's controls in template order, which is also its Tab order. Their ids
// are in DateControlIds.h.
ui::DialogTemplate DatePageTemplate();

}  // namespace pages
