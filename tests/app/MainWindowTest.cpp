#include <QComboBox>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>

#include "MainWindowFixture.h"
#include "app/AppIcon.h"
#include "pages/dates/DateControlIds.h"
#include "tests/support/ui/QtPrinters.h"
#include "ui/DialogUnits.h"

namespace {

TEST_F(MainWindowTest, OpensOnTheGeneralTabWithOnlyItsPageShown) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("时程播放器使用工具"));
    ASSERT_EQ(Bar().count(), kOverviewTab + 1);
    EXPECT_EQ(Bar().tabText(0), QStringLiteral("一般时程设置"));
    EXPECT_EQ(Bar().tabText(1), QStringLiteral("特殊时程设置"));
    EXPECT_EQ(Bar().tabText(2), QStringLiteral("特殊日期设置"));
    EXPECT_EQ(Bar().tabText(kOverviewTab), QStringLiteral("全卡总览"));
    EXPECT_EQ(Bar().currentIndex(), 0);
    EXPECT_EQ(VisiblePages(), std::vector<int>{0});
}

TEST_F(MainWindowTest, ClientAreaAndTabStripFollowTheTemplate) {
    ASSERT_EQ(ui::DialogDpi(&window), 96) << "the pixel figures below are those of 96 dpi";
    EXPECT_EQ(window.size(), QSize(660, 612));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the frame is not resizable";
    EXPECT_EQ(window.Tabs().geometry(), QRect(11, 11, 627, 591));
    EXPECT_EQ(ui::ControlId(&window.Tabs()), 1000);
    EXPECT_EQ(window.Tabs().focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(Bar().focusPolicy(), Qt::NoFocus);
}

TEST_F(MainWindowTest, PagesLieOnOneRectangleInsideTheTabStrip) {
    const TabStrip& strip = window.Tabs();
    for (int tab = 0; tab < kTabCount; ++tab) {
        SCOPED_TRACE(tab);
        const QWidget* page = window.Page(tab);
        EXPECT_EQ(page->parentWidget(), &strip);
        EXPECT_EQ(page->geometry().topLeft(), QPoint(1, 20));
        EXPECT_EQ(page->geometry().right(), strip.width() - 1);
        EXPECT_EQ(page->geometry().bottom(), strip.height() - 1);
    }
}

TEST_F(MainWindowTest, EveryTabChangeShowsExactlyOnePage) {
    for (int tab : {1, 2, 0, 2, 1, 0}) {
        SCOPED_TRACE(tab);
        ClickTab(tab);
        EXPECT_EQ(VisiblePages(), std::vector<int>{tab});
    }
}

// What a person does on the date page, read back through its controls.
struct DatePageState {
    QString savePath;
    int program;
    int month;
    int day;
    QStringList dates;
    bool operator==(const DatePageState&) const = default;
};

void PrintTo(const DatePageState& state, std::ostream* out) {
    *out << "folder \"" << state.savePath.toStdString() << "\", program " << state.program << ", month "
         << state.month << ", day " << state.day << ", dates \"" << state.dates.join(' ').toStdString()
         << '"';
}

DatePageState StateOf(const QWidget& page) {
    using namespace pages::date_ids;
    using namespace core;
    DatePageState state{ui::RequireControl<QLineEdit>(&page, kSavePath).text(),
                        ui::RequireControl<QComboBox>(&page, kProgram).currentIndex(),
                        ui::RequireControl<QComboBox>(&page, kMonth).currentIndex(),
                        ui::RequireControl<QComboBox>(&page, kDay).currentIndex(),
                        {}};
    const auto& list = ui::RequireControl<QListWidget>(&page, kDateList);
    for (int row = 0; row < list.count(); ++row) state.dates << list.item(row)->text();
    return state;
}

TEST_F(MainWindowTest, AHiddenPageKeepsItsState) {
    using namespace pages::date_ids;
    using namespace core;
    QWidget& page = *window.Page(2);
    ClickTab(2);
    dialogs.AnswerFolder(QStringLiteral("/card"));
    ui::RequireControl<QPushButton>(&page, kOpenFolder).click();
    auto& program = ui::RequireControl<QComboBox>(&page, kProgram);
    program.setCurrentIndex(2);
    emit program.activated(2);
    ui::RequireControl<QComboBox>(&page, kMonth).setCurrentIndex(2);
    ui::RequireControl<QComboBox>(&page, kDay).setCurrentIndex(7);
    ui::RequireControl<QPushButton>(&page, kAddDate).click();
    const DatePageState before = StateOf(page);
    ASSERT_EQ(before, (DatePageState{"/card", 2, 2, 7, {"03月08日"}}));

    ClickTab(0);
    ClickTab(2);
    EXPECT_EQ(StateOf(page), before);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(MainWindowTest, WindowAndApplicationCarryTheIconIn16And32Pixels) {
    for (const QIcon& icon : {AppIcon(), window.windowIcon()}) {
        const QList<QSize> sizes = icon.availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(16, 16)));
        EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    }
    for (int size : {16, 32}) {
        // Drawn, not blank: opaque pixels in the middle, a transparent corner.
        const QImage image = AppIcon().pixmap(size).toImage();
        EXPECT_EQ(qAlpha(image.pixel(size * 13 / 32, size * 13 / 32)), 255) << size;
        EXPECT_EQ(qAlpha(image.pixel(size - 1, 0)), 0) << size;
    }
}

}  // namespace
