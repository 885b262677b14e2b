// The week picture: where the bars of a program's timers lie and what hovering them says.
#include <gtest/gtest.h>
#include <QTest>

#include "pages/overview/WeekView.h"

namespace {

using pages::TimerRef;

core::TimerData Timer(std::uint16_t mode, int fromHour, int toHour, std::uint32_t weekdays) {
    core::TimerData timer;
    timer.record.mode = mode;
    timer.record.startHour = static_cast<std::uint8_t>(fromHour);
    timer.record.endHour = static_cast<std::uint8_t>(toHour);
    timer.record.weekdays = weekdays;
    return timer;
}

const core::CardFileId kSch01{core::CardFileKind::GeneralSchedule, 0};

TEST(WeekViewTest, BarsLieInTheirDaysAndHours) {
    const std::vector<core::TimerData> data = {
        Timer(core::kMusicTimer, 6, 12, 1u << 1),             // Monday morning
        Timer(core::kRadioTimer, 12, 18, 1u << 0 | 1u << 6),  // weekend afternoons
        Timer(core::kPowerTimer, 22, 2, 1u << 3),             // Wednesday night into Thursday
    };
    std::vector<TimerRef> timers;
    for (std::size_t i = 0; i < data.size(); ++i) timers.push_back({kSch01, static_cast<int>(i), &data[i]});
    const QRectF area(0, 0, 730, 496);  // a grid of 700 × 480: 100 a day, 20 an hour
    const auto bars = pages::LayOutWeek(area, timers, pages::WeekColumns());

    struct Expected {
        int timer;
        int column;  // Monday 0 ... Sunday 6
        int fromHour, toHour;
    };
    const Expected expected[] = {{0, 0, 6, 12}, {2, 2, 22, 24}, {2, 2, 0, 2}, {1, 5, 12, 18}, {1, 6, 12, 18}};
    ASSERT_EQ(bars.size(), std::size(expected));
    for (std::size_t i = 0; i < bars.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(bars[i].timer, expected[i].timer);
        EXPECT_NEAR(bars[i].rect.center().x(), 30 + 100 * expected[i].column + 50, 1);
        EXPECT_NEAR(bars[i].rect.top(), 16 + 20 * expected[i].fromHour, 0.5);
        EXPECT_NEAR(bars[i].rect.bottom(), 16 + 20 * expected[i].toHour, 0.5);
    }
}

TEST(WeekViewTest, HoveringABarNamesItsTimers) {
    const std::vector<core::TimerData> data = {Timer(core::kMusicTimer, 0, 12, 0),
                                               Timer(core::kPowerTimer, 6, 7, 0)};
    const core::CardFileId special{core::CardFileKind::SpecialSchedule, 2};
    pages::WeekView view;
    view.resize(200, 496);
    view.Show({{special, 0, &data[0]}, {special, 1, &data[1]}}, {{QStringLiteral("特殊程序"), -1}});
    EXPECT_EQ(view.ToolTipAt({100, 16 + 20 * 3}),
              QStringLiteral("SPSCH03.DAT 定时 1 音乐定时 00:00:00-12:00:00"));
    EXPECT_EQ(
        view.ToolTipAt({100, 16 + 20 * 6.5}),
        QStringLiteral(
            "SPSCH03.DAT 定时 1 音乐定时 00:00:00-12:00:00\nSPSCH03.DAT 定时 2 电源定时 06:00:00-07:00:00"));
    EXPECT_EQ(view.ToolTipAt({100, 16 + 20 * 18}), QString());
    EXPECT_EQ(view.ToolTipAt({10, 16 + 20 * 3}), QString()) << "the hour labels hold no timer";
    // Painting goes through the same layout; it must not trip over an empty picture either.
    EXPECT_FALSE(view.grab().isNull());
    view.Show({}, {});
    EXPECT_FALSE(view.grab().isNull());
}

}  // namespace
