#include "settings/SettingsWindowDragger.h"

#include <QWidget>
#include <gtest/gtest.h>

TEST(SettingsWindowDragger, FollowsThePointerWhereTheSystemCannotMove)
{
    QWidget w;
    w.move(100, 100);
    int asked = 0;
    SettingsWindowDragger drag(w, [&](QWidget&) {
        ++asked;
        return false;
    });
    drag.moveWithButton(QPoint(500, 500));  // no press on the background: nothing
    EXPECT_EQ(w.pos(), QPoint(100, 100));
    EXPECT_EQ(asked, 0);

    drag.pressOnBackground(QPoint(150, 120));  // 50, 20 inside the window
    EXPECT_TRUE(drag.dragging());
    drag.moveWithButton(QPoint(160, 125));
    EXPECT_TRUE(drag.followingPointer());
    EXPECT_EQ(w.pos(), QPoint(110, 105));
    drag.moveWithButton(QPoint(400, 300));
    EXPECT_EQ(w.pos(), QPoint(350, 280));
    EXPECT_EQ(asked, 1);
    drag.release();
    EXPECT_FALSE(drag.dragging());
    drag.moveWithButton(QPoint(0, 0));
    EXPECT_EQ(w.pos(), QPoint(350, 280));
}

TEST(SettingsWindowDragger, LeavesTheMoveToTheSystemWhenOffered)
{
    QWidget w;
    w.move(10, 10);
    int asked = 0;
    SettingsWindowDragger drag(w, [&](QWidget&) {
        ++asked;
        return true;
    });
    drag.pressOnBackground(QPoint(20, 20));
    drag.moveWithButton(QPoint(30, 30));
    drag.moveWithButton(QPoint(40, 40));
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(drag.followingPointer());
    EXPECT_EQ(w.pos(), QPoint(10, 10));
    drag.release();
    drag.pressOnBackground(QPoint(20, 20));  // every drag asks again
    drag.moveWithButton(QPoint(30, 30));
    EXPECT_EQ(asked, 2);
}

TEST(SettingsWindowDragger, TheRealSystemMoveNeedsAWindow)
{
    QWidget w;  // never shown: no window handle, so nothing to ask
    EXPECT_FALSE(SettingsWindowDragger::startSystemMove(w));
}
