#pragma once

#include <QIcon>
#include <QImage>

// The window icon: a clock with a loudspeaker, drawn at 16 and 32 pixels.
QIcon AppIcon();

// The icon drawn at `size` × `size` pixels; below 32 pixels it leaves out the small details.
// Needs no QGuiApplication, so the build can draw the installed icons with it.
QImage AppIconImage(int size);
