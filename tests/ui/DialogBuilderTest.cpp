#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <memory>
#include "tests/support/ui/QtPrinters.h"

#include "FocusHelpers.h"
#include "SampleTemplate.h"
#include "ui/DialogBuilder.h"
#include "ui/DialogFont.h"
#include "ui/DialogUnits.h"

using namespace ui;

namespace {

class BuiltPage : public ::testing::Test {
protected:
    void SetUp() override { controls = BuildDialog(page.get(), sample::Page()); }

    int Dpi() const { return DialogDpi(page.get()); }

    std::unique_ptr<QWidget> page = std::make_unique<QWidget>();
    std::vector<QWidget*> controls;
};

TEST_F(BuiltPage, EveryRowBecomesAChildOfItsKindWithItsIdAndCaption) {
    const DialogTemplate dialog = sample::Page();
    ASSERT_EQ(controls.size(), dialog.rows.size());
    for (size_t i = 0; i < controls.size(); ++i) {
        const ControlRow& row = dialog.rows[i];
        QWidget* control = controls[i];
        SCOPED_TRACE(row.caption.toStdString() + " " + std::to_string(row.id));
        EXPECT_EQ(control->parentWidget(), page.get());
        EXPECT_EQ(ControlId(control), row.id);
        EXPECT_EQ(control->property("controlId").isValid(), row.id > 0);
        switch (row.kind) {
        case ControlKind::Label: EXPECT_EQ(qobject_cast<QLabel*>(control)->text(), row.caption); break;
        case ControlKind::Edit: EXPECT_NE(qobject_cast<QLineEdit*>(control), nullptr); break;
        case ControlKind::PushButton:
            EXPECT_EQ(qobject_cast<QPushButton*>(control)->text(), row.caption);
            break;
        case ControlKind::CheckBox: EXPECT_EQ(qobject_cast<QCheckBox*>(control)->text(), row.caption); break;
        case ControlKind::AutoRadioButton:
            EXPECT_EQ(qobject_cast<QRadioButton*>(control)->text(), row.caption);
            break;
        case ControlKind::GroupBox: EXPECT_EQ(qobject_cast<QGroupBox*>(control)->title(), row.caption); break;
        case ControlKind::DropDownList:
        case ControlKind::DropDownCombo:
            EXPECT_EQ(qobject_cast<QComboBox*>(control)->isEditable(),
                      row.kind == ControlKind::DropDownCombo);
            break;
        case ControlKind::ListBox: EXPECT_NE(qobject_cast<QListWidget*>(control), nullptr); break;
        }
    }
}

TEST_F(BuiltPage, GeometryIsTheBoxInDialogUnitsAndCombosKeepTheirFieldHeight) {
    EXPECT_EQ(page->font(), DialogFont());
    EXPECT_EQ(page->size(), DialogSizeToPixels(418, 390, Dpi()));
    const DialogTemplate dialog = sample::Page();
    for (size_t i = 0; i < controls.size(); ++i) {
        const QRect expected = DialogBoxToPixels(dialog.rows[i].box, Dpi());
        const QRect actual = controls[i]->geometry();
        SCOPED_TRACE(dialog.rows[i].id);
        if (auto* combo = qobject_cast<QComboBox*>(controls[i])) {
            EXPECT_EQ(actual.topLeft(), expected.topLeft());
            EXPECT_EQ(actual.width(), expected.width());
            EXPECT_EQ(actual.height(), combo->sizeHint().height());
            EXPECT_LT(actual.height(), expected.height());
        } else {
            EXPECT_EQ(actual, expected);
        }
    }
}

TEST_F(BuiltPage, DialogFontLineFitsALabelBox) {
    // Labels are 11 units tall; a taller substitute font would be clipped.
    EXPECT_EQ(DialogFont().pointSize(), 9);
    EXPECT_LE(QFontMetrics(DialogFont()).height(), DialogUnitsToPixels(11, Dpi()));
    EXPECT_FALSE(QFontInfo(DialogFont()).family().startsWith("Noto Sans CJK"));
}

TEST_F(BuiltPage, TemplateListsHoldTheirItemsWithNothingSelected) {
    auto* hours = FindControl<QComboBox>(page.get(), sample::kHourCombo);
    ASSERT_NE(hours, nullptr);
    ASSERT_EQ(hours->count(), 24);
    EXPECT_EQ(hours->itemText(0), "00");
    EXPECT_EQ(hours->itemText(23), "23");
    EXPECT_EQ(hours->currentIndex(), -1);
    EXPECT_TRUE(hours->currentText().isEmpty());

    auto* months = FindControl<QComboBox>(page.get(), sample::kMonthCombo);
    ASSERT_NE(months, nullptr);
    EXPECT_EQ(months->count(), 12);
    EXPECT_EQ(months->itemText(11), "12");
    EXPECT_EQ(months->currentIndex(), -1);
    EXPECT_TRUE(months->currentText().isEmpty());
}

TEST_F(BuiltPage, StylesReachTheWidgets) {
    auto* edit = FindControl<QLineEdit>(page.get(), sample::kPathEdit);
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_TRUE(edit->hasFrame());
    auto* list = FindControl<QListWidget>(page.get(), sample::kMusicList);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_FALSE(list->isSortingEnabled());
    for (int id : {sample::kOpenButton, sample::kSaveButton}) {
        auto* button = FindControl<QPushButton>(page.get(), id);
        ASSERT_NE(button, nullptr);
        EXPECT_FALSE(button->autoDefault());
        EXPECT_FALSE(button->isDefault());
    }
}

TEST_F(BuiltPage, RadioButtonsOfAPageExcludeEachOther) {
    auto* memory = FindControl<QRadioButton>(page.get(), sample::kMemoryRadio);
    auto* sd = FindControl<QRadioButton>(page.get(), sample::kSdRadio);
    ASSERT_TRUE(memory && sd);
    memory->click();
    sd->click();
    EXPECT_FALSE(memory->isChecked());
    EXPECT_TRUE(sd->isChecked());
}

TEST_F(BuiltPage, GroupBoxesLieBehindTheControlsOnThemWhereverTheTemplateListsThem) {
    // children() lists siblings from the bottom of the stack to the top.
    const QObjectList stack = page->children();
    const auto frame = stack.indexOf(FindControl(page.get(), sample::kFrame));
    for (int id : {sample::kHourCombo, sample::kMonthCombo, sample::kSunday}) {
        EXPECT_LT(frame, stack.indexOf(FindControl(page.get(), id))) << id;
    }
    QWidget* trailingFrame = controls.back();
    ASSERT_NE(qobject_cast<QGroupBox*>(trailingFrame), nullptr);
    EXPECT_LT(stack.indexOf(trailingFrame), stack.indexOf(FindControl(page.get(), sample::kSaveButton)));
    EXPECT_EQ(trailingFrame->focusPolicy(), Qt::NoFocus);
}

TEST_F(BuiltPage, FindControlMatchesIdAndWidgetClass) {
    EXPECT_EQ(FindControl<QPushButton>(page.get(), sample::kSaveButton)->text(), "保存");
    EXPECT_EQ(FindControl<QLineEdit>(page.get(), sample::kSaveButton), nullptr);
    EXPECT_EQ(FindControl(page.get(), 4242), nullptr);
    EXPECT_EQ(FindControl(page.get(), kNoControlId), nullptr);
    EXPECT_EQ(&RequireControl<QComboBox>(page.get(), sample::kProgramCombo),
              FindControl<QComboBox>(page.get(), sample::kProgramCombo));
    EXPECT_THROW(RequireControl<QComboBox>(page.get(), sample::kSaveButton), std::logic_error);
}

TEST_F(BuiltPage, TabVisitsTheTabStopsInTemplateOrderAndSkipsTheRest) {
    ASSERT_TRUE(ShowActive(page.get()));
    FindControl(page.get(), sample::kPathEdit)->setFocus();
    std::vector<int> visited;
    for (size_t i = 0; i < std::size(sample::kTabStops); ++i) {
        visited.push_back(FocusedId());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, std::vector<int>(std::begin(sample::kTabStops), std::end(sample::kTabStops)));
    EXPECT_EQ(FocusedId(), sample::kPathEdit);  // and round again
    EXPECT_EQ(FindControl(page.get(), sample::kMemoryRadio)->focusPolicy(), Qt::ClickFocus);
}

TEST(DialogBuilder, RefusesListsItCannotShowAsTheTemplateAsks) {
    using namespace ui;
    QWidget page;
    const DialogTemplate sortedCombo{100, 100, {{1, ControlKind::DropDownList, "", {0, 0, 50, 60}, TabStop}}};
    EXPECT_THROW(BuildDialog(&page, sortedCombo), std::invalid_argument);
    const DialogTemplate roundedList{100, 100, {{2, ControlKind::ListBox, "", {0, 0, 50, 60}, Unsorted}}};
    EXPECT_THROW(BuildDialog(&page, roundedList), std::invalid_argument);
}

}  // namespace
