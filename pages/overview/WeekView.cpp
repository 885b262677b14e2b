#include "pages/overview/WeekView.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace pages {

namespace {

constexpr qreal kHourLabelWidth = 30;
constexpr qreal kCaptionHeight = 16;
constexpr qreal kSecondsPerDay = 24 * 3600;
constexpr qreal kMinBarHeight = 2;  // a timer that ends where it starts stays visible

QRectF Grid(const QRectF& area) { return area.adjusted(kHourLabelWidth, kCaptionHeight, 0, 0); }

QColor ModeColour(std::uint16_t mode) {
    switch (mode) {
    case core::kMusicTimer: return QColor(70, 130, 200);
    case core::kRadioTimer: return QColor(80, 170, 90);
    case core::kPowerTimer: return QColor(230, 150, 40);
    default: return QColor(150, 150, 150);
    }
}

bool Runs(const core::TimerRecord& record, int weekday) {
    return weekday < 0 || (record.weekdays & (1u << weekday));
}

}  // namespace

std::vector<WeekColumn> WeekColumns() {
    std::vector<WeekColumn> columns;
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("Overview", "周日"), QT_TRANSLATE_NOOP("Overview", "周一"),
        QT_TRANSLATE_NOOP("Overview", "周二"), QT_TRANSLATE_NOOP("Overview", "周三"),
        QT_TRANSLATE_NOOP("Overview", "周四"), QT_TRANSLATE_NOOP("Overview", "周五"),
        QT_TRANSLATE_NOOP("Overview", "周六")};
    for (int day : {1, 2, 3, 4, 5, 6, 0})
        columns.push_back({QCoreApplication::translate("Overview", names[day]), day});
    return columns;
}

std::vector<WeekColumn> ProgramColumns(core::CardFileKind kind) {
    if (kind == core::CardFileKind::GeneralSchedule) return WeekColumns();
    return {{QCoreApplication::translate("Overview", "特殊程序"), -1}};
}

std::vector<WeekBar> LayOutWeek(const QRectF& area, const std::vector<TimerRef>& timers,
                                const std::vector<WeekColumn>& columns) {
    std::vector<WeekBar> bars;
    if (columns.empty()) return bars;
    const QRectF grid = Grid(area);
    const qreal width = grid.width() / static_cast<qreal>(columns.size());
    const qreal perSecond = grid.height() / kSecondsPerDay;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const qreal left = grid.left() + width * static_cast<qreal>(c) + 2;
        for (std::size_t t = 0; t < timers.size(); ++t) {
            const core::TimerRecord& r = timers[t].timer->record;
            if (!Runs(r, columns[c].weekday)) continue;
            const qreal start = r.startHour * 3600 + r.startMinute * 60 + r.startSecond;
            const qreal end = r.endHour * 3600 + r.endMinute * 60 + r.endSecond;
            auto add = [&](qreal from, qreal to) {
                const qreal height = std::max(kMinBarHeight, (to - from) * perSecond);
                bars.push_back(
                    {QRectF(left, grid.top() + from * perSecond, width - 4, height), static_cast<int>(t)});
            };
            if (end >= start) {
                add(start, end);
            } else {
                add(start, kSecondsPerDay);
                add(0, end);
            }
        }
    }
    return bars;
}

void PaintWeek(QPainter& painter, const QRectF& area, const std::vector<TimerRef>& timers,
               const std::vector<WeekColumn>& columns) {
    painter.save();
    const QRectF grid = Grid(area);
    painter.fillRect(grid, Qt::white);
    painter.setPen(QColor(210, 210, 210));
    const qreal perHour = grid.height() / 24;
    for (int hour = 0; hour <= 24; hour += 2) {
        const qreal y = grid.top() + hour * perHour;
        painter.drawLine(QPointF(grid.left(), y), QPointF(grid.right(), y));
    }
    painter.setPen(Qt::black);
    for (int hour = 0; hour <= 24; hour += 4) {
        const qreal y = grid.top() + hour * perHour;
        painter.drawText(QRectF(area.left(), y - 8, kHourLabelWidth - 3, 16),
                         Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1:00").arg(hour));
    }
    const qreal width = columns.empty() ? 0 : grid.width() / static_cast<qreal>(columns.size());
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const qreal left = grid.left() + width * static_cast<qreal>(c);
        painter.drawText(QRectF(left, area.top(), width, kCaptionHeight), Qt::AlignCenter,
                         columns[c].caption);
        painter.setPen(QColor(160, 160, 160));
        painter.drawLine(QPointF(left, grid.top()), QPointF(left, grid.bottom()));
        painter.setPen(Qt::black);
    }
    for (const WeekBar& bar : LayOutWeek(area, timers, columns)) {
        const QColor colour = ModeColour(timers[static_cast<std::size_t>(bar.timer)].timer->record.mode);
        painter.fillRect(bar.rect, colour);
        painter.setPen(colour.darker());
        painter.drawRect(bar.rect);
    }
    painter.setPen(Qt::black);
    painter.drawRect(grid.adjusted(0, 0, -1, -1));
    painter.restore();
}

WeekView::WeekView(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void WeekView::Show(std::vector<TimerRef> timers, std::vector<WeekColumn> columns) {
    m_timers = std::move(timers);
    m_columns = std::move(columns);
    update();
}

QString WeekView::ToolTipAt(QPointF point) const {
    QStringList lines;
    for (const WeekBar& bar : LayOutWeek(QRectF(rect()), m_timers, m_columns)) {
        if (bar.rect.adjusted(0, -1, 0, 1).contains(point)) {
            const QString line = TimerLine(m_timers[static_cast<std::size_t>(bar.timer)]);
            if (!lines.contains(line)) lines << line;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

void WeekView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintWeek(painter, QRectF(rect()), m_timers, m_columns);
}

bool WeekView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = ToolTipAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), text, this);
        }
        return true;
    }
    return QWidget::event(event);
}

}  // namespace pages
