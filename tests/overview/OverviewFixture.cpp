#include "OverviewFixture.h"

#include <QAbstractItemModel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "../ui/FocusHelpers.h"
#include "core/card/CardFiles.h"
#include "core/fs/FileSystem.h"
#include "core/schedule/ScheduleFile.h"
#include "pages/overview/OverviewIds.h"
#include "pages/schedule/ControlIds.h"

namespace overviewtest {

namespace {

core::TimerData Timer(std::uint16_t mode, int fromHour, int fromMinute, int toHour, int toMinute,
                      std::uint32_t weekdays, std::vector<std::u16string> music = {}) {
    core::TimerData timer;
    core::TimerRecord& r = timer.record;
    r.mode = mode;
    r.weekdays = weekdays;
    r.startHour = static_cast<std::uint8_t>(fromHour);
    r.startMinute = static_cast<std::uint8_t>(fromMinute);
    r.endHour = static_cast<std::uint8_t>(toHour);
    r.endMinute = static_cast<std::uint8_t>(toMinute);
    r.power = core::kPower1;
    r.zones = core::kAllZones;
    r.frequency = mode == core::kRadioTimer ? 9010 : 0;
    r.musicCount = static_cast<std::uint16_t>(music.size());
    timer.musicNames = std::move(music);
    return timer;
}

void WriteProgram(const std::string& folder, core::CardFileKind kind, int program,
                  const std::vector<core::TimerData>& timers) {
    core::FileSystem& fs = core::SystemFileSystem();
    const std::string path = core::CardFilePath(folder, kind, program);
    ASSERT_TRUE(core::CreateScheduleFile(fs, path, static_cast<std::uint16_t>(program), timers.front()).ok());
    for (std::size_t i = 1; i < timers.size(); ++i) ASSERT_TRUE(core::AppendTimer(fs, path, timers[i]).ok());
}

void WriteDates(const std::string& folder, int list, const std::vector<core::SpecialDate>& dates) {
    const std::string path = core::CardFilePath(folder, core::CardFileKind::SpecialDates, list);
    ASSERT_TRUE(core::WriteDateFile(core::SystemFileSystem(), path, dates).ok());
}

}  // namespace

void WriteSampleCard(const std::string& folder) {
    using core::CardFileKind;
    WriteProgram(folder, CardFileKind::GeneralSchedule, 0,
                 {Timer(core::kMusicTimer, 8, 0, 9, 0, core::kMondayToFriday, {u"a.mp3", u"b.mp3"}),
                  Timer(core::kRadioTimer, 10, 0, 11, 0, core::kMondayToFriday),
                  Timer(core::kPowerTimer, 10, 0, 10, 30, core::kMondayToFriday)});
    WriteProgram(folder, CardFileKind::GeneralSchedule, 1, {Timer(core::kPowerTimer, 6, 0, 6, 5, 0x7F)});
    WriteProgram(folder, CardFileKind::SpecialSchedule, 1,
                 {Timer(core::kMusicTimer, 9, 0, 12, 0, 0, {u"c.mp3"})});
    WriteDates(folder, 1, {{5, 1}, {12, 25}});
    WriteDates(folder, 2, {{12, 25}});
}

void OverviewTest::SetUp() {
    WriteSampleCard(card.path());
    window = std::make_unique<MainWindow>(dialogs, core::SystemFileSystem());
    ASSERT_TRUE(ShowActive(window.get()));
}

void OverviewTest::TearDown() {
    Overview().WaitForWork();
    EXPECT_TRUE(dialogs.AllAnswersUsed());
}

pages::OverviewPage& OverviewTest::Overview() { return *static_cast<pages::OverviewPage*>(window->Page(3)); }

void OverviewTest::ShowOverview() {
    window->Tabs().Bar().setCurrentIndex(3);
    Overview().WaitForWork();
}

void OverviewTest::OpenCardOnGeneralPage() {
    window->Tabs().Bar().setCurrentIndex(0);
    dialogs.AnswerFolder(QString::fromStdString(card.path()));
    QTest::mouseClick(&ui::RequireControl<QPushButton>(window->Page(0), pages::ids::kOpenFolder),
                      Qt::LeftButton);
}

QStringList OverviewTest::TableRows() {
    const QAbstractItemModel& model = *Control<QTableView>(pages::overview_ids::kTimerTable).model();
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            cells << model.index(row, column).data().toString();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

QStringList OverviewTest::FindingTexts() {
    const auto& list = Control<QListWidget>(pages::overview_ids::kFindings);
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) texts << list.item(row)->text();
    return texts;
}

}  // namespace overviewtest
