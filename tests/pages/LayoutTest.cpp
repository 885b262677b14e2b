// Every control of both schedule templates, the fixed lists, and the state right after creation.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <set>

#include "PageFixture.h"
#include "ui/DialogUnits.h"

namespace pagetest {
namespace {

using ui::ControlKind;
using K = ControlKind;

struct ExpectedControl {
    int id;
    ControlKind kind;
    const char* caption;
    ui::DialogBox box;
};

// The general page as laid out; the special page differs as Adjusted() says.
const ExpectedControl kGeneralControls[] = {
    {1059, K::Label, "保存路径:", {17, 13, 56, 11}},
    {1045, K::Edit, "", {77, 13, 196, 14}},
    {1048, K::PushButton, "打开...", {287, 13, 52, 15}},
    {1060, K::Label, "程序选择:", {17, 34, 40, 11}},
    {1000, K::DropDownList, "", {57, 32, 59, 0}},
    {1061, K::Label, "节目序号:", {122, 34, 51, 11}},
    {1001, K::Edit, "0", {176, 32, 49, 13}},
    {1062, K::Label, "定时模式:", {237, 35, 40, 11}},
    {1002, K::DropDownList, "", {281, 33, 59, 0}},
    {1063, K::GroupBox, "定时设置", {16, 48, 324, 48}},
    {1064, K::Label, "开始时间:", {22, 62, 46, 11}},
    {1041, K::DropDownList, "", {70, 60, 30, 0}},
    {1042, K::DropDownList, "", {111, 60, 30, 0}},
    {1046, K::DropDownList, "", {153, 60, 30, 0}},
    {1065, K::Label, "结束时间:", {186, 62, 40, 11}},
    {1043, K::DropDownList, "", {225, 60, 30, 0}},
    {1044, K::DropDownList, "", {266, 60, 30, 0}},
    {1047, K::DropDownList, "", {308, 60, 30, 0}},
    {1007, K::CheckBox, "星期日", {20, 78, 39, 13}},
    {1008, K::CheckBox, "星期一", {66, 78, 39, 13}},
    {1009, K::CheckBox, "星期二", {112, 78, 39, 13}},
    {1010, K::CheckBox, "星期三", {161, 78, 39, 13}},
    {1011, K::CheckBox, "星期四", {205, 78, 39, 13}},
    {1012, K::CheckBox, "星期五", {247, 78, 39, 13}},
    {1013, K::CheckBox, "星期六", {291, 78, 39, 13}},
    {1066, K::GroupBox, "电源/分区", {16, 100, 324, 62}},
    {1077, K::CheckBox, "电源1", {23, 110, 44, 13}},
    {1078, K::CheckBox, "电源2", {75, 110, 38, 13}},
    {1080, K::CheckBox, "电源3", {126, 110, 42, 13}},
    {1014, K::CheckBox, "外扩电源", {177, 110, 51, 13}},
    {1081, K::CheckBox, "保持电源", {277, 110, 51, 13}},
    {1067, K::Label, "分区:", {21, 129, 25, 9}},
    {1015, K::CheckBox, "01", {49, 127, 20, 13}},
    {1016, K::CheckBox, "02", {73, 127, 20, 13}},
    {1017, K::CheckBox, "03", {97, 127, 20, 13}},
    {1018, K::CheckBox, "04", {123, 127, 20, 13}},
    {1049, K::CheckBox, "05", {147, 127, 20, 13}},
    {1050, K::CheckBox, "06", {171, 127, 20, 13}},
    {1051, K::CheckBox, "07", {195, 127, 20, 13}},
    {1052, K::CheckBox, "08", {221, 127, 20, 13}},
    {1021, K::CheckBox, "09", {49, 143, 20, 13}},
    {1031, K::CheckBox, "10", {73, 143, 20, 13}},
    {1053, K::CheckBox, "11", {97, 143, 20, 13}},
    {1054, K::CheckBox, "12", {123, 143, 20, 13}},
    {1055, K::CheckBox, "13", {147, 143, 20, 13}},
    {1056, K::CheckBox, "14", {171, 143, 20, 13}},
    {1057, K::CheckBox, "15", {195, 143, 20, 13}},
    {1058, K::CheckBox, "16", {221, 143, 20, 13}},
    {1068, K::Label, "收音机频率:", {18, 168, 56, 11}},
    {1020, K::DropDownList, "", {78, 166, 69, 0}},
    {1069, K::GroupBox, "播放设置", {16, 186, 327, 34}},
    {1039, K::AutoRadioButton, "内存", {21, 200, 63, 10}},
    {1040, K::AutoRadioButton, "外置SD卡", {87, 200, 53, 10}},
    {1070, K::Label, "播放模式:", {146, 200, 40, 11}},
    {1037, K::DropDownList, "", {188, 198, 47, 0}},
    {1071, K::Label, "循环模式:", {239, 200, 49, 11}},
    {1038, K::DropDownList, "", {290, 198, 50, 0}},
    {1072, K::GroupBox, "音乐文件", {16, 222, 317, 116}},
    {1019, K::ListBox, "", {23, 236, 248, 95}},
    {1034, K::PushButton, "添加...", {276, 236, 54, 19}},
    {1023, K::PushButton, "删除", {276, 260, 54, 19}},
    {1024, K::PushButton, "上移", {276, 286, 54, 19}},
    {1025, K::PushButton, "下移", {276, 312, 54, 19}},
    {1073, K::GroupBox, "程序复制", {16, 342, 317, 39}},
    {1074, K::Label, "程序选择:", {25, 360, 40, 11}},
    {1033, K::DropDownList, "", {67, 360, 59, 0}},
    {1075, K::Label, "复制到", {137, 362, 30, 11}},
    {1076, K::Label, "程序选择:", {171, 362, 40, 11}},
    {1032, K::DropDownList, "", {214, 360, 59, 0}},
    {1022, K::PushButton, "复制", {276, 356, 54, 19}},
    {1026, K::PushButton, "下一定时", {352, 35, 54, 19}},
    {1027, K::PushButton, "上一定时", {352, 59, 54, 19}},
    {1035, K::PushButton, "新建", {352, 85, 54, 19}},
    {1036, K::PushButton, "取消", {352, 109, 54, 19}},
    {1028, K::PushButton, "保存", {352, 133, 54, 19}},
    {1029, K::PushButton, "删除", {352, 159, 54, 19}},
    {1030, K::PushButton, "退出", {352, 185, 54, 19}},
};

bool IsWeekday(int id) { return id >= 1007 && id <= 1013; }

// On the special page the rows from the channel row down to the copy frame stand 2 units lower
// and "保持电源" one unit further right.
ui::DialogBox Adjusted(PageKind kind, int id, ui::DialogBox box) {
    if (kind == PageKind::General) return box;
    static const std::set<int> kLowerRows = {1068, 1020, 1069, 1039, 1040, 1070, 1037, 1071,
                                             1038, 1072, 1019, 1034, 1023, 1024, 1025, 1073,
                                             1074, 1033, 1075, 1076, 1032, 1022};
    if (kLowerRows.count(id) != 0) box.y += 2;
    if (id == 1081) box.x = 278;
    return box;
}

bool IsOfKind(QWidget* widget, ControlKind kind) {
    switch (kind) {
    case K::Label: return qobject_cast<QLabel*>(widget) != nullptr;
    case K::Edit: return qobject_cast<QLineEdit*>(widget) != nullptr;
    case K::PushButton: return qobject_cast<QPushButton*>(widget) != nullptr;
    case K::CheckBox: return qobject_cast<QCheckBox*>(widget) != nullptr;
    case K::AutoRadioButton: return qobject_cast<QRadioButton*>(widget) != nullptr;
    case K::GroupBox: return qobject_cast<QGroupBox*>(widget) != nullptr;
    case K::DropDownList: {
        auto* combo = qobject_cast<QComboBox*>(widget);
        return combo != nullptr && !combo->isEditable();
    }
    case K::DropDownCombo: return false;
    case K::ListBox: return qobject_cast<QListWidget*>(widget) != nullptr;
    }
    return false;
}

QString CaptionOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
    return {};
}

using LayoutTest = SchedulePageTest;

TEST_P(LayoutTest, EveryControlStandsInItsBoxWithItsKindAndCaption) {
    const int dpi = ui::DialogDpi(&Page());
    for (const ExpectedControl& expected : kGeneralControls) {
        SCOPED_TRACE(expected.id);
        QWidget* widget = ui::FindControl(&Page(), expected.id);
        if (!IsGeneral() && IsWeekday(expected.id)) {
            EXPECT_EQ(widget, nullptr);
            continue;
        }
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(IsOfKind(widget, expected.kind));
        EXPECT_EQ(CaptionOf(widget), QString::fromUtf8(expected.caption));
        const QRect box = ui::DialogBoxToPixels(Adjusted(GetParam(), expected.id, expected.box), dpi);
        if (expected.kind == K::DropDownList) {
            // A combo's box height is its opened list; the field is as tall as the font needs.
            EXPECT_EQ(widget->geometry().topLeft(), box.topLeft());
            EXPECT_EQ(widget->width(), box.width());
        } else {
            EXPECT_EQ(widget->geometry(), box);
        }
    }
}

TEST_P(LayoutTest, ControlsWithoutIdAreTheFourTimeSeparatorsAndTheCommandFrame) {
    const int dpi = ui::DialogDpi(&Page());
    QList<QRect> separators;
    QList<QRect> frames;
    for (QWidget* child : Page().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (ui::ControlId(child) != ui::kNoControlId) continue;
        if (auto* label = qobject_cast<QLabel*>(child)) {
            EXPECT_EQ(label->text(), QStringLiteral("："));
            separators << label->geometry();
        } else if (auto* frame = qobject_cast<QGroupBox*>(child)) {
            EXPECT_EQ(frame->title(), QString());
            frames << frame->geometry();
        }
    }
    QList<QRect> expectedSeparators;
    for (int x : {101, 143, 256, 298}) expectedSeparators << ui::DialogBoxToPixels({x, 64, 8, 11}, dpi);
    EXPECT_EQ(separators, expectedSeparators);
    EXPECT_EQ(frames, QList<QRect>{ui::DialogBoxToPixels({345, 10, 66, 324}, dpi)});
}

TEST_P(LayoutTest, PageHasTheTemplateSize) {
    EXPECT_EQ(Page().size(), ui::DialogSizeToPixels(418, 390, ui::DialogDpi(&Page())));
}

QStringList Items(QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
    return items;
}

TEST_P(LayoutTest, FixedListsHoldTheirEntriesInOrder) {
    EXPECT_EQ(
        Items(Control<QComboBox>(1002)),
        (QStringList{QStringLiteral("音乐定时"), QStringLiteral("收音定时"), QStringLiteral("电源定时")}));
    EXPECT_EQ(Items(Control<QComboBox>(1037)),
              (QStringList{QStringLiteral("顺序播放"), QStringLiteral("随机播放")}));
    EXPECT_EQ(Items(Control<QComboBox>(1038)),
              (QStringList{QStringLiteral("全部一起"), QStringLiteral("全部循环")}));

    QStringList programs = {QStringLiteral("第一组程序"), QStringLiteral("第二组程序"),
                            QStringLiteral("第三组程序"), QStringLiteral("第四组程序")};
    if (!IsGeneral()) programs << QStringLiteral("第五组程序") << QStringLiteral("第六组程序");
    for (int id : {1000, 1033, 1032}) EXPECT_EQ(Items(Control<QComboBox>(id)), programs) << id;

    for (int id : {1041, 1043}) {
        const QStringList hours = Items(Control<QComboBox>(id));
        ASSERT_EQ(hours.size(), 24);
        EXPECT_EQ(hours.first(), "00");
        EXPECT_EQ(hours[9], "09");
        EXPECT_EQ(hours.last(), "23");
    }
    for (int id : {1042, 1044, 1046, 1047}) {
        const QStringList sixty = Items(Control<QComboBox>(id));
        ASSERT_EQ(sixty.size(), 60);
        EXPECT_EQ(sixty.first(), "00");
        EXPECT_EQ(sixty.last(), "59");
    }
    const QStringList channels = Items(Control<QComboBox>(1020));
    ASSERT_EQ(channels.size(), 206);
    EXPECT_EQ(channels[0], "87.5MHz");
    EXPECT_EQ(channels[1], "87.6MHz");
    EXPECT_EQ(channels[25], "90.0MHz");
    EXPECT_EQ(channels[124], "99.9MHz");
    EXPECT_EQ(channels[125], "100.0MHz");
    EXPECT_EQ(channels[205], "108.0MHz");
}

TEST_P(LayoutTest, StartsWithNothingChosenAndMemoryAsSource) {
    for (QComboBox* combo : Page().findChildren<QComboBox*>()) {
        EXPECT_EQ(combo->currentIndex(), -1) << ui::ControlId(combo);
    }
    for (QCheckBox* box : Page().findChildren<QCheckBox*>())
        EXPECT_FALSE(box->isChecked()) << ui::ControlId(box);
    for (QWidget* control : Page().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(control->isEnabled()) << ui::ControlId(control);
    }
    EXPECT_TRUE(Checked(1039));
    EXPECT_FALSE(Checked(1040));
    EXPECT_TRUE(MusicEntries().isEmpty());
    EXPECT_EQ(Control<QLineEdit>(1045).text(), QString());
    EXPECT_EQ(Number(), "0");
}

TEST_P(LayoutTest, StartsWithAnEmptyEditingStateAndEmptySummaries) {
    EXPECT_EQ(Editor().saveFolder(), "");
    EXPECT_EQ(Editor().timerNumber(), 0u);
    EXPECT_EQ(Editor().timerIndex(), 0u);
    EXPECT_EQ(Editor().timerCount(), 0u);
    EXPECT_EQ(Editor().program(), 0);

    core::TimerRecord expected;
    expected.weekdays = 0x3E;
    expected.zones = 0xFFFF;
    expected.frequency = 8750;
    EXPECT_EQ(Editor().record(), expected);

    const core::TimerSummary empty{0xFFFF, 0xFF, 0xFF, 0xFF};
    for (int program = 0; program < Variant().programCount(); ++program) {
        for (const core::TimerSummary& slot : Editor().summary(program)) ASSERT_EQ(slot, empty);
    }
}

TEST_P(LayoutTest, EnterMovesTheFocusAndPressesNoButton) {
    Page().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Page()));
    Control(1041).setFocus();
    QTest::keyClick(&Control(1041), Qt::Key_Return);
    EXPECT_EQ(ui::ControlId(QApplication::focusWidget()), 1042);

    // "保存" has the focus; Enter moves on to "删除" instead of saving.
    Control(1028).setFocus();
    QTest::keyClick(&Control(1028), Qt::Key_Return);
    EXPECT_EQ(ui::ControlId(QApplication::focusWidget()), 1029);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

INSTANTIATE_FOR_BOTH_PAGES(LayoutTest);

}  // namespace
}  // namespace pagetest
