#pragma once

class QListWidget;

namespace pages {

// The music list always has exactly one entry selected while it holds any.

// Row of the selected entry, or -1.
int SelectedRow(const QListWidget* list);
// Selects `row` alone (nothing when the row does not exist).
void SelectRow(QListWidget* list, int row);
// Stops the user from clearing the selection (a Ctrl+click on the selected entry would).
void KeepOneEntrySelected(QListWidget* list);

}  // namespace pages
