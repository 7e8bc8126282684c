#include "app/GeometryScale.h"

#include <gtest/gtest.h>

TEST(GeometryScale, KeepsDesignedPixelsAtAnyDensity)
{
    EXPECT_FLOAT_EQ(twipsPerPixel(96), 15);
    EXPECT_FLOAT_EQ(twipsPerPixel(120), 12);
    EXPECT_FLOAT_EQ(twipsPerPixel(0), 15);  // an unknown density counts as 96 dpi

    // Left 1500 twips (100 px): at 12 twips per pixel it becomes 1200 twips, still 100 px.
    EXPECT_FLOAT_EQ(scaleTwips(1500, 12), 1200);
    EXPECT_FLOAT_EQ(scaleTwips(1500, 15), 1500);
    EXPECT_EQ(convertDesignRect({100, 50, 37, 32}, 12, 12, false), QRect(100, 50, 37, 32));
    EXPECT_EQ(convertDesignRect({100, 50, 37, 32}, 15, 15, true), QRect(100, 50, 37, 32));
    EXPECT_EQ(convertDesignRect({728, 52, 13, 8}, 10, 12, true), QRect(728, 52, 13, 8));

    // Fonts keep their pixel height: 9 pt at 96 dpi is 12 px, 7.2 pt at 120 dpi is 12 px too.
    EXPECT_NEAR(convertFontPoints(9, 12), 7.2, 1e-5);
    EXPECT_DOUBLE_EQ(convertFontPoints(8.25, 15), 8.25);
}
