#include <QTimer>
#include <functional>

#include "MainWindowFixture.h"

namespace {

// Runs the window modally, as the application does, and does `during` inside the run. Returns
// the result of the run; kStillRunning when `during` did not end it (a guard ends it then, so
// a failing test does not hang).
class Closing : public MainWindowTest {
protected:
    static constexpr int kStillRunning = -1;

    int RunModally(const std::function<void()>& during) {
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &window, [&] {
            if (window.isVisible()) window.done(kStillRunning);
        });
        window.hide();
        QTimer::singleShot(0, &window, [&] {
            during();
            guard.start(0);
        });
        return window.exec();
    }
};

TEST_F(Closing, ExitOnEveryPageEndsTheRunWithoutAQuestion) {
    for (int tab = 0; tab < kTabCount; ++tab) {
        SCOPED_TRACE(tab);
        const int result = RunModally([&] {
            ClickTab(tab);
            ExitButton(tab).click();
        });
        EXPECT_EQ(result, QDialog::Rejected);
        EXPECT_FALSE(window.isVisible());
    }
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

// The close button, Alt+F4 and the system menu's close all reach the window as a close event.
TEST_F(Closing, CloseRequestEndsTheRunWithoutAQuestion) {
    const int result = RunModally([&] { window.close(); });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

}  // namespace
