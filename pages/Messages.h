#pragma once

#include <QString>

#include "core/editing/EditorMessage.h"

namespace pages {

// The text of the message box that shows `message`.
QString MessageText(core::EditorMessage message);

// Said once after a write that left no copy in the card's history on this computer.
QString NoHistoryCopyMessage();

}  // namespace pages
