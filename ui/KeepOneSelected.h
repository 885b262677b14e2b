#pragma once

class QListWidget;

namespace ui {

// The selection of a single-selection list: the pages' commands rely on it naming an entry.

// Row of the selected entry, or -1.
int SelectedRow(const QListWidget& list);
// Selects `row` alone and makes it current; nothing when the row does not exist.
void SelectRow(QListWidget& list, int row);

// Where the selection goes when the entry that lost it is gone.
enum class SelectionFallback { FirstEntry, LastEntry };

// Keeps one entry selected whenever the list has entries. Without this a Ctrl+click on the
// selected entry, Ctrl+Space or a click below the last entry leaves none. The selection goes
// back to the entry that lost it, or to the fallback when that entry is gone.
void KeepOneSelected(QListWidget& list, SelectionFallback fallback);

}  // namespace ui
