// The time bubble of a drag: the time a release would give, and its place beside the line.
#include "timeline/DragBubble.h"
#include "timeline/EditorModel.h"
#include "timeline/TimelineDrag.h"

#include <gtest/gtest.h>

TEST(DragBubble, ShowsTheTimeTheReleaseWillGive)
{
    EditorModel m;
    m.setDuration(7322);
    TimelineDrag drag(m);
    EXPECT_EQ(dragBubbleText(drag), "");
    ASSERT_TRUE(drag.press(TimelineHit::PlayheadTop, 6));
    EXPECT_EQ(dragBubbleText(drag), "00:00:00");
    drag.move(6 + 728);
    EXPECT_EQ(dragBubbleText(drag), "02:02:02");
    drag.move(6 - 100);  // before the start: playback starts at the start
    EXPECT_EQ(dragBubbleText(drag), "00:00:00");
    drag.move(6 + 364);
    const QString shown = dragBubbleText(drag);
    EXPECT_EQ(shown, "01:01:01");
    const auto released = drag.release();
    ASSERT_TRUE(released);
    EXPECT_EQ(*released, 3661000);

    // Zoomed in to 10 ms a pixel, a marker's bubble shows hundredths.
    m.setView({60, 7.28});
    m.setPlayhead(61);
    m.setBeginAtPlayhead();
    ASSERT_TRUE(drag.press(TimelineHit::BeginBottom, 100 + 5));
    EXPECT_EQ(dragBubbleText(drag), "00:01:01");
    drag.move(100 + 5 + 249);  // Left 349: 63.49 s
    EXPECT_EQ(dragBubbleText(drag), "00:01:03.49");
    drag.move(100 + 5 + 251);  // Left 351: 63.51 s
    EXPECT_EQ(dragBubbleText(drag), "00:01:03.51");
    drag.move(100 + 5 + 300);  // Left 400: 64 s
    EXPECT_EQ(dragBubbleText(drag), "00:01:04");
    EXPECT_EQ(drag.release(), 64000);
    EXPECT_EQ(m.selection().beginMs, 64000);
}

TEST(DragBubble, SitsBesideTheLineAndFlipsAtThePanelsRightEdge)
{
    const QSize size(60, 16);
    EXPECT_EQ(dragBubbleRect(100, size, 62), QRect(111, 62, 60, 16));  // line at 106, 4 px gap after it
    EXPECT_EQ(dragBubbleRect(99.6, size, 62), QRect(111, 62, 60, 16));  // drawn at the nearest pixel
    EXPECT_EQ(dragBubbleRect(675, size, 62), QRect(686, 62, 60, 16));   // just fits: right edge 746
    EXPECT_EQ(dragBubbleRect(676, size, 62), QRect(618, 62, 60, 16));   // left of the line at 682
    EXPECT_EQ(dragBubbleRect(-500, size, 62).x(), 0);
    EXPECT_EQ(dragBubbleRect(5000, size, 62).x(), 746 - 60);
}
