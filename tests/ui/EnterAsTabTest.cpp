#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>

#include "FocusHelpers.h"
#include "SampleTemplate.h"
#include "ui/DialogBuilder.h"
#include "ui/EnterAsTab.h"

using namespace ui;

namespace {

// A main window that is a QDialog with a default button of its own, and a page inside it,
// as the real window holds its pages.
class EnterAsTab : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(800, 700);
        defaultButton->setDefault(true);
        defaultButton->move(700, 650);
        page->move(10, 30);
        BuildDialog(page, sample::Page());
        InstallEnterAsTab(&window);
        ASSERT_TRUE(ShowActive(&window));
    }

    void Focus(int id) {
        FindControl(page, id)->setFocus();
        ASSERT_EQ(FocusedId(), id);
    }

    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << "the window lost the focus";
        QTest::keyClick(focus, key, modifiers);
    }

    QDialog window;
    QPushButton* defaultButton = new QPushButton("OK", &window);
    QWidget* page = new QWidget(&window);
};

TEST_F(EnterAsTab, EnterAndKeypadEnterWalkTheTabStopsForwards) {
    for (auto [key, modifiers] : {std::pair{Qt::Key_Return, Qt::KeyboardModifiers(Qt::NoModifier)},
                                  std::pair{Qt::Key_Enter, Qt::KeyboardModifiers(Qt::KeypadModifier)}}) {
        Focus(sample::kPathEdit);
        std::vector<int> visited;
        for (size_t i = 0; i < std::size(sample::kTabStops); ++i) {
            visited.push_back(FocusedId());
            Press(key, modifiers);
        }
        EXPECT_EQ(visited, std::vector<int>(std::begin(sample::kTabStops), std::end(sample::kTabStops)));
    }
}

TEST_F(EnterAsTab, ShiftEnterWalksBackwardsLikeShiftTab) {
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        Focus(sample::kSunday);
        Press(key, Qt::ShiftModifier);
        EXPECT_EQ(FocusedId(), sample::kMonthCombo);
        Press(key, Qt::ShiftModifier);
        EXPECT_EQ(FocusedId(), sample::kHourCombo);
    }
}

TEST_F(EnterAsTab, EnterNeverPressesAButtonNorClosesTheWindow) {
    QSignalSpy defaultClicks(defaultButton, &QPushButton::clicked);
    auto* open = FindControl<QPushButton>(page, sample::kOpenButton);
    QSignalSpy openClicks(open, &QPushButton::clicked);
    QSignalSpy finished(&window, &QDialog::finished);

    Focus(sample::kOpenButton);
    Press(Qt::Key_Return);
    EXPECT_EQ(FocusedId(), sample::kProgramCombo);
    Focus(sample::kPathEdit);
    Press(Qt::Key_Enter, Qt::KeypadModifier);

    EXPECT_EQ(openClicks.count(), 0);
    EXPECT_EQ(defaultClicks.count(), 0);
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(EnterAsTab, EnterNeverOpensACombo) {
    auto* combo = FindControl<QComboBox>(page, sample::kHourCombo);
    Focus(sample::kHourCombo);
    Press(Qt::Key_Return);
    EXPECT_FALSE(combo->view()->isVisible());
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(FocusedId(), sample::kMonthCombo);
}

TEST_F(EnterAsTab, EscNeitherClosesTheWindowNorHidesThePage) {
    QSignalSpy finished(&window, &QDialog::finished);
    for (int id : {sample::kPathEdit, sample::kOpenButton, sample::kMusicList}) {
        Focus(id);
        Press(Qt::Key_Escape);
    }
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(page->isVisible());
}

TEST_F(EnterAsTab, OtherWindowsKeepEnterAndEsc) {
    QDialog other;
    auto* button = new QPushButton("OK", &other);
    button->setDefault(true);
    QSignalSpy clicks(button, &QPushButton::clicked);
    ASSERT_TRUE(ShowActive(&other));
    button->setFocus();

    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(button, Qt::Key_Escape);
    EXPECT_FALSE(other.isVisible());
}

TEST(EnterAsTabLifetime, EndsWithItsRoot) {
    auto root = std::make_unique<QWidget>();
    InstallEnterAsTab(root.get());
    root.reset();

    QDialog other;
    auto* button = new QPushButton("OK", &other);
    QSignalSpy clicks(button, &QPushButton::clicked);
    ASSERT_TRUE(ShowActive(&other));
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);  // no filter left to turn it into Tab
    EXPECT_EQ(clicks.count(), 1);
}

}  // namespace
