#include "pages/overview/DayView.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "core/check/DateResolver.h"
#include "core/text/ProgramNames.h"
#include "pages/overview/OverviewIds.h"
#include "pages/overview/TaggedControl.h"
#include "pages/overview/WeekView.h"

namespace pages {

using namespace overview_ids;

namespace {

// Sunday first, as the weekday bits count.
QString DayName(int weekday) {
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("Overview", "星期日"), QT_TRANSLATE_NOOP("Overview", "星期一"),
        QT_TRANSLATE_NOOP("Overview", "星期二"), QT_TRANSLATE_NOOP("Overview", "星期三"),
        QT_TRANSLATE_NOOP("Overview", "星期四"), QT_TRANSLATE_NOOP("Overview", "星期五"),
        QT_TRANSLATE_NOOP("Overview", "星期六")};
    return QCoreApplication::translate("Overview", names[weekday]);
}

QString ProgramTitle(core::CardFileId file) {
    return QCoreApplication::translate("Program", core::ProgramName(file.program)) +
           QCoreApplication::translate("Overview", "（") + ProgramFileName(file) +
           QCoreApplication::translate("Overview", "）");
}

}  // namespace

DayView::DayView(QWidget* parent) : OverviewView(parent) {
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    m_calendar = Tagged(new QCalendarWidget, kCalendar);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    left->addWidget(m_calendar);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QCoreApplication::translate("Overview", "一般程序：")));
    m_program = Tagged(new QComboBox, kDayProgram);
    for (int program = 0; program < core::ProgramCount(core::CardFileKind::GeneralSchedule); ++program) {
        m_program->addItem(ProgramTitle({core::CardFileKind::GeneralSchedule, program}));
    }
    row->addWidget(m_program, 1);
    left->addLayout(row);
    m_text = Tagged(new QLabel, kDayText);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    left->addWidget(m_text, 1);
    layout->addLayout(left, 3);
    m_day = Tagged(new WeekView, kDayView);
    layout->addWidget(m_day, 2);
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, &DayView::Fill);
    connect(m_program, &QComboBox::currentIndexChanged, this, &DayView::Fill);
}

void DayView::Fill() {
    const CardOverview* overview = Shown();
    if (!overview) return;
    const QDate day = m_calendar->selectedDate();
    const core::SpecialDate date{static_cast<std::uint8_t>(day.month()),
                                 static_cast<std::uint8_t>(day.day())};
    const core::DayPlan plan = core::ResolveDate(overview->card, date);
    const QString when = QCoreApplication::translate("Overview", "%1月%2日").arg(day.month()).arg(day.day());
    if (plan.Ambiguous()) {
        QStringList names;
        for (int list : plan.specialPrograms) {
            names << QString::fromStdString(core::CardFileName(core::CardFileKind::SpecialDates, list));
        }
        m_text->setText(
            QCoreApplication::translate("Overview", "%1 同时在 %2 中：不能确定运行哪一个特殊程序。")
                .arg(when, names.join(QCoreApplication::translate("Overview", "、"))));
        m_day->Show({}, {});
        return;
    }
    if (!plan.General()) {
        const core::CardFileId file{core::CardFileKind::SpecialSchedule, plan.specialPrograms.front()};
        std::vector<TimerRef> timers = ProgramTimers(overview->card, file);
        m_text->setText(QCoreApplication::translate("Overview", "%1 运行特殊时程：%2，%3 个定时。")
                            .arg(when, ProgramTitle(file))
                            .arg(timers.size()));
        m_day->Show(std::move(timers), {{when, -1}});
        return;
    }
    const core::CardFileId file{core::CardFileKind::GeneralSchedule, std::max(0, m_program->currentIndex())};
    const int weekday = day.dayOfWeek() % 7;  // Qt counts Monday 1 ... Sunday 7
    const std::vector<TimerRef> all = ProgramTimers(overview->card, file);
    std::vector<TimerRef> timers;
    for (int index : core::TimersOnWeekday(overview->card[file].timers, weekday)) {
        timers.push_back(all[static_cast<std::size_t>(index)]);
    }
    m_text->setText(QCoreApplication::translate("Overview", "%1（%2）运行一般时程：%3，当天 %4 个定时。")
                        .arg(when, DayName(weekday), ProgramTitle(file))
                        .arg(timers.size()));
    m_day->Show(std::move(timers), {{when, weekday}});
}

}  // namespace pages
