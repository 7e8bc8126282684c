// The track's mapping through a view: identical to the unzoomed mapping for the whole file,
// zoom around an anchor, limits, scrolling and the two ways of keeping the playhead in view.
#include "timeline/TimeText.h"
#include "timeline/TimelineView.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(TimelineView, WholeFileMapsExactlyAsTheUnzoomedTrack)
{
    // The worked examples, then every pixel of the track for a range of durations.
    EXPECT_EQ(wholeView(181).secondsAt(364), 90);  // 90.5 to even
    EXPECT_EQ(wholeView(183).secondsAt(364), 92);  // 91.5 to even
    EXPECT_EQ(wholeView(364).secondsAt(546), 273);
    EXPECT_EQ(wholeView(364).secondsAt(-40), -20);
    EXPECT_EQ(wholeView(0).secondsAt(500), 0);
    for (int f : {1, 7, 59, 180, 181, 183, 200, 364, 3599, 7200, 7201, 86399, 360000})
        for (int px = -20; px <= 760; ++px) {
            ASSERT_EQ(wholeView(f).secondsAt(px), secondsAt(f, px)) << f << " s at " << px;
            ASSERT_EQ(wholeView(f).secondsAt(px + 0.5), secondsAt(f, px + 0.5)) << f << " s at " << px;
        }
    EXPECT_DOUBLE_EQ(wholeView(200).pixelOf(50), 182);
    EXPECT_EQ(wholeView(0).pixelOf(10), 0);
}

TEST(TimelineView, ZoomKeepsTheTimeUnderTheAnchor)
{
    const double f = 7200;
    TimelineView v = wholeView(f);
    for (double anchor : {100.0, 364.0, 611.5}) {
        const double at = v.timeAt(anchor);
        const TimelineView in = zoomedAround(v, f, anchor, 2);
        EXPECT_DOUBLE_EQ(in.span, f / 2);
        EXPECT_NEAR(in.timeAt(anchor), at, 1e-9) << anchor;
        const TimelineView deeper = zoomedAround(in, f, anchor, 8);
        EXPECT_NEAR(deeper.timeAt(anchor), at, 1e-9) << anchor;
        // Zooming back out by the same factors gives the whole file again.
        EXPECT_EQ(zoomedAround(zoomedAround(deeper, f, anchor, 1.0 / 8), f, anchor, 0.5), wholeView(f));
    }
}

TEST(TimelineView, ZoomStopsAtOneMillisecondPerPixelAndAtTheWholeFile)
{
    const double f = 7200;
    TimelineView v = wholeView(f);
    for (int i = 0; i < 30; ++i)
        v = zoomedAround(v, f, 364, 2);
    EXPECT_DOUBLE_EQ(v.span, kMinViewSpan);
    EXPECT_NEAR(v.secondsPerPixel(), 0.001, 1e-12);
    EXPECT_EQ(zoomedAround(v, f, 600, 2), v);  // further in changes nothing, not even the place
    for (int i = 0; i < 30; ++i)
        v = zoomedAround(v, f, 0, 0.5);
    EXPECT_EQ(v, wholeView(f));
    // A sound shorter than the narrowest view cannot be zoomed.
    EXPECT_EQ(zoomedAround(wholeView(0.5), 0.5, 364, 4), wholeView(0.5));
    // Near the start the view keeps the file's start at Left 0 rather than show time before it.
    EXPECT_EQ(zoomedAround({100, 1800}, f, 364, 0.5), (TimelineView{0, 3600}));
    EXPECT_EQ(zoomedAround({5000, 1800}, f, 364, 0.5), (TimelineView{3600, 3600}));
}

