#include "controls/ButtonRenderer.h"

#include <gtest/gtest.h>

namespace {
SkinButtonProperties style5()
{
    SkinButtonProperties p;
    p.style = 5;
    p.caption.clear();
    return p;
}
QImage solidIcon(QRgb color)
{
    QImage icon(8, 8, QImage::Format_ARGB32);
    icon.fill(color);
    return icon;
}
}

TEST(ButtonRenderer, IconPlacementRoundsHalvesToEven)
{
    // W = 127, H = 36, S = 32, M = 5: centre x = 47.5 -> 48, y = 2.
    EXPECT_EQ(iconOrigin(0, 127, 36, 32, 5), QPoint(48, 2));
    EXPECT_EQ(iconOrigin(1, 127, 36, 32, 5), QPoint(5, 2));
    EXPECT_EQ(iconOrigin(2, 127, 36, 32, 5), QPoint(90, 2));
    EXPECT_EQ(iconOrigin(3, 127, 36, 32, 5), QPoint(48, 5));
    EXPECT_EQ(iconOrigin(4, 127, 36, 32, 5), QPoint(48, -1));
    EXPECT_EQ(iconOrigin(0, 25, 25, 16, 4), QPoint(4, 4));   // 4.5 -> 4
    EXPECT_EQ(iconOrigin(0, 27, 27, 16, 4), QPoint(6, 6));   // 5.5 -> 6
}

