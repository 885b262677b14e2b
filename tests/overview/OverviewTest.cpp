#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <string>

#include "OverviewFixture.h"
#include "QtPrinters.h"
#include "core/check/CardCheck.h"
#include "core/fs/FileSystem.h"
#include "core/schedule/ScheduleFile.h"
#include "pages/overview/CardOverview.h"
#include "pages/overview/OverviewIds.h"
#include "pages/overview/WeekView.h"
#include "support/TempFolder.h"

namespace overviewtest {
namespace {

using namespace pages::overview_ids;

void DoubleClickRow(QAbstractItemView& view, int row) {
    const QRect cell = view.visualRect(view.model()->index(row, 0));
    ASSERT_TRUE(cell.isValid()) << "row " << row << " is not on screen";
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

// Every file of the card, byte for byte.
std::vector<std::optional<std::vector<std::uint8_t>>> CardBytes(const std::string& folder) {
    std::vector<std::optional<std::vector<std::uint8_t>>> bytes;
    for (const auto& id : core::AllCardFiles()) {
        bytes.push_back(testsupport::ReadFileBytes(core::CardFilePath(folder, id.kind, id.program)));
    }
    return bytes;
}

QString PdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(-1) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

const char* const kSampleRows[] = {
    "SCH01.DAT|1|音乐定时|08:00:00|09:00:00|一二三四五|1|全部||内存|2",
    "SCH01.DAT|2|收音定时|10:00:00|11:00:00|一二三四五|1|全部|90.1MHz||0",
    "SCH01.DAT|3|电源定时|10:00:00|10:30:00|一二三四五|1|全部|||0",
    "SCH02.DAT|1|电源定时|06:00:00|06:05:00|一二三四五六日|1|全部|||0",
    "SPSCH02.DAT|1|音乐定时|09:00:00|12:00:00|—|1|全部||内存|1",
};

QStringList SampleRows(std::initializer_list<int> rows) {
    QStringList texts;
    for (int row : rows) texts << QString::fromUtf8(kSampleRows[row]);
    return texts;
}

TEST_F(OverviewTest, IsTheFourthTabAfterTheThreeOfBefore) {
    QTabBar& bar = window->Tabs().Bar();
    ASSERT_EQ(bar.count(), 4);
    EXPECT_EQ(bar.tabText(3), QStringLiteral("全卡总览"));
    EXPECT_NE(qobject_cast<pages::OverviewPage*>(window->Page(3)), nullptr);
    ShowOverview();
    EXPECT_TRUE(window->Page(3)->isVisible());
    for (int tab = 0; tab < 3; ++tab) EXPECT_FALSE(window->Page(tab)->isVisible()) << tab;
    // The page fits the window's fixed frame.
    EXPECT_TRUE(window->Tabs().rect().contains(window->Page(3)->geometry()));
    for (const QWidget* control : window->Page(3)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(window->Page(3)->rect().contains(control->geometry()))
            << control->metaObject()->className();
    }
}

TEST_F(OverviewTest, StartsWithTheFolderLastOpenedOnAPageAndListsEveryTimer) {
    ShowOverview();
    EXPECT_EQ(Overview().Overview(), nullptr) << "nothing to show before a folder is opened";
    EXPECT_TRUE(TableRows().isEmpty());

    OpenCardOnGeneralPage();
    ShowOverview();
    EXPECT_EQ(Control<QLineEdit>(kFolder).text(), QString::fromStdString(card.path()));
    EXPECT_EQ(TableRows(), SampleRows({0, 1, 2, 3, 4}));
}

TEST_F(OverviewTest, TableSortsFiltersAndNamesTheMusicFiles) {
    OpenCardOnGeneralPage();
    ShowOverview();
    auto& table = Control<QTableView>(kTimerTable);
    const QModelIndex music = table.model()->index(0, 10);
    EXPECT_EQ(music.data(Qt::ToolTipRole).toString(), QStringLiteral("a.mp3\nb.mp3"));

    table.sortByColumn(3, Qt::DescendingOrder);  // start, latest first; ties keep card order
    EXPECT_EQ(TableRows(), SampleRows({1, 2, 4, 0, 3}));
    table.sortByColumn(0, Qt::AscendingOrder);

    struct Filter {
        int choice;
        std::initializer_list<int> rows;
    };
    for (const Filter& filter :
         {Filter{1, {0, 1, 2}}, Filter{2, {3}}, Filter{3, {}}, Filter{6, {4}}, Filter{0, {0, 1, 2, 3, 4}}}) {
        SCOPED_TRACE(filter.choice);
        Control<QComboBox>(kProgramFilter).setCurrentIndex(filter.choice);
        EXPECT_EQ(TableRows(), SampleRows(filter.rows));
    }
}

TEST_F(OverviewTest, FindingsListShowsWhatTheCheckFinds) {
    dialogs.AnswerFolder(QString::fromStdString(card.path()));
    ShowOverview();
    QTest::mouseClick(&Control<QPushButton>(kOpenFolder), Qt::LeftButton);
    Overview().WaitForWork();

    const auto findings = core::CheckCardFolder(core::SystemFileSystem(), card.path());
    ASSERT_TRUE(findings.ok());
    ASSERT_FALSE(findings->empty());
    QStringList expected;
    for (const core::Finding& finding : *findings) expected << pages::FindingText(finding);
    EXPECT_EQ(FindingTexts(), expected);
    EXPECT_TRUE(FindingTexts().filter(QStringLiteral("SDATE02.DAT 12-25、SDATE03.DAT")).size() == 1)
        << FindingTexts().join(QLatin1Char('\n')).toStdString();
    const auto& list = Control<QListWidget>(kFindings);
    for (int row = 0; row < list.count(); ++row) EXPECT_FALSE(list.item(row)->icon().isNull()) << row;
}

TEST_F(OverviewTest, DoubleClickingAFindingOpensItsPageReadyToEdit) {
    OpenCardOnGeneralPage();
    ShowOverview();
    // A copy: showing the tab again reads the card afresh.
    const std::vector<core::Finding> findings = Overview().Overview()->findings;
    auto& list = Control<QListWidget>(kFindings);

    // A finding on a later timer of the general schedule: the general page at that timer.
    const auto onTimer = std::find_if(findings.begin(), findings.end(), [](const core::Finding& f) {
        return f.file == "SCH01.DAT" && f.timer.value_or(0) >= 2;
    });
    ASSERT_NE(onTimer, findings.end());
    DoubleClickRow(list, static_cast<int>(onTimer - findings.begin()));
    EXPECT_EQ(window->Tabs().Bar().currentIndex(), 0);
    const auto& general = static_cast<pages::SchedulePage*>(window->Page(0))->editor();
    EXPECT_EQ(general.saveFolder(), card.path());
    EXPECT_EQ(general.program(), 0);
    EXPECT_EQ(general.timerIndex(), static_cast<std::uint32_t>(*onTimer->timer - 1));
    EXPECT_EQ(general.record().startHour, 10);

    // A finding on a date list: the date page with that list.
    ShowOverview();
    const auto onDates = std::find_if(findings.begin(), findings.end(),
                                      [](const core::Finding& f) { return f.file == "SDATE02.DAT"; });
    ASSERT_NE(onDates, findings.end());
    DoubleClickRow(list, static_cast<int>(onDates - findings.begin()));
    EXPECT_EQ(window->Tabs().Bar().currentIndex(), 2);
    const auto& dates = static_cast<pages::SpecialDatePage*>(window->Page(2))->Editor();
    EXPECT_EQ(dates.SaveFolder(), card.path());
    EXPECT_EQ(dates.Program(), 1);
    EXPECT_EQ(dates.Dates().size(), 2u);
}

TEST_F(OverviewTest, DoubleClickingATimerOpensItOnItsPage) {
    OpenCardOnGeneralPage();
    ShowOverview();
    DoubleClickRow(Control<QTableView>(kTimerTable), 4);  // SPSCH02.DAT timer 1
    EXPECT_EQ(window->Tabs().Bar().currentIndex(), 1);
    const auto& special = static_cast<pages::SchedulePage*>(window->Page(1))->editor();
    EXPECT_EQ(special.saveFolder(), card.path());
    EXPECT_EQ(special.program(), 1);
    EXPECT_EQ(special.timerIndex(), 0u);
    EXPECT_EQ(special.record().endHour, 12);
}

TEST_F(OverviewTest, ReadsTheCardAgainWhenShownOrRefreshed) {
    OpenCardOnGeneralPage();
    ShowOverview();
    const std::string sch02 = core::CardFilePath(card.path(), core::CardFileKind::GeneralSchedule, 1);
    core::TimerData later;
    later.record.mode = core::kPowerTimer;
    later.record.startHour = 7;
    later.record.endHour = 8;
    ASSERT_TRUE(core::AppendTimer(core::SystemFileSystem(), sch02, later).ok());

    window->Tabs().Bar().setCurrentIndex(2);
    ShowOverview();
    EXPECT_EQ(TableRows().size(), 6);

    ASSERT_TRUE(core::DeleteTimer(core::SystemFileSystem(), sch02, 1).ok());
    QTest::mouseClick(&Control<QPushButton>(kRefresh), Qt::LeftButton);
    Overview().WaitForWork();
    EXPECT_EQ(TableRows(), SampleRows({0, 1, 2, 3, 4}));
}

TEST_F(OverviewTest, DayPickerSaysWhatRunsThatDay) {
    OpenCardOnGeneralPage();
    ShowOverview();
    auto& calendar = Control<QCalendarWidget>(kCalendar);
    const auto& text = Control<QLabel>(kDayText);
    struct Day {
        QDate date;
        QStringList said;
        int timers;  // bars' timers in the one-day picture
    };
    const Day days[] = {
        // 2024-12-25 is in SDATE02 and SDATE03.
        {QDate(2024, 12, 25), {QStringLiteral("SDATE02.DAT、SDATE03.DAT"), QStringLiteral("不能确定")}, 0},
        {QDate(2024, 5, 1), {QStringLiteral("特殊时程"), QStringLiteral("SPSCH02.DAT")}, 1},
        // A Monday and a Sunday without special dates: the general program's timers of that day.
        {QDate(2024, 5, 6),
         {QStringLiteral("一般时程"), QStringLiteral("SCH01.DAT"), QStringLiteral("3 个定时")},
         3},
        {QDate(2024, 5, 5), {QStringLiteral("一般时程"), QStringLiteral("0 个定时")}, 0},
    };
    for (const Day& day : days) {
        SCOPED_TRACE(day.date.toString(Qt::ISODate).toStdString());
        calendar.setSelectedDate(day.date);
        for (const QString& part : day.said)
            EXPECT_TRUE(text.text().contains(part)) << text.text().toStdString();
        EXPECT_EQ(static_cast<int>(Control<pages::WeekView>(kDayView).Timers().size()), day.timers);
    }
    Control<QComboBox>(kDayProgram).setCurrentIndex(1);  // SCH02: every day
    EXPECT_TRUE(text.text().contains(QStringLiteral("SCH02.DAT"))) << text.text().toStdString();
    EXPECT_EQ(Control<pages::WeekView>(kDayView).Timers().size(), 1u);
}

TEST_F(OverviewTest, ReportHoldsTheWholeCardAndTheCardStaysAsItWas) {
    OpenCardOnGeneralPage();
    ShowOverview();
    const auto before = CardBytes(card.path());
    testsupport::TempFolder out;
    const QString path = QString::fromStdString(out / "card.pdf");
    dialogs.AnswerSaveFile(path);
    QTest::mouseClick(&Control<QPushButton>(kExport), Qt::LeftButton);
    Overview().WaitForWork();
    EXPECT_EQ(dialogs.SaveFileTitles(), QStringList{QStringLiteral("导出报告")});
    EXPECT_TRUE(dialogs.Messages().isEmpty());
    EXPECT_EQ(CardBytes(card.path()), before) << "the overview never writes the card";

    const auto pdf = testsupport::ReadFileBytes(path.toStdString());
    ASSERT_TRUE(pdf.has_value());
    EXPECT_EQ(std::string(pdf->begin(), pdf->begin() + std::min<std::size_t>(pdf->size(), 5)), "%PDF-");
#ifdef _WIN32
    // Windows has no pdftotext to read the report back; its text is compared on Linux.
    GTEST_SKIP() << "the report's text is read back with pdftotext, which only the Linux builds have";
#endif
    // pdftotext breaks long lines at will: compare without the spaces it puts in.
    const QString text = PdfText(path).remove(QLatin1Char(' '));
    ASSERT_FALSE(text.isEmpty()) << "pdftotext could not read " << path.toStdString();
    const auto findings = Overview().Overview()->findings;
    QStringList expected = {QStringLiteral("全卡总览报告"),
                            QStringLiteral("SCH01.DAT第一组程序"),
                            QStringLiteral("SPSCH02.DAT第二组程序"),
                            QStringLiteral("08:00:00"),
                            QStringLiteral("90.1MHz"),
                            QStringLiteral("特殊日期"),
                            QStringLiteral("12月"),
                            QStringLiteral("检查结果")};
    for (const core::Finding& finding : findings)
        expected << QString::fromUtf8(finding.message).remove(QLatin1Char(' ')).left(8);
    for (const QString& part : expected) EXPECT_TRUE(text.contains(part)) << part.toStdString();
}

TEST_F(OverviewTest, ReportQuestionCancelledOrRefusedWritesNothing) {
    OpenCardOnGeneralPage();
    ShowOverview();
    testsupport::TempFolder out;
    dialogs.AnswerSaveFile(std::nullopt);
    QTest::mouseClick(&Control<QPushButton>(kExport), Qt::LeftButton);
    Overview().WaitForWork();
    EXPECT_TRUE(out.Entries().empty());
    EXPECT_TRUE(dialogs.Messages().isEmpty());

    const QString missing = QString::fromStdString(out / "no-such-folder/card.pdf");
    dialogs.AnswerSaveFile(missing);
    QTest::mouseClick(&Control<QPushButton>(kExport), Qt::LeftButton);
    Overview().WaitForWork();
    EXPECT_EQ(dialogs.Messages(), QStringList{QStringLiteral("报告无法写入：%1").arg(missing)});
    EXPECT_TRUE(out.Entries().empty());
}

TEST_F(OverviewTest, EveryControlCarriesANewId) {
    const int ids[] = {kFolder,   kOpenFolder,    kRefresh,    kExport,   kProgress,
                       kViews,    kProgramFilter, kTimerTable, kFindings, kWeekProgram,
                       kWeekView, kCalendar,      kDayProgram, kDayText,  kDayView};
    for (int id : ids) {
        SCOPED_TRACE(id);
        EXPECT_GE(id, 2000);
        EXPECT_NO_THROW(Control<QWidget>(id));
    }
}

}  // namespace
}  // namespace overviewtest
