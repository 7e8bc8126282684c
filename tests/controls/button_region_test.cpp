#include "controls/ButtonRegion.h"

#include <gtest/gtest.h>

TEST(ButtonRegion, Style5CutsOneCornerPixelAboveAndTwoBelow)
{
    const int W = 127, H = 36;
    for (int style : {5, 7}) {
        const QRegion r = buttonRegion(style, W, H);
        EXPECT_FALSE(r.contains(QPoint(0, 0))) << style;
        EXPECT_TRUE(r.contains(QPoint(1, 0)));
        EXPECT_TRUE(r.contains(QPoint(125, 0)));
        EXPECT_FALSE(r.contains(QPoint(126, 0)));
        EXPECT_TRUE(r.contains(QPoint(0, 1)));
        EXPECT_TRUE(r.contains(QPoint(126, 1)));
        EXPECT_TRUE(r.contains(QPoint(0, H - 2)));
        EXPECT_TRUE(r.contains(QPoint(W - 1, H - 2)));
        EXPECT_FALSE(r.contains(QPoint(0, H - 1)));
        EXPECT_TRUE(r.contains(QPoint(1, H - 1)));
        EXPECT_TRUE(r.contains(QPoint(W - 2, H - 1)));
        EXPECT_FALSE(r.contains(QPoint(W - 1, H - 1)));
        EXPECT_FALSE(r.contains(QPoint(W, 5)));
        EXPECT_FALSE(r.contains(QPoint(5, H)));
        EXPECT_EQ(r.boundingRect(), QRect(0, 0, W, H));
    }
}

TEST(ButtonRegion, Styles8And9HaveLargerChamfers)
{
    const int W = 60, H = 30;
    const QRegion r = buttonRegion(8, W, H);
    EXPECT_EQ(r, buttonRegion(9, W, H));
    EXPECT_FALSE(r.contains(QPoint(1, 0)));
    EXPECT_TRUE(r.contains(QPoint(2, 0)));
    EXPECT_TRUE(r.contains(QPoint(W - 4, 0)));
    EXPECT_FALSE(r.contains(QPoint(W - 3, 0)));
    EXPECT_TRUE(r.contains(QPoint(0, 2)));
    EXPECT_FALSE(r.contains(QPoint(0, 1)));
    EXPECT_FALSE(r.contains(QPoint(W - 1, 2)));  // the right edge steps in for three rows
    EXPECT_TRUE(r.contains(QPoint(W - 1, 3)));
    EXPECT_TRUE(r.contains(QPoint(0, H - 4)));   // the lower left chamfer is four pixels
    EXPECT_FALSE(r.contains(QPoint(0, H - 3)));
    EXPECT_FALSE(r.contains(QPoint(2, H - 1)));
    EXPECT_TRUE(r.contains(QPoint(3, H - 1)));
    EXPECT_TRUE(r.contains(QPoint(W - 3, H - 1)));
    EXPECT_FALSE(r.contains(QPoint(W - 2, H - 1)));
    EXPECT_TRUE(r.contains(QPoint(W / 2, H - 1)));
}

TEST(ButtonRegion, Style10IsRoundedAndSymmetric)
{
    const int W = 80, H = 30;
    const QRegion r = buttonRegion(10, W, H);
    EXPECT_FALSE(r.contains(QPoint(0, 0)));
    EXPECT_FALSE(r.contains(QPoint(2, 1)));
    EXPECT_TRUE(r.contains(QPoint(9, 0)));
    EXPECT_TRUE(r.contains(QPoint(0, 9)));
    EXPECT_TRUE(r.contains(QPoint(W / 2, H / 2)));
    EXPECT_FALSE(r.contains(QPoint(W - 1, H - 1)));
    EXPECT_TRUE(r.contains(QPoint(W - 1, H / 2)));  // the rectangle is one wider than the control
    // The rounding of each corner mirrors the others (the rectangle is W + 1 by H + 1).
    const auto spans = regionRowSpans(r, H);
    for (int y = 1; y < 9; ++y) {
        EXPECT_EQ(spans[y].first, spans[H - y].first) << y;             // top mirrors bottom
        EXPECT_EQ(spans[y].second, std::min(W, W + 1 - spans[y].first)) << y;  // left mirrors right
    }
    EXPECT_GT(spans[0].first, spans[4].first);
    EXPECT_EQ(spans[H / 2].first, 0);
}

TEST(ButtonRegion, OtherStylesAreTheWholeRectangle)
{
    for (int style : {0, 1, 2, 3, 4, 6, 11, -1})
        EXPECT_EQ(buttonRegion(style, 40, 25), QRegion(0, 0, 40, 25)) << style;
}

TEST(ButtonRegion, PolygonUsesTheAlternateRule)
{
    // A square with a square hole traced as one polygon: the hole stays out.
    const QRegion r = polygonRegion({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {3, 3}, {3, 7}, {7, 7}, {7, 3}, {3, 3}}, 10);
    EXPECT_TRUE(r.contains(QPoint(1, 1)));
    EXPECT_FALSE(r.contains(QPoint(5, 5)));
    EXPECT_TRUE(r.contains(QPoint(8, 8)));
    EXPECT_FALSE(r.contains(QPoint(10, 5)));
}