TEST(ButtonRenderer, CaptionFormatsAndColours)
{
    EXPECT_EQ(captionFormat(0), 0x25);
    EXPECT_EQ(captionFormat(1), 0x24);
    EXPECT_EQ(captionFormat(2), 0x26);
    EXPECT_EQ(captionFormat(3), 0x21);
    EXPECT_EQ(captionFormat(4), 0x29);
    EXPECT_EQ(captionQtFlags(2), int(Qt::TextSingleLine | Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(captionQtFlags(4), int(Qt::TextSingleLine | Qt::AlignHCenter | Qt::AlignBottom));

    QPalette pal;
    pal.setColor(QPalette::Active, QPalette::ButtonText, QColor(1, 1, 1));
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(2, 2, 2));
    SkinButtonProperties p;
    p.fontColor = ButtonColor::fromRgb(10, 0, 0);
    p.fontHighlightColor = ButtonColor::fromRgb(20, 0, 0);
    EXPECT_EQ(captionColor(p, 2, pal), QColor(1, 1, 1));
    EXPECT_EQ(captionColor(p, 4, pal), QColor(2, 2, 2));
    p.useCustomColors = true;
    EXPECT_EQ(captionColor(p, 1, pal), QColor(10, 0, 0));
    EXPECT_EQ(captionColor(p, 2, pal), QColor(20, 0, 0));
    EXPECT_EQ(captionColor(p, 3, pal), QColor(20, 0, 0));
    EXPECT_EQ(captionColor(p, 4, pal), QColor(2, 2, 2));
}

TEST(ButtonRenderer, PaintTimeAdjustment)
{
    SkinButtonProperties p;
    EXPECT_EQ(adjustDrawState(2, p, true), 2);
    p.buttonType = 1;
    EXPECT_EQ(adjustDrawState(2, p, true), 2);
    p.value = true;
    EXPECT_EQ(adjustDrawState(1, p, true), 3);
    EXPECT_EQ(adjustDrawState(1, p, false), 4);
    p.buttonType = 0;
    p.enabled = false;
    EXPECT_EQ(adjustDrawState(2, p, true), 4);
}

TEST(ButtonRenderer, IconDrawnAtItsPlaceAndShiftedWhenPressed)
{
    SkinButtonProperties p = style5();
    p.icon = solidIcon(qRgb(255, 0, 0));
    p.iconSize = 8;
    p.iconVisible = true;
    p.iconAlign = 1;
    const QSize size(60, 30);  // icon at (5, 11)
    QImage normal = renderButton(p, size, {1, false, true}, QPalette()).image;
    EXPECT_EQ(QColor(normal.pixel(5, 11)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(normal.pixel(12, 18)), QColor(255, 0, 0));
    EXPECT_NE(QColor(normal.pixel(13, 19)), QColor(255, 0, 0));
    QImage pressed = renderButton(p, size, {3, false, true}, QPalette()).image;
    EXPECT_NE(QColor(pressed.pixel(5, 11)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(pressed.pixel(13, 19)), QColor(255, 0, 0));
    p.iconVisible = false;
    EXPECT_NE(QColor(renderButton(p, size, {1, false, true}, QPalette()).image.pixel(8, 14)), QColor(255, 0, 0));
}

TEST(ButtonRenderer, Style4HotIconLeavesAGreyShadow)
{
    SkinButtonProperties p = style5();
    p.style = 4;
    p.icon = solidIcon(qRgb(0, 0, 255));
    p.iconSize = 8;
    p.iconVisible = true;
    p.iconAlign = 1;
    const QImage hot = renderButton(p, QSize(60, 30), {2, false, true}, QPalette()).image;
    // Icon at (4, 11): shadow there, icon drawn at (2, 9).
    EXPECT_EQ(QColor(hot.pixel(2, 9)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(hot.pixel(9, 16)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(hot.pixel(11, 18)), QColor(128, 128, 128));
    EXPECT_EQ(QColor(hot.pixel(10, 17)), QColor(128, 128, 128));
    const QImage normal = renderButton(p, QSize(60, 30), {1, false, true}, QPalette()).image;
    EXPECT_EQ(QColor(normal.pixel(4, 11)), QColor(0, 0, 255));
    EXPECT_NE(QColor(normal.pixel(11, 18)), QColor(128, 128, 128));
}

TEST(ButtonRenderer, Style6UsesTheThemedPainterOrReportsFailure)
{
    SkinButtonProperties p = style5();
    p.style = 6;
    int seenState = 0;
    bool seenFocus = false;
    const ThemedFacePainter ok = [&](QImage& img, int state, bool focus) {
        img.fill(qRgb(1, 2, 3));
        seenState = state;
        seenFocus = focus;
        return true;
    };
    ButtonRender r = renderButton(p, QSize(40, 20), {2, true, true}, QPalette(), ok);
    EXPECT_FALSE(r.themeFailed);
    EXPECT_EQ(seenState, 2);
    EXPECT_TRUE(seenFocus);
    EXPECT_EQ(QColor(r.image.pixel(20, 10)), QColor(1, 2, 3));

    QPalette pal;
    pal.setColor(QPalette::Button, QColor(9, 9, 9));
    const ThemedFacePainter failing = [](QImage& img, int, bool) {
        img.fill(qRgb(200, 0, 0));  // a half-done drawing must not show
        return false;
    };
    r = renderButton(p, QSize(40, 20), {1, false, true}, pal, failing);
    EXPECT_TRUE(r.themeFailed);
    EXPECT_EQ(QColor(r.image.pixel(20, 10)), QColor(9, 9, 9));
    EXPECT_TRUE(renderButton(p, QSize(40, 20), {1, false, true}, pal).themeFailed);  // no painter at all
}

TEST(ButtonRenderer, CaptionDrawnInTheCaptionRectangle)
{
    SkinButtonProperties p = style5();
    p.style = 3;
    p.caption = "MMMM";
    p.font = QFont("DejaVu Sans");
    p.font.setPixelSize(14);
    p.captionAlign = 1;
    QPalette pal;
    pal.setColor(QPalette::Active, QPalette::ButtonText, QColor(255, 0, 255));
    const QImage img = renderButton(p, QSize(100, 30), {1, false, true}, pal).image;
    int minX = 100, maxX = -1;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x)
            if (QColor(img.pixel(x, y)).red() > 200 && QColor(img.pixel(x, y)).green() < 80) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    EXPECT_GE(minX, 4);
    EXPECT_LE(minX, 7);  // left aligned inside the 4-pixel margin
    EXPECT_LT(maxX, 60);
}

TEST(ButtonRenderer, AKeyboardFocusDrawsTheRingInEveryStyleOverCaptionAndIcon)
{
    QPalette pal;
    const QColor ring(12, 200, 34);
    pal.setColor(QPalette::Active, QPalette::Highlight, ring);
    pal.setColor(QPalette::Inactive, QPalette::Highlight, ring);
    const QSize size(60, 30);
    // On the ring: the frame's corners and sides, two pixels in; inside and outside it: the face.
    const QPoint onRing[] = {{2, 2}, {3, 15}, {57, 27}, {56, 14}, {30, 3}, {30, 26}};
    const QPoint offRing[] = {{1, 15}, {5, 15}, {30, 6}, {58, 15}};
    for (const int style : {0, 1, 2, 3, 4, 5, 7, 8, 9, 10}) {
        SkinButtonProperties p = style5();
        p.style = style;
        p.showFocus = false;  // the ring is not the focus rectangle the property switches off
        p.caption = "MMMMMMMMMMMM";
        p.icon = solidIcon(qRgb(200, 10, 10));
        p.iconSize = 26;
        const QImage plain = renderButton(p, size, {DrawState::Normal, true, true, false}, pal).image;
        const QImage ringed = renderButton(p, size, {DrawState::Normal, true, true, true}, pal).image;
        for (const QPoint at : onRing) {
            EXPECT_EQ(QColor(ringed.pixel(at)), ring) << "style " << style << " at " << at.x() << "," << at.y();
            EXPECT_NE(QColor(plain.pixel(at)), ring) << "style " << style;
        }
        for (const QPoint at : offRing)
            EXPECT_EQ(ringed.pixel(at), plain.pixel(at)) << "style " << style << " at " << at.x() << "," << at.y();
        // Hot and pressed faces keep it; a disabled button shows none.
        EXPECT_EQ(QColor(renderButton(p, size, {DrawState::Hot, true, true, true}, pal).image.pixel(2, 2)), ring);
        EXPECT_EQ(QColor(renderButton(p, size, {DrawState::Pressed, true, true, true}, pal).image.pixel(2, 2)), ring);
        EXPECT_NE(QColor(renderButton(p, size, {DrawState::Normal, true, false, true}, pal).image.pixel(2, 2)), ring);
    }
}
