#pragma once

#include <string>

#include "core/fs/FileError.h"
#include "ui/Dialogs.h"

class QWidget;

namespace pages {

// Runs a page command so that nothing it throws reaches Qt's event loop, which cannot carry an
// exception through: whatever escapes the command (a failed allocation, say) is shown as the
// generic file error box, naming `file` when the command's file is known (empty otherwise).
template <class Command>
void RunGuarded(QWidget* owner, ui::Dialogs& dialogs, const std::string& file, Command&& command) noexcept {
    try {
        command();
        return;
    } catch (...) {
    }
    try {
        dialogs.ShowFileError(owner, core::FileError(core::FileErrorCause::Generic, file));
    } catch (...) {
        // Not even the box could be shown; the page stays as it is.
    }
}

}  // namespace pages
