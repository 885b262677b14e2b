#pragma once

#include <string>

// Asked before the QApplication exists: where no window system can be reached, Qt would end
// the program with its own abort message instead of a useful word.

// False on X11/Wayland systems when neither a display nor a Qt platform is named.
bool DisplayAvailable();

// One line saying that there is no display and how to start `program` anyway.
std::string NoDisplayMessage(const std::string& program);
