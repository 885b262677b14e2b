#pragma once

#include <QString>
#include <functional>

class QWidget;

// The about entry "关于 Tavrel(&A)...", command id 0x0010. Where the platform gives the window
// a system menu (Windows) it goes at the end of that menu after a separator; elsewhere the tab
// strip offers it in its context menu.
inline constexpr unsigned kAboutCommandId = 0x0010;

QString AboutEntryText();

// Adds the entry for `window`; `showAbout` runs when it is chosen from the context menu of
// `strip`. On Windows the window passes its native messages to IsAboutCommand instead.
void AddAboutEntry(QWidget* window, QWidget* strip, std::function<void()> showAbout);

// True for the system command of the entry (a Windows MSG; always false elsewhere).
bool IsAboutCommand(const void* nativeMessage);