TEST(TimelineView, ScrollingStaysInsideTheFile)
{
    const double f = 600;
    const TimelineView v{100, 60};
    EXPECT_DOUBLE_EQ(scrolledBy(v, f, 364).start, 130);  // half a track: half a span
    EXPECT_DOUBLE_EQ(scrolledBy(v, f, -364).start, 70);
    EXPECT_EQ(scrolledBy(v, f, -100000), (TimelineView{0, 60}));
    EXPECT_EQ(scrolledBy(v, f, 100000), (TimelineView{540, 60}));
    EXPECT_EQ(boundedView({-5, 1e9}, f), wholeView(f));
    EXPECT_EQ(boundedView({10, 0.1}, f), (TimelineView{10, kMinViewSpan}));
    EXPECT_EQ(boundedView({10, 50}, 0), TimelineView{});
}

TEST(TimelineView, RangeViewsLeaveRoomAroundTheSelection)
{
    const TimelineView v = viewOfRange(7200, 1000, 1200);
    EXPECT_DOUBLE_EQ(v.start, 990);
    EXPECT_DOUBLE_EQ(v.span, 220);
    EXPECT_GT(v.pixelOf(1000), 13);  // both handles can be grabbed from either side
    EXPECT_LT(v.pixelOf(1200), 728 - 13);
    const TimelineView tiny = viewOfRange(7200, 50, 50.2);
    EXPECT_DOUBLE_EQ(tiny.span, kMinViewSpan);
    EXPECT_NEAR(tiny.timeAt(364), 50.1, 1e-12);
    EXPECT_EQ(viewOfRange(7200, 0, 7200), wholeView(7200));
}

TEST(TimelineView, PlayingTurnsPagesAndKeysScrollJustEnough)
{
    const double f = 7200;
    const TimelineView v{0, 60};
    EXPECT_EQ(followingPlayhead(v, f, 60), v);  // on the right edge is still in view
    EXPECT_EQ(followingPlayhead(v, f, 60.1), (TimelineView{60.1, 60}));
    EXPECT_EQ(followingPlayhead(v, f, 7190), (TimelineView{7140, 60}));
    EXPECT_EQ(followingPlayhead({600, 60}, f, 10), (TimelineView{10, 60}));

    EXPECT_EQ(showingTime(v, f, 61), (TimelineView{1, 60}));
    EXPECT_EQ(showingTime({600, 60}, f, 590), (TimelineView{590, 60}));
    EXPECT_EQ(showingTime(v, f, 59), v);
}

TEST(TimelineView, ClicksPlayTheSecondUnderThePointer)
{
    // The lines stand at Left + 6: a click on the line of Left 182 is 91 s of 364.
    const TimelineView whole = wholeView(364);
    EXPECT_EQ(msUnderPointer(whole, 364, 188, 1000), 91000);
    EXPECT_EQ(msUnderPointer(whole, 364, 0, 1000), 0);      // left of the first line: the start
    EXPECT_EQ(msUnderPointer(whole, 364, 745, 1000), 364000);  // right of the last line: the end
    EXPECT_EQ(msUnderPointer({100, 7.28}, 7200, 6 + 364, 1000), 104000);
    // Zoomed in, the time under the pointer at the view's precision, still within the file.
    EXPECT_EQ(msUnderPointer({100, 7.28}, 7200, 6 + 364.4, 10), 103640);
    EXPECT_EQ(msUnderPointer({100, 0.728}, 7200, 6 + 123.4, 1), 100123);
    // Past the sound's end: its last place on the unit's grid, its last whole second at 1 s.
    EXPECT_EQ(msUnderPointer({355.3, 7.28}, 362.537, 6 + 728, 10), 362530);
    EXPECT_EQ(msUnderPointer({355.3, 7.28}, 362.537, 6 + 728, 1), 362537);
    EXPECT_EQ(msUnderPointer({355.3, 7.28}, 362.537, 6 + 728, 1000), 362000);
    EXPECT_EQ(msUnderPointer(wholeView(362), 362.537, 745, 1000), 362000);
    EXPECT_EQ(msUnderPointer({0, 7.28}, std::nan(""), 100, 10), 0);  // no length known: the start
    EXPECT_DOUBLE_EQ(wheelZoomFactor(240), 2);
    EXPECT_DOUBLE_EQ(wheelZoomFactor(-240), 0.5);
}
