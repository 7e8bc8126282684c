#include "app/SkinnedWindow.h"
#include "platform/SkinShape.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <gtest/gtest.h>

TEST(SkinnedWindow, MagentaPixelsAreOutsideTheWindowShape)
{
    QImage img(20, 10, QImage::Format_RGB32);
    img.fill(QColor(10, 20, 30));
    img.setPixel(0, 0, qRgb(255, 0, 255));
    img.setPixel(19, 9, qRgb(255, 0, 255));
    img.setPixel(5, 5, qRgb(254, 0, 255));  // almost magenta is still part of the window
    const QRegion r = skinRegion(img);
    EXPECT_FALSE(r.contains(QPoint(0, 0)));
    EXPECT_FALSE(r.contains(QPoint(19, 9)));
    EXPECT_TRUE(r.contains(QPoint(1, 0)));
    EXPECT_TRUE(r.contains(QPoint(5, 5)));
    EXPECT_TRUE(r.contains(QPoint(18, 9)));

    SkinnedWindow w;
    w.setSkin(QPixmap::fromImage(img));
    EXPECT_EQ(w.size(), QSize(20, 10));
    EXPECT_FALSE(w.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(w.mask().contains(QPoint(10, 5)));
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
}

TEST(SkinnedWindow, FollowsThePointerWhenNoWindowManagerMovesIt)
{
    QImage img(40, 40, QImage::Format_RGB32);
    img.fill(Qt::gray);
    SkinnedWindow w;
    w.setSkin(QPixmap::fromImage(img));
    w.show();
    w.beginWindowMove();
    // The offscreen platform offers no system move: the window falls back to following the pointer.
    EXPECT_TRUE(w.isManualMoveActive());
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &release);
    EXPECT_FALSE(w.isManualMoveActive());
}
