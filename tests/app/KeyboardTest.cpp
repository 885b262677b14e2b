#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTimer>
#include <memory>

#include "MainWindowFixture.h"
#include "app/AboutEntry.h"

namespace {

class Keyboard : public MainWindowTest {
protected:
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << "the window lost the focus";
        QTest::keyClick(focus, key, modifiers);
    }

    // Starting at the first tab stop of the page on `tab`, the controls that one key press after
    // another reaches, once round the page and a little further.
    std::vector<int> Walk(int tab, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QWidget* page = window.Page(tab);
        FocusFirstTabStop(tab);
        std::vector<int> visited;
        for (int step = 0; step < kSteps; ++step) {
            visited.push_back(FocusedId());
            EXPECT_TRUE(page->isAncestorOf(QApplication::focusWidget()))
                << "the focus left the page at step " << step;
            Press(key, modifiers);
        }
        return visited;
    }

    // Spies on every push button of every page.
    std::vector<std::unique_ptr<QSignalSpy>> SpyOnButtons() {
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (int tab = 0; tab < kTabCount; ++tab) {
            for (auto* button : window.Page(tab)->findChildren<QPushButton*>()) {
                spies.push_back(std::make_unique<QSignalSpy>(button, &QPushButton::clicked));
            }
        }
        return spies;
    }

    static int Clicks(const std::vector<std::unique_ptr<QSignalSpy>>& spies) {
        int clicks = 0;
        for (const auto& spy : spies) clicks += static_cast<int>(spy->count());
        return clicks;
    }

    static constexpr int kSteps = 80;  // once round the largest page and a good way further
};

TEST_F(Keyboard, EnterAndShiftEnterMoveLikeTabAndShiftTabOnEveryPage) {
    const auto buttons = SpyOnButtons();
    QSignalSpy finished(&window, &QDialog::finished);
    for (int tab = 0; tab < kTabCount; ++tab) {
        SCOPED_TRACE(tab);
        ClickTab(tab);
        EXPECT_EQ(Walk(tab, Qt::Key_Return, Qt::NoModifier), Walk(tab, Qt::Key_Tab, Qt::NoModifier));
        EXPECT_EQ(Walk(tab, Qt::Key_Enter, Qt::KeypadModifier), Walk(tab, Qt::Key_Tab, Qt::NoModifier));
        EXPECT_EQ(Walk(tab, Qt::Key_Return, Qt::ShiftModifier), Walk(tab, Qt::Key_Tab, Qt::ShiftModifier));
    }
    EXPECT_EQ(Clicks(buttons), 0) << "Enter pressed a button";
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(Keyboard, EscClosesNothingAndHidesNoPage) {
    QSignalSpy finished(&window, &QDialog::finished);
    for (int tab = 0; tab < kTabCount; ++tab) {
        ClickTab(tab);
        FocusFirstTabStop(tab);
        Press(Qt::Key_Escape);
        EXPECT_EQ(VisiblePages(), std::vector<int>{tab});
    }
    // With no control focused the key goes to the window itself, which would take Esc as Cancel.
    window.setFocus();
    Press(Qt::Key_Escape);
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(Keyboard, F1OpensTheAboutBoxFromAnyPage) {
    for (int tab = 0; tab < kTabCount; ++tab) {
        ClickTab(tab);
        FocusFirstTabStop(tab);
        Press(Qt::Key_F1);
        EXPECT_EQ(dialogs.AboutBoxesShown(), tab + 1);
    }
    EXPECT_TRUE(window.isVisible());
}

#ifndef Q_OS_WIN
// Without a system menu, the about entry sits in the context menu of the tab strip.
TEST_F(Keyboard, ContextMenuOfTheTabStripOpensTheAboutBox) {
    QStringList offered;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << "no context menu";
        for (QAction* action : menu->actions()) offered << action->text();
        menu->setActiveAction(menu->actions().value(0));
        QTest::keyClick(menu, Qt::Key_Return);
    });
    const QPoint at = Bar().tabRect(1).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, Bar().mapToGlobal(at));
    QApplication::sendEvent(&Bar(), &click);

    EXPECT_EQ(offered, QStringList{AboutEntryText()});
    EXPECT_EQ(AboutEntryText(), QStringLiteral("关于 Tavrel(&A)..."));
    EXPECT_EQ(dialogs.AboutBoxesShown(), 1);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Bar().currentIndex(), 0) << "the right click picked a tab";
}
#endif

}  // namespace
