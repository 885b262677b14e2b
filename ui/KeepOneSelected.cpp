#include "ui/KeepOneSelected.h"

#include <QItemSelectionModel>
#include <QListWidget>

namespace ui {

int SelectedRow(const QListWidget& list) {
    const QModelIndexList rows = list.selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void SelectRow(QListWidget& list, int row) {
    if (row < 0 || row >= list.count()) return;
    list.setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void KeepOneSelected(QListWidget& list, SelectionFallback fallback) {
    QObject::connect(list.selectionModel(), &QItemSelectionModel::selectionChanged, &list,
                     [&list, fallback](const QItemSelection&, const QItemSelection& deselected) {
                         if (list.count() == 0 || SelectedRow(list) >= 0) return;
                         const QModelIndexList lost = deselected.indexes();
                         int row = lost.isEmpty() ? list.currentRow() : lost.first().row();
                         if (row < 0 || row >= list.count()) {
                             row = fallback == SelectionFallback::FirstEntry ? 0 : list.count() - 1;
                         }
                         SelectRow(list, row);
                     });
}

}  // namespace ui
