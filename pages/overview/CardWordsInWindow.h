#pragma once

#include "core/cardjson/CardWordsOf.h"

namespace pages {

// The card's words as the window says them: the core's texts through the window's translation.
core::cardjson::WordLookup CardWordsInWindow();

}  // namespace pages
