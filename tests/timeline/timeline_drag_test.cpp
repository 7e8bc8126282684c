// Dragging markers and the playhead in pixels of the view: the unzoomed rules and examples
// hold for the whole-file view, and the same pixel rules make short selections possible zoomed.
#include "support/RecordingLabels.h"
#include "timeline/EditorModel.h"
#include "timeline/SelectionLabels.h"
#include "timeline/TimelineDrag.h"

#include <gtest/gtest.h>

namespace {

struct Rig {
    EditorModel model;
    TimelineDrag drag{model};
    RecordingLabels labels;
    explicit Rig(std::int32_t duration)
    {
        model.setDuration(duration);
        QObject::connect(&model, &EditorModel::beginSet,
                         [this] { writeBeginLabels(labels, model.selection().beginMs, model.selection().endMs); });
        QObject::connect(&model, &EditorModel::endSet,
                         [this] { writeEndLabels(labels, model.selection().beginMs, model.selection().endMs); });
    }
    double left(Boundary b) const { return layoutTimeline(model).of(b).left; }
    // Grabs a handle 6 px inside it, moves the pointer by dx and lets go; the released time.
    std::optional<Millis> drag1(TimelineHit h, double dx)
    {
        const double x = left(boundaryOf(h)) + 6;
        EXPECT_TRUE(drag.press(h, x));
        drag.move(x + dx);
        return drag.release();
    }
};

}  // namespace

TEST(TimelineDrag, WholeFileDragsFollowTheUnzoomedRules)
{
    Rig r(200);
    r.model.applyRandomCut(0, 200);
    EXPECT_EQ(r.drag1(TimelineHit::BeginTop, 182), 50000);
    EXPECT_EQ(r.labels.text(TimeLabel::ViewBegin), "00:00:50");
    EXPECT_EQ(r.drag1(TimelineHit::EndBottom, 546 - 728), 150000);  // the lower handle moves it all the same
    EXPECT_EQ(r.labels.text(TimeLabel::ViewLength), "00:01:40");
    EXPECT_FALSE(r.model.dragPreview());

    Rig s(364);
    s.model.applyRandomCut(0, 364);
    s.drag1(TimelineHit::EndTop, 400 - 728);
    // Into the end marker: the begin stops 13 px left of it while it is held.
    ASSERT_TRUE(s.drag.press(TimelineHit::BeginTop, 6));
    s.drag.move(6 + 500);
    EXPECT_EQ(s.model.dragPreview(), (DragPreview{Boundary::Begin, 387}));
    EXPECT_EQ(s.drag.release(), 194000);  // round-half-even(364 x 387 / 728) = round(193.5)
    // The begin now stands at its second's place, 388; the end stops at 401 (200.5 s).
    EXPECT_EQ(s.drag1(TimelineHit::EndBottom, -300), 200000);
    EXPECT_EQ(s.drag1(TimelineHit::BeginTop, -1000), 0);
    EXPECT_EQ(s.drag1(TimelineHit::EndTop, 5000), 364000);  // past the right end: 728, the full duration
}

TEST(TimelineDrag, ACollisionSkipsTheEdgeTest)
{
    // One second per pixel; the end marker at Left 5. The begin, dragged right into it, stops
    // at 5 - 13 = -8: the distance wins over the left edge.
    Rig r(728);
    r.model.applyRandomCut(0, 5);
    ASSERT_TRUE(r.drag.press(TimelineHit::BeginTop, 6));
    r.drag.move(6 + 3);
    EXPECT_DOUBLE_EQ(r.drag.left(), -8);
    EXPECT_EQ(r.drag.release(), -8000);
}

TEST(TimelineDrag, HiddenMarkersAreMeasuredWhereTheyWait)
{
    // Only the begin shown: the hidden end waits at 728, also while no duration is known.
    for (std::int32_t duration : {0, 364}) {
        Rig r(duration);
        r.model.setBeginAtPlayhead();
        ASSERT_TRUE(r.drag.press(TimelineHit::BeginBottom, 6));
        r.drag.move(6 + 1000);
        EXPECT_DOUBLE_EQ(r.drag.left(), 715) << duration;
        EXPECT_EQ(r.drag.release(), duration == 0 ? 0 : 358000);
        EXPECT_FALSE(r.drag.press(TimelineHit::EndTop, 734));  // hidden handles cannot be taken
        EXPECT_FALSE(r.drag.press(TimelineHit::Panel, 100));
    }
}

TEST(TimelineDrag, ZoomedInASelectionOfSecondsOfTwoHoursCanBeDragged)
{
    Rig r(7200);
    r.model.applyRandomCut(0, 7200);
    r.model.setView({1000, 20});  // 0.0275 s per pixel
    EXPECT_FALSE(r.drag.press(TimelineHit::BeginTop, 0));  // out of view: not grabbable
    r.model.setPlayhead(1005);
    r.model.setBeginAtPlayhead();
    // The end marker far to the right limits nothing here; the view's right edge does.
    ASSERT_TRUE(r.drag.press(TimelineHit::BeginTop, 182 + 6));
    r.drag.move(5000);
    EXPECT_DOUBLE_EQ(r.drag.left(), 728);
    r.drag.cancel();
    EXPECT_EQ(r.model.selection().beginMs, 1005000);

    r.model.setPlayhead(1010);
    r.model.setEndAtPlayhead();
    // The end dragged into the begin stops 13 px after it: a third of a second.
    ASSERT_TRUE(r.drag.press(TimelineHit::EndTop, r.left(Boundary::End) + 2));
    r.drag.move(0);
    EXPECT_DOUBLE_EQ(r.drag.left(), 195);
    EXPECT_EQ(r.drag.release(), 1005400);  // 1000 + 20 x 195 / 728 = 1005.36, to the tenth at 27 ms a pixel
}

TEST(TimelineDrag, AMarkerTakenAndLetGoKeepsItsSecond)
{
    // 50 s of 7200 lies at Left 5.06; grabbing and letting go must not turn it into 49 s.
    Rig r(7200);
    r.model.setPlayhead(50);
    r.model.setBeginAtPlayhead();
    ASSERT_TRUE(r.drag.press(TimelineHit::BeginTop, 5));
    EXPECT_EQ(r.drag.release(), 50000);
    EXPECT_EQ(r.labels.text(TimeLabel::SelBegin), "00:00:50");  // every release writes its labels
}

TEST(TimelineDrag, ThePlayheadFollowsWithoutLimitsAndGivesTheSecondToPlay)
{
    Rig r(364);
    EXPECT_FALSE(r.drag.release());  // nothing pressed
    ASSERT_TRUE(r.drag.press(TimelineHit::PlayheadBottom, 6));
    EXPECT_FALSE(r.drag.press(TimelineHit::PlayheadTop, 6));  // one drag at a time
    r.drag.move(6 + 182);
    EXPECT_EQ(r.drag.release(), 91000);
    EXPECT_EQ(r.model.playhead(), 91);
    ASSERT_TRUE(r.drag.press(TimelineHit::PlayheadTop, 182 + 3));
    EXPECT_EQ(r.drag.release(), 91000);  // pressed and let go: the second under it again
    ASSERT_TRUE(r.drag.press(TimelineHit::PlayheadTop, 182 + 6));
    r.drag.move(182 + 6 - 400);
    EXPECT_DOUBLE_EQ(r.drag.left(), -218);  // no clamping
    EXPECT_EQ(r.drag.release(), -109000);
    EXPECT_EQ(r.model.selection(), Selection{});  // seeking touches no selection
}
