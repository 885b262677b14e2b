#include "app/DisplayCheck.h"

#include <QtGlobal>

bool DisplayAvailable() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    // These are the variables the window system plugins themselves connect by; the check only
    // turns their failure into a readable line.
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#endif
}

std::string NoDisplayMessage(const std::string& program) {
    return "No display found: run it under a virtual one, e.g. 'xvfb-run -s \"-screen 0 1366x768x24\" " +
           program + "' (package xvfb).";
}
