#pragma once

class QListWidget;

namespace ui {

// Keeps one entry of a single-selection list selected whenever it has entries. Without this a
// Ctrl+click on the selected entry, Ctrl+Space or a click below the last entry leaves none,
// and the page's commands rely on the selection naming an entry.
void KeepOneSelected(QListWidget& list);

}  // namespace ui
