#pragma once

#include <QString>

#include "core/editing/EditorMessage.h"

namespace pages {

// The text of the message box that shows `message`.
QString MessageText(core::EditorMessage message);

}  // namespace pages
