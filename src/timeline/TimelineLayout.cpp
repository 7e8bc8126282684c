#include "timeline/TimelineLayout.h"

#include "timeline/TimeText.h"
#include "timeline/TimelineGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

bool onPanel(double left)
{
    return left > -kHandleWidth && left < kPanelWidth;
}

// The handle as drawn: at the whole pixel nearest its Left.
bool inHandle(const BoundaryPlace& place, int top, QPointF p)
{
    if (!place.drawn)
        return false;
    const double x = double(std::lround(place.left));
    return p.x() >= x && p.x() < x + kHandleWidth && p.y() >= top && p.y() < top + kHandleHeight;
}

}  // namespace

const BoundaryPlace& TimelineLayout::of(Boundary b) const
{
    switch (b) {
    case Boundary::Begin: return begin;
    case Boundary::End: return end;
    case Boundary::Playhead: break;
    }
    return playhead;
}

TimelineLayout layoutTimeline(const EditorModel& model)
{
    const TimelineView& view = model.view();
    const Selection& sel = model.selection();
    TimelineLayout l;
    // In the sound's last fraction of a second, past its whole-second duration, the whole-file
    // view draws the playhead and a marker (typed, or set zoomed in) at its end.
    const auto at = [&](double t) { return view.pixelOf(model.isZoomed() ? t : std::min(t, view.end())); };
    l.playhead = {at(model.playhead()), true};
    l.begin = {at(model.markerTime(Boundary::Begin)), sel.beginShown};
    l.end = {view.span > 0 ? at(model.markerTime(Boundary::End)) : double(kTrackWidth), sel.endShown};
    if (const auto& preview = model.dragPreview()) {
        BoundaryPlace& p = preview->boundary == Boundary::Playhead ? l.playhead
                         : preview->boundary == Boundary::Begin    ? l.begin
                                                                   : l.end;
        p.left = preview->left;
    }
    for (BoundaryPlace* p : {&l.playhead, &l.begin, &l.end})
        p->drawn = p->drawn && onPanel(p->left);

    if (sel.beginShown && sel.endShown) {
        l.shadeLeft = std::max(l.begin.left + kLineOffset + 1, double(kLineOffset));
        l.shadeRight = std::min(l.end.left + kLineOffset, double(kTrackWidth + kLineOffset));
        l.shadeShown = l.shadeRight > l.shadeLeft;
    }
    if (const std::optional<double>& decoded = model.decodedEnd(); decoded && model.duration() > 0) {
        l.decodedFraction = std::clamp(*decoded / model.duration(), 0.0, 1.0);
        l.pendingLeft = std::max(view.pixelOf(*decoded) + kLineOffset, double(kLineOffset));
        l.pendingShown = l.decodedFraction < 1 && l.pendingLeft < kTrackWidth + kLineOffset;
    }
    return l;
}

TimelineHit hitTest(const TimelineLayout& layout, QPointF point)
{
    struct Candidate {
        const BoundaryPlace& place;
        int top;
        TimelineHit hit;
    };
    const Candidate order[] = {
        {layout.end, kTopHandleY, TimelineHit::EndTop},
        {layout.end, kBottomHandleY, TimelineHit::EndBottom},
        {layout.begin, kTopHandleY, TimelineHit::BeginTop},
        {layout.begin, kBottomHandleY, TimelineHit::BeginBottom},
        {layout.playhead, kTopHandleY, TimelineHit::PlayheadTop},
        {layout.playhead, kBottomHandleY, TimelineHit::PlayheadBottom},
    };
    for (const Candidate& c : order)
        if (inHandle(c.place, c.top, point))
            return c.hit;
    return TimelineHit::Panel;
}

Boundary boundaryOf(TimelineHit hit)
{
    switch (hit) {
    case TimelineHit::BeginTop:
    case TimelineHit::BeginBottom:
        return Boundary::Begin;
    case TimelineHit::EndTop:
    case TimelineHit::EndBottom:
        return Boundary::End;
    default:
        return Boundary::Playhead;
    }
}
