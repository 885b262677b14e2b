#include "pages/schedule/MusicListSelection.h"

#include <QItemSelectionModel>
#include <QListWidget>

namespace pages {

int SelectedRow(const QListWidget* list) {
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void SelectRow(QListWidget* list, int row) {
    if (row < 0 || row >= list->count()) return;
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void KeepOneEntrySelected(QListWidget* list) {
    QObject::connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, list,
                     [list](const QItemSelection&, const QItemSelection& deselected) {
                         if (list->count() == 0 || SelectedRow(list) >= 0) return;
                         // Give the selection back to the entry that just lost it.
                         const QModelIndexList lost = deselected.indexes();
                         const int row = lost.isEmpty() ? list->currentRow() : lost.first().row();
                         SelectRow(list, row >= 0 && row < list->count() ? row : 0);
                     });
}

}  // namespace pages
