#pragma once
#include "timeline/EditorModel.h"
#include "timeline/TimelineGeometry.h"

#include <QPointF>

// The timeline panel in its own pixels: the track's Left 0 is the panel's x 0, a boundary's
// line stands at its Left + 6, its handles span Left to Left + 13 at the top and the bottom.
inline constexpr int kPanelWidth = 746;
inline constexpr int kTopHandleY = 52;
inline constexpr int kBottomHandleY = 342;
inline constexpr int kLineTop = 58;

// Where one boundary stands in the view (`left`, track pixels, for a hidden marker the place it
// waits at) and whether it is drawn: shown and at least partly on the panel.
struct BoundaryPlace {
    double left = 0;
    bool drawn = false;
};

// The boundaries and the selection's shade as the panel draws them for the model's view.
struct TimelineLayout {
    BoundaryPlace playhead;
    BoundaryPlace begin;
    BoundaryPlace end;
    // The shade between the two lines, clipped to the track's lines (panel x 6 to 734); shown
    // when both markers are shown and some of it is in view.
    double shadeLeft = 0;
    double shadeRight = 0;
    bool shadeShown = false;
    // While a file is still being decoded: the part not decoded yet, from pendingLeft (panel x)
    // to the track's right line, and how much of the file is decoded (0 to 1).
    double pendingLeft = 0;
    bool pendingShown = false;
    double decodedFraction = 1;

    const BoundaryPlace& of(Boundary b) const;
};

// Lays out the model's boundaries in its view. A boundary being dragged stands at its drag
// preview. A hidden begin marker waits at the file's start, a hidden end marker at its end
// (Left 728 while no duration is known).
TimelineLayout layoutTimeline(const EditorModel& model);

// What a point of the panel falls on: a drawn handle, or the panel itself (lines let clicks
// through). Where handles overlap, the end marker's lie above the begin marker's, and both
// above the playhead's.
enum class TimelineHit { Panel, PlayheadTop, PlayheadBottom, BeginTop, BeginBottom, EndTop, EndBottom };
TimelineHit hitTest(const TimelineLayout& layout, QPointF point);

// The boundary a handle belongs to; Playhead for the panel.
Boundary boundaryOf(TimelineHit hit);
