#include "controls/ButtonFaces.h"
#include "controls/ButtonRegion.h"

#include <gtest/gtest.h>

namespace {
constexpr int W = 127, H = 36;

QImage classic(int state, bool focus)
{
    QImage img(W, H, QImage::Format_RGB32);
    FaceCanvas c(img);
    FaceInput in;
    in.style = 5;
    in.drawState = state;
    in.hasFocus = focus;
    paintButtonFace(c, in);
    return img;
}
QColor at(const QImage& img, int x, int y) { return QColor(img.pixel(x, y)); }
QColor rgb(int r, int g, int b) { return QColor(r, g, b); }
}

TEST(Style5Face, NormalStateBorderCornersAndGradients)
{
    const QImage img = classic(DrawState::Normal, false);
    for (int x = 2; x <= 124; ++x)
        EXPECT_EQ(at(img, x, 0), rgb(0, 60, 116)) << x;
    EXPECT_EQ(at(img, 1, 0), rgb(106, 139, 162));
    EXPECT_EQ(at(img, 125, 0), rgb(106, 139, 162));  // the corner pixel (W - 2, 0)
    EXPECT_EQ(at(img, 1, 1), rgb(72, 110, 144));
    EXPECT_EQ(at(img, W - 2, H - 2), rgb(72, 110, 144));
    EXPECT_EQ(at(img, 0, 1), rgb(106, 139, 162));
    EXPECT_EQ(at(img, 2, 1), rgb(191, 199, 202));
    EXPECT_EQ(at(img, 0, 10), rgb(0, 60, 116));
    EXPECT_EQ(at(img, W - 1, 10), rgb(0, 60, 116));
    EXPECT_EQ(at(img, 10, H - 1), rgb(0, 60, 116));
    // Rows gradient (252,252,251) -> (240,240,240), n = 4: row 2 is i = 1.
    EXPECT_EQ(at(img, 10, 1), rgb(252, 252, 251));
    EXPECT_EQ(at(img, 10, 2), rgb(249, 249, 248));  // blue 251 - 11 / 4 = 248.25
    // Row 4 starts the body gradient (250,250,249) -> (240,240,234) over n = H - 8 = 28.
    EXPECT_EQ(at(img, 10, 4), rgb(250, 250, 249));
    EXPECT_EQ(at(img, 10, 18), rgb(245, 245, 242));  // i = 14: halves 245, 241.5 -> 242
    EXPECT_EQ(at(img, 10, H - 4), rgb(235, 235, 230));
    EXPECT_EQ(at(img, 10, H - 2), rgb(221, 217, 208));  // i = 2 of 3: 221, 216.67, 207.67
    EXPECT_EQ(at(img, W - 3, 3), rgb(251, 251, 250));
    EXPECT_EQ(at(img, W - 2, 3), rgb(245, 244, 242));
    // No hot or focus lines in the plain normal look.
    EXPECT_NE(at(img, 10, 1), rgb(255, 240, 207));
    EXPECT_NE(at(img, 10, 1), rgb(206, 231, 255));
}

TEST(Style5Face, HotStateOrangeLines)
{
    const QImage img = classic(DrawState::Hot, false);
    for (int x = 2; x <= 124; ++x) {
        EXPECT_EQ(at(img, x, 1), rgb(255, 240, 207)) << x;
        EXPECT_EQ(at(img, x, H - 2), rgb(229, 151, 16)) << x;
    }
    EXPECT_EQ(at(img, 125, 1), rgb(72, 110, 144));  // the line's end point is not drawn
    EXPECT_EQ(at(img, 10, 2), rgb(253, 216, 137));
    EXPECT_EQ(at(img, 10, H - 3), rgb(248, 179, 48));
    EXPECT_EQ(at(img, 1, 2), rgb(253, 216, 137));
    EXPECT_EQ(at(img, 2, H - 3), rgb(248, 179, 48));
    EXPECT_EQ(at(img, W - 3, H - 3), rgb(248, 179, 48));
    EXPECT_EQ(at(img, W - 1, 10), rgb(0, 60, 116));
}

