#include "ui/KeepOneSelected.h"

#include <QItemSelectionModel>
#include <QListWidget>

namespace ui {

void KeepOneSelected(QListWidget& list) {
    QObject::connect(list.selectionModel(), &QItemSelectionModel::selectionChanged, &list,
                     [&list](const QItemSelection&, const QItemSelection& deselected) {
                         if (list.count() == 0 || list.selectionModel()->hasSelection()) return;
                         int row = deselected.isEmpty() ? list.currentRow()
                                                        : deselected.indexes().first().row();
                         if (row < 0 || row >= list.count()) row = list.count() - 1;
                         list.setCurrentRow(row);
                     });
}

}  // namespace ui
