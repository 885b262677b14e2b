#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "pages/overview/CardOverview.h"

namespace pages {

// Every timer of a card, one a row, for a sorting and filtering view. Sorting uses the numbers
// behind the texts (SortRole), filtering the program file's name in the first column.
class TimerTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        Program,
        Number,
        Mode,
        Start,
        End,
        Weekdays,
        Power,
        Zones,
        Channel,
        Medium,
        Music,
        ColumnCount
    };
    static constexpr int SortRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    void SetTimers(std::vector<TimerRef> timers);
    const TimerRef& Timer(int row) const { return m_timers[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant Text(const TimerRef& ref, int column) const;
    QVariant SortKey(const TimerRef& ref, int column) const;

    std::vector<TimerRef> m_timers;
};

}  // namespace pages
