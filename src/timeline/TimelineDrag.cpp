#include "timeline/TimelineDrag.h"

#include "timeline/BeatSnapping.h"
#include "timeline/TimelineGeometry.h"
#include "timeline/TimeText.h"

TimelineDrag::TimelineDrag(EditorModel& model) : model_(model) {}

bool TimelineDrag::press(TimelineHit handle, double x)
{
    if (active_ || handle == TimelineHit::Panel)
        return false;
    const Boundary b = boundaryOf(handle);
    const BoundaryPlace place = layoutTimeline(model_).of(b);
    if (!place.drawn)
        return false;
    active_ = true;
    boundary_ = b;
    pressX_ = lastX_ = x;
    pressLeft_ = left_ = place.left;
    onBeat_ = false;
    model_.setDragPreview(DragPreview{boundary_, left_});
    return true;
}

double TimelineDrag::placeMarker(double wanted) const
{
    const TimelineLayout layout = layoutTimeline(model_);
    const bool begin = boundary_ == Boundary::Begin;
    const double other = (begin ? layout.end : layout.begin).left;
    const auto w = float(kHandleWidth);
    // The distance to the other marker is computed in single precision, as it always was.
    if (begin) {
        const float limit = float(other) - w;
        if (!(limit >= wanted))
            return limit;  // a collision skips the edge test
    } else {
        const float limit = float(other) + w;
        if (!(limit <= wanted))
            return limit;
    }
    if (wanted < 0)
        return 0;
    if (wanted > kTrackWidth)
        return kTrackWidth;
    return wanted;
}

void TimelineDrag::move(double x, bool snapAllowed)
{
    if (!active_)
        return;
    // The pointer's offset inside the handle is kept as it was at the press, fraction and all:
    // a marker drawn between pixels does not jump when taken, and let go it keeps its second.
    lastX_ = x;
    const double wanted = pressLeft_ + (x - pressX_);
    left_ = boundary_ == Boundary::Playhead ? wanted : placeMarker(wanted);
    onBeat_ = false;
    if (boundary_ != Boundary::Playhead) {
        const std::optional<BeatSnapPlace> beat = beatSnapPlace(beats_, model_.view(), left_, snapping_ && snapAllowed);
        // A beat the marker may not stand on (too near the other marker, off the track) is left.
        if (beat && placeMarker(beat->left) == beat->left) {
            left_ = beat->left;
            onBeat_ = true;
        }
    }
    model_.setDragPreview(DragPreview{boundary_, left_});
}

Millis TimelineDrag::msNow() const
{
    return model_.atPrecision(model_.view().timeAt(left_));
}

std::optional<Millis> TimelineDrag::release()
{
    if (!active_)
        return std::nullopt;
    const Millis t = msNow();
    active_ = false;
    onBeat_ = false;
    model_.setDragPreview(std::nullopt);
    switch (boundary_) {
    case Boundary::Begin: model_.setBeginFromDragMs(t); break;
    case Boundary::End: model_.setEndFromDragMs(t); break;
    case Boundary::Playhead: model_.setPlayhead(secondsOf(t)); break;
    }
    return t;
}

void TimelineDrag::cancel()
{
    active_ = false;
    onBeat_ = false;
    model_.setDragPreview(std::nullopt);
}
