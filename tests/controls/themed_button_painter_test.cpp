#include "controls/ThemedButtonPainter.h"

#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {
QImage surface()
{
    QImage img(90, 30, QImage::Format_RGB32);
    img.fill(qRgb(1, 2, 3));
    return img;
}
}

TEST(ThemedButtonPainter, DrawsAPushButtonPerState)
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    ASSERT_TRUE(fusion);
    const ThemedFacePainter paint = styleFacePainter(nullptr, fusion.get());
    QList<QImage> looks;
    for (int state : {1, 2, 3, 4}) {
        QImage img = surface();
        EXPECT_TRUE(paint(img, state, false)) << state;
        EXPECT_NE(img, surface()) << state;  // something was drawn
        looks << img;
    }
    EXPECT_NE(looks[0], looks[2]);  // pressed differs from normal
    EXPECT_NE(looks[0], looks[3]);  // and disabled too
    QImage focused = surface();
    EXPECT_TRUE(paint(focused, 1, true));
    EXPECT_NE(focused, looks[0]);  // the defaulted look
}

TEST(ThemedButtonPainter, UsesTheWidgetsStyleAndFailsWithoutASurface)
{
    QWidget w;
    const ThemedFacePainter paint = styleFacePainter(&w);
    QImage img = surface();
    EXPECT_TRUE(paint(img, 1, false));
    QImage none;
    EXPECT_FALSE(paint(none, 1, false));
}
