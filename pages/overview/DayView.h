#pragma once

#include "pages/overview/OverviewView.h"

class QCalendarWidget;
class QComboBox;
class QLabel;

namespace pages {

class WeekView;

// What runs on a day chosen in a calendar: a special program when the day is in a date list,
// else the chosen general program's timers of that weekday, in words and as a one-day picture.
class DayView : public OverviewView {
    Q_OBJECT

public:
    explicit DayView(QWidget* parent = nullptr);

private:
    void Fill() override;

    QCalendarWidget* m_calendar = nullptr;
    QComboBox* m_program = nullptr;
    QLabel* m_text = nullptr;
    WeekView* m_day = nullptr;
};

}  // namespace pages