TEST(Style5Face, FocusLinesOnlyWhenFocused)
{
    const QImage focused = classic(DrawState::Normal, true);
    EXPECT_EQ(at(focused, 2, 1), rgb(206, 231, 255));
    EXPECT_EQ(at(focused, 124, 1), rgb(206, 231, 255));
    EXPECT_EQ(at(focused, 50, 2), rgb(188, 212, 246));
    EXPECT_EQ(at(focused, 50, H - 3), rgb(137, 173, 228));
    EXPECT_EQ(at(focused, 50, H - 2), rgb(105, 130, 238));
    EXPECT_EQ(at(focused, 1, 2), rgb(188, 212, 246));
    const QImage plain = classic(DrawState::Normal, false);
    for (int y : {1, 2, H - 3, H - 2})
        EXPECT_NE(at(plain, 50, y), at(focused, 50, y)) << y;
    // Focus only decorates the normal look.
    EXPECT_EQ(classic(DrawState::Hot, true), classic(DrawState::Hot, false));
    EXPECT_EQ(classic(DrawState::Pressed, true), classic(DrawState::Pressed, false));
}

TEST(Style5Face, PressedState)
{
    const QImage img = classic(DrawState::Pressed, false);
    EXPECT_EQ(at(img, 10, 1), rgb(209, 204, 193));
    EXPECT_EQ(at(img, 10, 4), rgb(228, 227, 220));
    EXPECT_EQ(at(img, 10, H - 2), rgb(237, 236, 232));  // i = 2 of 3: 237, 236, 231.67 -> 232
    EXPECT_EQ(at(img, 1, 3), rgb(218, 216, 206));
    EXPECT_EQ(at(img, 2, 4), rgb(218, 216, 206));
    EXPECT_EQ(at(img, 50, 0), rgb(0, 60, 116));
    EXPECT_EQ(at(img, 1, 1), rgb(72, 110, 144));
}

TEST(Style5Face, DisabledFaceAndOutline)
{
    const QImage img = classic(DrawState::Disabled, true);
    EXPECT_EQ(at(img, 60, 18), rgb(245, 244, 234));
    EXPECT_EQ(at(img, 60, 0), rgb(201, 199, 186));
    EXPECT_EQ(at(img, 0, 18), rgb(201, 199, 186));
    EXPECT_EQ(at(img, W - 1, 18), rgb(201, 199, 186));
    EXPECT_EQ(at(img, 60, H - 1), rgb(201, 199, 186));
    EXPECT_EQ(at(img, W - 1, H - 1), rgb(201, 199, 186));
    for (QPoint p : {QPoint(0, 1), QPoint(1, 1), QPoint(1, 0), QPoint(W - 2, H - 1), QPoint(W - 2, H - 2)})
        EXPECT_EQ(at(img, p.x(), p.y()), rgb(216, 213, 199)) << p.x() << "," << p.y();
}

TEST(ButtonFaces, EveryStyleDrawsDistinctStatesInsideItsRegion)
{
    QPalette pal;
    for (int style : {0, 1, 2, 3, 4, 5, 7, 8, 9, 10}) {
        for (bool custom : {false, true}) {
            QList<QImage> looks;
            for (int state : {1, 2, 3, 4}) {
                QImage img(80, 30, QImage::Format_RGB32);
                FaceCanvas c(img);
                FaceInput in;
                in.style = style;
                in.drawState = state;
                in.useCustomColors = custom;
                in.backColor = ButtonColor::fromRgb(90, 140, 200);
                in.highlightColor = ButtonColor::fromRgb(240, 160, 40);
                in.palette = pal;
                paintButtonFace(c, in);
                looks << img;
            }
            // Hot and pressed differ from normal in every style except the flat ones' disabled look.
            EXPECT_NE(looks[0], looks[2]) << style << custom;
            if (style != 0 && style != 1) {  // edge styles 0 and 1 look alike normal and hot
                EXPECT_NE(looks[0], looks[1]) << style << custom;
            }
            EXPECT_NE(looks[1], looks[2]) << style << custom;
        }
    }
}

TEST(ButtonFaces, IconMargins)
{
    for (int s : {0, 1, 2, 3, 4, 6, 8})
        EXPECT_EQ(iconMargin(s), 4) << s;
    EXPECT_EQ(iconMargin(5), 5);
    EXPECT_EQ(iconMargin(7), 5);
    EXPECT_EQ(iconMargin(9), 7);
    EXPECT_EQ(iconMargin(10), 7);
}
