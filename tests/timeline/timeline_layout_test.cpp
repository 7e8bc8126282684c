// Where the boundaries and the shade are drawn for a view, and what a point of the panel hits.
#include "timeline/EditorModel.h"
#include "timeline/TimelineLayout.h"

#include <gtest/gtest.h>

namespace {
// A model of `duration` with a selection [begin, end] shown.
void select(EditorModel& m, std::int32_t duration, std::int32_t begin, std::int32_t end)
{
    m.setDuration(duration);
    m.applyRandomCut(begin, end);
}
}  // namespace

TEST(TimelineLayout, HiddenMarkersWaitAtTheEndsAndOnlyShownOnesInViewAreDrawn)
{
    EditorModel m;
    TimelineLayout l = layoutTimeline(m);  // start-up: nothing known
    EXPECT_EQ(l.begin.left, 0);
    EXPECT_EQ(l.end.left, 728);
    EXPECT_FALSE(l.begin.drawn);
    EXPECT_FALSE(l.end.drawn);
    EXPECT_TRUE(l.playhead.drawn);
    EXPECT_FALSE(l.shadeShown);

    select(m, 7200, 600, 660);
    m.setPlayhead(630);
    m.setView({620, 100});
    l = layoutTimeline(m);
    EXPECT_DOUBLE_EQ(l.playhead.left, 72.8);
    EXPECT_FALSE(l.begin.drawn);  // -145.6: off the panel
    EXPECT_TRUE(l.end.drawn);     // 291.2
    // The shade runs from the track's first line to the end marker's line.
    EXPECT_TRUE(l.shadeShown);
    EXPECT_DOUBLE_EQ(l.shadeLeft, 6);
    EXPECT_DOUBLE_EQ(l.shadeRight, 291.2 + 6);

    // A handle partly on the panel is drawn; one just off it is not.
    m.setView({600 + 12.5 * 100 / 728, 100});
    EXPECT_TRUE(layoutTimeline(m).begin.drawn);
    m.setView({600 + 13.5 * 100 / 728, 100});
    EXPECT_FALSE(layoutTimeline(m).begin.drawn);
    m.setView({700, 100});  // the selection lies before the view: no shade
    EXPECT_FALSE(layoutTimeline(m).shadeShown);
}

TEST(TimelineLayout, ADraggedBoundaryStandsWhereItIsHeld)
{
    EditorModel m;
    select(m, 200, 50, 150);
    m.setDragPreview(DragPreview{Boundary::End, 700.5});
    const TimelineLayout l = layoutTimeline(m);
    EXPECT_DOUBLE_EQ(l.end.left, 700.5);
    EXPECT_DOUBLE_EQ(l.begin.left, 182);
    EXPECT_DOUBLE_EQ(l.shadeLeft, 189);
    EXPECT_DOUBLE_EQ(l.shadeRight, 706.5);
    m.setDragPreview(DragPreview{Boundary::Playhead, -218});
    EXPECT_DOUBLE_EQ(layoutTimeline(m).playhead.left, -218);
    EXPECT_FALSE(layoutTimeline(m).playhead.drawn);
}

TEST(TimelineLayout, HitsTheTopmostHandleUnderThePoint)
{
    EditorModel m;
    select(m, 728, 100, 200);  // one second per pixel
    m.setPlayhead(105);
    const TimelineLayout l = layoutTimeline(m);
    EXPECT_EQ(hitTest(l, {112.9, 59.9}), TimelineHit::BeginTop);
    EXPECT_EQ(hitTest(l, {113, 55}), TimelineHit::PlayheadTop);  // the begin handle ends at 113
    EXPECT_EQ(hitTest(l, {110, 55}), TimelineHit::BeginTop);     // above the playhead's handle
    EXPECT_EQ(hitTest(l, {117.9, 345}), TimelineHit::PlayheadBottom);
    EXPECT_EQ(hitTest(l, {118, 345}), TimelineHit::Panel);
    EXPECT_EQ(hitTest(l, {100, 60}), TimelineHit::Panel);  // below the top handle: the line lets clicks through
    EXPECT_EQ(hitTest(l, {205, 349}), TimelineHit::EndBottom);
    EXPECT_EQ(hitTest(l, {205, 350}), TimelineHit::Panel);
    EXPECT_EQ(boundaryOf(TimelineHit::EndBottom), Boundary::End);

    // The end marker lies above the begin marker where they touch.
    EditorModel close;
    select(close, 728, 100, 105);
    EXPECT_EQ(hitTest(layoutTimeline(close), {107, 52}), TimelineHit::EndTop);
    EXPECT_EQ(hitTest(layoutTimeline(close), {104, 52}), TimelineHit::BeginTop);
    // Handles drawn at a fraction of a pixel are hit where they are drawn, at the nearest pixel.
    EditorModel frac;
    select(frac, 7200, 50, 7000);  // begin at Left 5.06, drawn at 5
    EXPECT_EQ(hitTest(layoutTimeline(frac), {5, 52}), TimelineHit::BeginTop);
    EXPECT_EQ(hitTest(layoutTimeline(frac), {17.5, 52}), TimelineHit::BeginTop);
    EXPECT_EQ(hitTest(layoutTimeline(frac), {18, 52}), TimelineHit::Panel);
}

// While a file decodes, the part not decoded yet is laid out from its first pixel to the track's
// right line, in whatever view; once the whole file is there (or nothing decodes) it is not.
TEST(TimelineLayout, ThePartNotYetDecodedIsPending)
{
    EditorModel m;
    m.setDuration(7200);
    EXPECT_FALSE(layoutTimeline(m).pendingShown);  // a decoded file

    m.setDecodedEnd(1800);
    TimelineLayout l = layoutTimeline(m);
    EXPECT_TRUE(l.pendingShown);
    EXPECT_DOUBLE_EQ(l.pendingLeft, 182 + 6);
    EXPECT_DOUBLE_EQ(l.decodedFraction, 0.25);

    m.setView({0, 728});  // zoomed in on the decoded part: the pending part is out of view
    EXPECT_FALSE(layoutTimeline(m).pendingShown);
    m.setView({3600, 728});  // wholly pending: from the track's first line
    l = layoutTimeline(m);
    EXPECT_TRUE(l.pendingShown);
    EXPECT_DOUBLE_EQ(l.pendingLeft, 6);

    m.setDecodedEnd(7200);
    EXPECT_FALSE(layoutTimeline(m).pendingShown);
    m.setDecodedEnd(std::nullopt);
    EXPECT_FALSE(layoutTimeline(m).pendingShown);
}
