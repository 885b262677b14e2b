#pragma once

#include "pages/overview/OverviewView.h"

class QComboBox;
class QSortFilterProxyModel;
class QTableView;

namespace pages {

class TimerTableModel;

// Every timer of the card in one sortable table, filtered by program file; double-clicking a
// row asks for that timer on its page.
class TimerTableView : public OverviewView {
    Q_OBJECT

public:
    // The rows take their height from the font met here: give the page as the parent.
    explicit TimerTableView(QWidget* parent);

private:
    void Fill() override;
    void FilterTimers();
    void OpenRow(int proxyRow);

    QComboBox* m_programFilter = nullptr;
    TimerTableModel* m_model = nullptr;
    QSortFilterProxyModel* m_proxy = nullptr;
    QTableView* m_table = nullptr;
};

}  // namespace pages
