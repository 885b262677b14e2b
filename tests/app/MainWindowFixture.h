#pragma once

#include <gtest/gtest.h>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <vector>

#include "../ui/FocusHelpers.h"
#include "tests/support/ui/ScriptedDialogs.h"
#include "app/MainWindow.h"
#include "support/MemoryFileSystem.h"

// The three editing tabs; the overview follows them as the fourth.
inline constexpr int kTabCount = 3;
inline constexpr int kOverviewTab = 3;
inline constexpr int kExitButton = 1030;

// The real main window with scripted dialogs, shown and active.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ShowActive(&window)); }

    QTabBar& Bar() { return window.Tabs().Bar(); }

    // Picks a tab with the mouse, as a person does.
    void ClickTab(int tab) {
        QTest::mouseClick(&Bar(), Qt::LeftButton, Qt::NoModifier, Bar().tabRect(tab).center());
        ASSERT_EQ(Bar().currentIndex(), tab);
    }

    // The tabs whose page is on screen.
    std::vector<int> VisiblePages() {
        std::vector<int> visible;
        for (int tab = 0; tab < kTabCount; ++tab) {
            if (window.Page(tab)->isVisible()) visible.push_back(tab);
        }
        return visible;
    }

    // Gives the focus to the first control in template order that Tab stops at.
    void FocusFirstTabStop(int tab) {
        for (QWidget* control : window.Page(tab)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if ((control->focusPolicy() & Qt::TabFocus) && control->isEnabled() && control->isVisible()) {
                control->setFocus(Qt::TabFocusReason);
                return;
            }
        }
        FAIL() << "no tab stop on page " << tab;
    }

    QPushButton& ExitButton(int tab) {
        return ui::RequireControl<QPushButton>(window.Page(tab), kExitButton);
    }

    testing_support::ScriptedDialogs dialogs;
    testsupport::MemoryFileSystem files;
    MainWindow window{dialogs, files};
};
