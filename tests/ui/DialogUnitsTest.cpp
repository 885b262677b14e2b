#include <gtest/gtest.h>

#include "ui/DialogUnits.h"

using namespace ui;

TEST(DialogUnits, EmFollowsTheLogicalDpi) {
    EXPECT_EQ(DialogFontEmPixels(96), 12);
    EXPECT_EQ(DialogFontEmPixels(120), 15);
    EXPECT_EQ(DialogFontEmPixels(144), 18);
}

TEST(DialogUnits, OneUnitIsAnEighthOfTheEmRoundedHalfAwayFromZero) {
    struct Case {
        int units, dpi, pixels;
    };
    for (const Case& c :
         {Case{0, 96, 0}, Case{1, 96, 2}, Case{2, 96, 3}, Case{13, 96, 20}, Case{18, 96, 27},
          Case{440, 96, 660}, Case{408, 96, 612}, Case{4, 120, 8}, Case{3, 120, 6}, Case{418, 144, 941}}) {
        EXPECT_EQ(DialogUnitsToPixels(c.units, c.dpi), c.pixels) << c.units << " units at " << c.dpi;
    }
}

TEST(DialogUnits, BoxEdgesAreMappedOneByOne) {
    // 17 -> 25.5 -> 26 and 17 + 56 = 73 -> 109.5 -> 110: the width is 84, not 56 * 1.5.
    EXPECT_EQ(DialogBoxToPixels({17, 13, 56, 11}, 96), QRect(26, 20, 84, 16));
    // Neighbouring boxes neither overlap nor leave a gap.
    const QRect left = DialogBoxToPixels({101, 64, 8, 11}, 96);
    const QRect right = DialogBoxToPixels({109, 64, 8, 11}, 96);
    EXPECT_EQ(left.right() + 1, right.left());
}

TEST(DialogUnits, MainWindowClientAreaFitsASmallScreen) {
    EXPECT_EQ(DialogSizeToPixels(440, 408, 96), QSize(660, 612));
}
