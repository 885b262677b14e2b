#pragma once

#include <QRectF>
#include <QString>
#include <QWidget>
#include <vector>

#include "pages/overview/CardOverview.h"

class QPainter;

namespace pages {

// One column of the picture: its caption and the weekday (0 Sunday ... 6 Saturday) whose
// timers it shows; -1 shows every timer, as special programs have no weekdays.
struct WeekColumn {
    QString caption;
    int weekday = -1;
};

// The seven columns of a general program, Monday first.
std::vector<WeekColumn> WeekColumns();
// The columns of a program's picture: the seven weekdays of a general program, one column for
// a special program.
std::vector<WeekColumn> ProgramColumns(core::CardFileKind kind);

// A timer's bar in the picture; a timer running past midnight has two.
struct WeekBar {
    QRectF rect;
    int timer = 0;  // position in the list the picture was given
};

// Where the bars of `timers` lie when the picture fills `area`.
std::vector<WeekBar> LayOutWeek(const QRectF& area, const std::vector<TimerRef>& timers,
                                const std::vector<WeekColumn>& columns);

// Draws the picture into `area`: hour lines, column captions and one bar per timer, coloured by
// mode. Shared by the page and the report.
void PaintWeek(QPainter& painter, const QRectF& area, const std::vector<TimerRef>& timers,
               const std::vector<WeekColumn>& columns);

// 24 hours from top to bottom, one column per day; hovering a bar shows its timer.
class WeekView : public QWidget {
    Q_OBJECT

public:
    explicit WeekView(QWidget* parent = nullptr);

    void Show(std::vector<TimerRef> timers, std::vector<WeekColumn> columns);
    const std::vector<TimerRef>& Timers() const { return m_timers; }
    // The tool tip for a point of the widget: the timers whose bars hold it, one a line.
    QString ToolTipAt(QPointF point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    std::vector<TimerRef> m_timers;
    std::vector<WeekColumn> m_columns;
};

}  // namespace pages
