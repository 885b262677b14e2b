#pragma once

class QWidget;

namespace ui {

// Makes Enter (Return or keypad Enter) act as Tab, and Shift+Enter as Shift+Tab, for every
// widget in `root`'s window below `root`: Enter then moves the focus and never presses a
// button, closes a window or opens a list. Esc is swallowed there too, so it neither closes
// the window nor hides a page. Popups and other windows keep their keys. The filter sits on the
// application, where it sees each key before any widget or dialog; it lives as long as `root`.
void InstallEnterAsTab(QWidget* root);

}  // namespace ui
