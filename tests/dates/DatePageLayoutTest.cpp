#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <span>

#include "DatePageFixture.h"
#include "ui/DialogFont.h"
#include "ui/DialogUnits.h"

using namespace pages;
using namespace pages::date_ids;
using namespace core;

namespace {

using DatePageLayout = DatePageTest;

enum class Kind { Label, Button, Frame, PickList, EditableCombo, List, ReadOnlyEdit };

struct ExpectedControl {
    int id;
    Kind kind;
    const char* caption;
    ui::DialogBox box;
};

// Every control as the page shows it once initialised, in Tab order where it takes the focus.
const ExpectedControl kControls[] = {
    {1048, Kind::Button, "打开...", {279, 32, 52, 15}},
    {1077, Kind::Frame, "特殊日期设置", {13, 85, 329, 182}},
    {1060, Kind::Label, "程序选择：", {20, 102, 40, 11}},
    {1000, Kind::PickList, "第一组程序", {60, 99, 59, 101}},
    {1078, Kind::Label, "月份：", {20, 124, 31, 11}},
    {1007, Kind::EditableCombo, "01", {52, 122, 47, 142}},
    {1079, Kind::Label, "日期：", {104, 124, 24, 11}},
    {1008, Kind::EditableCombo, "01", {131, 122, 47, 142}},
    {1034, Kind::Button, "添加", {279, 119, 56, 16}},
    {1080, Kind::Frame, "特殊日期", {19, 138, 317, 116}},
    {1019, Kind::List, "", {25, 152, 306, 95}},
    {1028, Kind::Button, "保存", {351, 283, 54, 19}},
    {1029, Kind::Button, "删除", {351, 309, 54, 19}},
    {1030, Kind::Button, "退出", {351, 335, 54, 19}},
    {1059, Kind::Label, "保存路径:", {17, 32, 56, 11}},
    {1045, Kind::ReadOnlyEdit, "", {77, 32, 196, 14}},
};

QString CaptionOf(QWidget* control, Kind kind) {
    switch (kind) {
    case Kind::Label: return qobject_cast<QLabel*>(control)->text();
    case Kind::Button: return qobject_cast<QPushButton*>(control)->text();
    case Kind::Frame: return qobject_cast<QGroupBox*>(control)->title();
    case Kind::PickList:
    case Kind::EditableCombo: return qobject_cast<QComboBox*>(control)->currentText();
    case Kind::List: return {};
    case Kind::ReadOnlyEdit: return qobject_cast<QLineEdit*>(control)->text();
    }
    return {};
}

bool IsOfKind(QWidget* control, Kind kind) {
    switch (kind) {
    case Kind::Label: return qobject_cast<QLabel*>(control) != nullptr;
    case Kind::Button: return qobject_cast<QPushButton*>(control) != nullptr;
    case Kind::Frame: return qobject_cast<QGroupBox*>(control) != nullptr;
    case Kind::PickList:
    case Kind::EditableCombo: {
        auto* combo = qobject_cast<QComboBox*>(control);
        return combo != nullptr && combo->isEditable() == (kind == Kind::EditableCombo);
    }
    case Kind::List:
        return qobject_cast<QListWidget*>(control) != nullptr &&
               qobject_cast<QListWidget*>(control)->selectionMode() == QAbstractItemView::SingleSelection;
    case Kind::ReadOnlyEdit: {
        auto* edit = qobject_cast<QLineEdit*>(control);
        return edit != nullptr && edit->isReadOnly() && edit->hasFrame();
    }
    }
    return false;
}

// A combo keeps the height its field needs; the box height is that of its opened list.
void ExpectPlacedAt(QWidget* control, const ui::DialogBox& box, int dpi) {
    const QRect expected = ui::DialogBoxToPixels(box, dpi);
    if (qobject_cast<QComboBox*>(control) != nullptr) {
        EXPECT_EQ(control->pos(), expected.topLeft());
        EXPECT_EQ(control->width(), expected.width());
    } else {
        EXPECT_EQ(control->geometry(), expected);
    }
}

TEST_F(DatePageLayout, EveryControlHasItsIdKindCaptionAndBox) {
    const int dpi = ui::DialogDpi(page.get());
    EXPECT_EQ(page->size(), ui::DialogSizeToPixels(418, 372, dpi));
    EXPECT_EQ(page->font(), ui::DialogFont());
    for (const ExpectedControl& expected : kControls) {
        SCOPED_TRACE(expected.id);
        QWidget* control = ui::FindControl(page.get(), expected.id);
        ASSERT_NE(control, nullptr);
        ASSERT_TRUE(IsOfKind(control, expected.kind));
        EXPECT_EQ(CaptionOf(control, expected.kind), QString::fromUtf8(expected.caption));
        ExpectPlacedAt(control, expected.box, dpi);
    }
}

TEST_F(DatePageLayout, TheButtonsOnTheRightStandInAFrameWithoutCaption) {
    const QRect expected = ui::DialogBoxToPixels({345, 10, 66, 352}, ui::DialogDpi(page.get()));
    int frames = 0;
    for (auto* frame : page->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
        if (ui::ControlId(frame) != ui::kNoControlId) continue;
        ++frames;
        EXPECT_EQ(frame->title(), "");
        EXPECT_EQ(frame->geometry(), expected);
    }
    EXPECT_EQ(frames, 1);
}

TEST_F(DatePageLayout, TheListsHoldTheProgramsMonthsAndDays) {
    const auto items = [](const QComboBox& combo) {
        QStringList texts;
        for (int i = 0; i < combo.count(); ++i) texts << combo.itemText(i);
        return texts;
    };
    EXPECT_EQ(items(Combo(kProgram)), QStringList({"第一组程序", "第二组程序", "第三组程序", "第四组程序",
                                                   "第五组程序", "第六组程序"}));
    EXPECT_EQ(items(Combo(kMonth)), ui::TwoDigitItems(1, 12));
    EXPECT_EQ(items(Combo(kDay)), ui::TwoDigitItems(1, 31));
}

TEST_F(DatePageLayout, StartsWithProgramOneOnJanuaryFirstNoDatesAndNoFolder) {
    EXPECT_EQ(Combo(kProgram).currentIndex(), 0);
    EXPECT_EQ(Combo(kMonth).currentIndex(), 0);
    EXPECT_EQ(Combo(kDay).currentIndex(), 0);
    EXPECT_EQ(List().count(), 0);
    EXPECT_EQ(SavePathShown(), "");
    EXPECT_EQ(page->Editor().SaveFolder(), "");
    EXPECT_EQ(page->Editor().Program(), 0);
    EXPECT_EQ(page->Editor().Dates().size(), 0u);
    EXPECT_EQ(fs.TotalCalls(), 0u) << "no file is read at start";
}

TEST_F(DatePageLayout, EnterWalksTheControlsInTabOrder) {
    page->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    const int order[] = {kOpenFolder, kProgram,    kMonth, kDay,      kAddDate,   kDateList,
                         kSave,       kDeleteDate, kExit,  kSavePath, kOpenFolder};
    ui::FindControl(page.get(), order[0])->setFocus();
    for (int next : std::span(order).subspan(1)) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QWidget* focus = QApplication::focusWidget();
        // A combo's editable field stands for the combo.
        if (ui::ControlId(focus) == ui::kNoControlId && focus != nullptr) focus = focus->parentWidget();
        EXPECT_EQ(ui::ControlId(focus), next);
    }
    EXPECT_TRUE(page->isVisible()) << "Enter closed the page";
    EXPECT_TRUE(dialogs.Messages().isEmpty()) << "Enter pressed a button";
}

}  // namespace
