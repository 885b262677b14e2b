// What an event handler throws is said in a box and the window goes on: Qt's event loop cannot
// carry an exception, and without the guard the program would abort.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "app/GuardedApplication.h"
#include "tests/support/ui/QtPrinters.h"

namespace {

struct ThrownCase {
    const char* name;
    std::function<bool()> handler;
    QStringList shown;
    bool handled;
};

TEST(GuardedApplication, WhatAHandlerThrowsIsShownAndTheEventIsNotHandled) {
    const ThrownCase cases[] = {
        {"out of memory", [] () -> bool { throw std::bad_alloc(); }, {"内存不足，这次操作没有完成。"}, false},
        {"an error of its own", [] () -> bool { throw std::runtime_error("vector::reserve"); },
         {"发生了意外的错误，这次操作没有完成：vector::reserve"}, false},
        {"nothing thrown", [] { return true; }, {}, true},
    };
    for (const ThrownCase& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList shown;
        EXPECT_EQ(DeliverGuarded(c.handler, [&](const QString& text) { shown << text; }), c.handled);
        EXPECT_EQ(shown, c.shown);
    }
}

}  // namespace
