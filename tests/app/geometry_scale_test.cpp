// Designed pixel geometry converted for the screen's density keeps every control's pixels.
#include "app/GeometryScale.h"

#include <gtest/gtest.h>

namespace {
// Densities of real screens, and some odd ones.
constexpr double kDpis[] = {72, 90, 96, 110, 120, 125.5, 144, 168, 192, 240, 288};
}  // namespace

TEST(GeometryScale, TwipsPerPixelAreAnInchOfTwipsOverTheDensity)
{
    for (const double dpi : kDpis)
        EXPECT_NEAR(twipsPerPixel(dpi) * dpi, 1440.0, 1e-3) << dpi;
    EXPECT_FLOAT_EQ(twipsPerPixel(96), 15);  // the designed density
    // An unknown density counts as the designed one.
    EXPECT_FLOAT_EQ(twipsPerPixel(0), twipsPerPixel(96));
    EXPECT_FLOAT_EQ(twipsPerPixel(-1), twipsPerPixel(96));
}

TEST(GeometryScale, DesignedRectanglesKeepTheirPixelsAtEveryDensity)
{
    // Every place and size of the 765 x 515 window, in steps that meet every remainder.
    for (const double dpi : kDpis) {
        const float units = twipsPerPixel(dpi);
        for (int x = 0; x <= 765; x += 7)
            for (int w = 1; w <= 400; w += 13) {
                const QRect designed(x, 515 - x % 515, w, w / 2 + 1);
                ASSERT_EQ(convertDesignRect(designed, units, units, true), designed) << dpi;
                ASSERT_EQ(convertDesignRect(designed, units, units, false), designed) << dpi;
            }
    }
    // Different horizontal and vertical densities, too.
    EXPECT_EQ(convertDesignRect({728, 52, 13, 8}, 10, 12, true), QRect(728, 52, 13, 8));
}

TEST(GeometryScale, TwipsScaleWithTheDensityAndAreUnchangedAtTheDesignedOne)
{
    for (const float twips : {0.f, 15.f, 1500.f, 11475.f, 7725.f, 33.f}) {
        EXPECT_FLOAT_EQ(scaleTwips(twips, twipsPerPixel(96)), twips);
        for (const double dpi : kDpis) {
            const float units = twipsPerPixel(dpi);
            // The same length in pixels on the screen as designed at 15 twips a pixel.
            EXPECT_NEAR(scaleTwips(twips, units) / units, twips / 15.f, 1e-3) << dpi;
            // Proportional: twice the designed value converts to twice the converted one.
            EXPECT_NEAR(scaleTwips(2 * twips, units), 2 * scaleTwips(twips, units), 1e-2) << dpi;
        }
    }
}

TEST(GeometryScale, FontsKeepTheirPixelHeightAtEveryDensity)
{
    // A font's pixel height is its points times the density over 72.
    for (const double points : {8.25, 9.0, 12.0, 15.75})
        for (const double dpi : kDpis) {
            const double converted = convertFontPoints(points, twipsPerPixel(dpi));
            EXPECT_NEAR(converted * dpi / 72.0, points * 96.0 / 72.0, 1e-3) << points << " pt at " << dpi;
        }
    EXPECT_DOUBLE_EQ(convertFontPoints(8.25, twipsPerPixel(96)), 8.25);
}
