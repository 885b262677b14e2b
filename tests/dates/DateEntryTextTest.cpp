#include <gtest/gtest.h>

#include "tests/support/ui/QtPrinters.h"
#include "pages/dates/DateEntryText.h"

using namespace pages;
using namespace core;

namespace {

TEST(DateEntryText, TwoCharactersPerValueEvenBeyondNinetyNine) {
    const struct {
        SpecialDate date;
        const char* text;
    } cases[] = {
        {{3, 8}, "03月08日"},    {{12, 31}, "12月31日"},
        {{0, 0}, "00月00日"},    {{0, 255}, "00月I5日"},  // '0' + 25 is 'I'
        {{100, 99}, ":0月99日"},                          // '0' + 10 is ':'
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DateEntryText(c.date), QString::fromUtf8(c.text));
    }
}

}  // namespace
