#include "controls/FaceCanvas.h"

#include <gtest/gtest.h>

namespace {
QImage blank(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}
QColor at(const QImage& img, int x, int y) { return QColor(img.pixel(x, y)); }
}

TEST(FaceCanvas, RoundsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEvenToInt(2.5), 2);
    EXPECT_EQ(roundHalfEvenToInt(3.5), 4);
    EXPECT_EQ(roundHalfEvenToInt(-2.5), -2);
    EXPECT_EQ(roundHalfEvenToInt(2.4999), 2);
    EXPECT_EQ(roundHalfEvenToInt(2.5001), 3);
    EXPECT_EQ(roundHalfEvenToInt(7.0), 7);
}

TEST(FaceCanvas, LinesLeaveOutTheirEndPoint)
{
    QImage img = blank(10, 10);
    FaceCanvas c(img);
    c.line(1, 1, 5, 1, Qt::red);
    EXPECT_EQ(at(img, 1, 1), QColor(Qt::red));
    EXPECT_EQ(at(img, 4, 1), QColor(Qt::red));
    EXPECT_EQ(at(img, 5, 1), QColor(Qt::white));
    EXPECT_EQ(at(img, 0, 1), QColor(Qt::white));
    c.line(8, 8, 8, 3, Qt::blue);  // upwards: (8, 3) is the end point
    EXPECT_EQ(at(img, 8, 8), QColor(Qt::blue));
    EXPECT_EQ(at(img, 8, 4), QColor(Qt::blue));
    EXPECT_EQ(at(img, 8, 3), QColor(Qt::white));
    c.line(2, 2, 2, 2, Qt::green);  // zero length draws nothing
    EXPECT_EQ(at(img, 2, 2), QColor(Qt::white));
    c.line(-5, 9, 20, 9, Qt::black);  // clipped, not a crash
    EXPECT_EQ(at(img, 9, 9), QColor(Qt::black));
}

TEST(FaceCanvas, RowsGradientRoundsEachChannelAndDrawsNPlusOneRows)
{
    QImage img = blank(6, 8);
    FaceCanvas c(img);
    // 0 -> 5 over n = 2: rows 0, 2.5 -> 2 (even), 5
    c.rowsGradient(QColor(0, 0, 0), QColor(5, 3, 255), 1, 2, 3, 2);
    EXPECT_EQ(at(img, 1, 2), QColor(0, 0, 0));
    EXPECT_EQ(at(img, 2, 3), QColor(2, 2, 128));  // 1.5 -> 2, 127.5 -> 128
    EXPECT_EQ(at(img, 1, 4), QColor(5, 3, 255));
    EXPECT_EQ(at(img, 3, 3), QColor(Qt::white));  // x2 is excluded
    EXPECT_EQ(at(img, 1, 5), QColor(Qt::white));  // only n + 1 rows
    c.rowsGradient(Qt::red, Qt::red, 0, 0, 6, -1);  // negative n: nothing
    EXPECT_EQ(at(img, 0, 0), QColor(Qt::white));
    c.rowsGradient(Qt::red, Qt::blue, 0, 0, 1, 0);  // n = 0: one pixel in colour a
    EXPECT_EQ(at(img, 0, 0), QColor(Qt::red));
}

TEST(FaceCanvas, OutlineAndShade)
{
    QImage img = blank(6, 6);
    FaceCanvas c(img);
    c.outline(0, 0, 5, 5, Qt::black);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(at(img, i, 0), QColor(Qt::black)) << i;
        EXPECT_EQ(at(img, 5, i), QColor(Qt::black)) << i;
        EXPECT_EQ(at(img, 0, i), QColor(Qt::black)) << i;
        EXPECT_EQ(at(img, i, 5), QColor(Qt::black)) << i;
    }
    EXPECT_EQ(at(img, 1, 1), QColor(Qt::white));
    EXPECT_EQ(shade(QColor(250, 10, 100), 10), QColor(255, 20, 110));
    EXPECT_EQ(shade(QColor(250, 10, 100), -20), QColor(230, 0, 80));
}
