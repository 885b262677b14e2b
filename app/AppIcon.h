#pragma once

#include <QIcon>

// The window icon: a clock with a loudspeaker, drawn at 16 and 32 pixels.
QIcon AppIcon();
