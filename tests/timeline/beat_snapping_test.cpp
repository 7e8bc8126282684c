// Markers snapping to beats: within six pixels of the view (so the reach in seconds follows the
// zoom), never with snapping off or Shift held, never where the marker may not stand, and the
// drag bubble saying so.
#include "timeline/BeatSnapping.h"
#include "timeline/DragBubble.h"
#include "timeline/EditorModel.h"
#include "timeline/TimelineDrag.h"
#include "timeline/TimelineGeometry.h"

#include <gtest/gtest.h>

namespace {

// Beats every half second from 0.25 s to 99.75 s (120 BPM).
std::vector<double> beatsOf100s()
{
    std::vector<double> beats;
    for (double t = 0.25; t < 100; t += 0.5)
        beats.push_back(t);
    return beats;
}

}  // namespace

TEST(BeatSnapping, ABeatWithinSixPixelsOfTheViewIsTakenAndFartherNot)
{
    const std::vector<double> beats{10.0, 20.0, 20.5};
    const TimelineView whole{0, 72.8};  // 0.1 s per pixel
    const double at10 = whole.pixelOf(10.0);
    EXPECT_EQ(beatSnapPlace(beats, whole, at10 + 5.9, true), (BeatSnapPlace{10.0, at10}));
    EXPECT_EQ(beatSnapPlace(beats, whole, at10 - 6.0, true), (BeatSnapPlace{10.0, at10}));
    EXPECT_FALSE(beatSnapPlace(beats, whole, at10 + 6.1, true));
    EXPECT_FALSE(beatSnapPlace(beats, whole, at10 - 6.1, true));
    // Of two beats in reach, the nearer.
    EXPECT_EQ(beatSnapPlace(beats, whole, whole.pixelOf(20.3), true)->seconds, 20.5);
    EXPECT_EQ(beatSnapPlace(beats, whole, whole.pixelOf(20.2), true)->seconds, 20.0);

    // Zoomed in ten times, 0.5 s is 50 pixels: out of reach. Zoomed out, it is within reach.
    const TimelineView zoomed{5, 7.28};
    EXPECT_FALSE(beatSnapPlace(beats, zoomed, zoomed.pixelOf(10.5), true));
    EXPECT_EQ(beatSnapPlace(beats, zoomed, zoomed.pixelOf(10.05), true)->left, zoomed.pixelOf(10.0));
    const TimelineView wide{0, 728};
    EXPECT_EQ(beatSnapPlace(beats, wide, wide.pixelOf(10.5), true)->seconds, 10.0);

    // Off, no beats, or no view: nothing.
    EXPECT_FALSE(beatSnapPlace(beats, whole, at10, false));
    EXPECT_FALSE(beatSnapPlace({}, whole, at10, true));
    EXPECT_FALSE(beatSnapPlace(beats, TimelineView{}, 0, true));
}

namespace {

struct DragRig {
    EditorModel model;
    TimelineDrag drag{model};
    DragRig()
    {
        model.setDuration(100);
        model.setView({40, 7.28});  // 10 ms per pixel: beats 50 px apart
        model.applyRandomCut(41, 46);
        drag.setBeats(beatsOf100s());
        drag.setSnapping(true);
    }
    double left(Boundary b) const { return layoutTimeline(model).of(b).left; }
    // Takes the end marker's handle and moves the pointer so that its Left would be `wanted`.
    void holdEndAt(double wanted, bool snapAllowed = true)
    {
        const double x = left(Boundary::End) + 6;
        if (!drag.isActive()) {
            ASSERT_TRUE(drag.press(TimelineHit::EndTop, x));
        }
        drag.move(x + (wanted - drag.left()), snapAllowed);
    }
};

}  // namespace

TEST(BeatSnapping, ADraggedMarkerStandsOnANearBeatAndTheBubbleSaysBeat)
{
    DragRig r;
    const double beat = r.model.view().pixelOf(44.25);
    r.holdEndAt(beat + 4);
    EXPECT_EQ(r.drag.left(), beat);
    EXPECT_TRUE(r.drag.onBeat());
    EXPECT_EQ(r.model.dragPreview(), (DragPreview{Boundary::End, beat}));
    EXPECT_EQ(dragBubbleText(r.drag).toStdString(), "00:00:44.25 beat");  // the beat itself, to the ms

    // Shift held: the marker follows the pointer and the bubble shows the time alone.
    r.holdEndAt(beat + 4, false);
    EXPECT_EQ(r.drag.left(), beat + 4);
    EXPECT_FALSE(r.drag.onBeat());
    EXPECT_EQ(dragBubbleText(r.drag).toStdString(), "00:00:44.29");

    // Shift let go and pressed again without a move: the same place, snapped and not.
    r.drag.resnap(true);
    EXPECT_EQ(r.drag.left(), beat);
    r.drag.resnap(false);
    EXPECT_EQ(r.drag.left(), beat + 4);

    // Seven pixels away: out of reach.
    r.holdEndAt(beat - 7);
    EXPECT_EQ(r.drag.left(), beat - 7);
    EXPECT_FALSE(r.drag.onBeat());
    r.drag.release();
    EXPECT_FALSE(r.drag.onBeat());
}

TEST(BeatSnapping, NothingSnapsWithSnappingOffOrWhereTheMarkerMayNotStand)
{
    DragRig r;
    r.drag.setSnapping(false);
    const double beat = r.model.view().pixelOf(44.25);
    r.holdEndAt(beat + 3);
    EXPECT_EQ(r.drag.left(), beat + 3);
    EXPECT_FALSE(r.drag.onBeat());
    r.drag.cancel();

    // The begin stands at 41 s (Left 100): the end keeps 13 px from it, so a beat at 41.1 s
    // (Left 110) is out of its bounds; held against the limit, 3 px from that beat, it stays.
    r.drag.setSnapping(true);
    r.drag.setBeats({41.10, 44.25});
    r.holdEndAt(90);
    EXPECT_EQ(r.drag.left(), 113);
    EXPECT_FALSE(r.drag.onBeat());
    r.drag.cancel();

    // The playhead never snaps.
    r.model.setPlayhead(42);
    const double x = r.left(Boundary::Playhead) + 6;
    ASSERT_TRUE(r.drag.press(TimelineHit::PlayheadTop, x));
    r.drag.move(x + r.model.view().pixelOf(44.25) + 2 - r.drag.left());
    EXPECT_FALSE(r.drag.onBeat());
}
