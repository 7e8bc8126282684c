#include "timeline/EditorModel.h"

#include "timeline/TimePrecision.h"
#include "timeline/TimeText.h"
#include "timeline/TimelineGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

EditorModel::EditorModel(QObject* parent) : QObject(parent) {}

// ---- Duration ----

void EditorModel::setDuration(std::int32_t seconds)
{
    seconds = std::max(seconds, std::int32_t(0));
    lengthMs_ = Millis(seconds) * kMsPerSecond;
    if (seconds == duration_)
        return;
    duration_ = seconds;
    Q_EMIT durationChanged(duration_);
    changeView(wholeView(duration_));
}

void EditorModel::setLengthMs(Millis ms)
{
    ms = std::max(ms, Millis(0));
    setDuration(std::int32_t(std::min<Millis>(ms / kMsPerSecond, std::numeric_limits<std::int32_t>::max())));
    lengthMs_ = std::max(ms, durationMs());
    changeView(inFile(view_));  // a shorter sound than before of the same whole seconds
}

// ---- A file still being decoded ----

void EditorModel::setDecodedEnd(std::optional<double> seconds)
{
    if (seconds)
        seconds = std::clamp(*seconds, 0.0, soundEnd());
    if (seconds == decodedEnd_)
        return;
    decodedEnd_ = seconds;
    Q_EMIT decodedEndChanged();
}

std::int32_t EditorModel::editableEnd() const
{
    if (!decodedEnd_)
        return duration_;
    return std::clamp(std::int32_t(std::floor(*decodedEnd_)), std::int32_t(0), duration_);
}

Millis EditorModel::decodedEndMs() const
{
    if (!decodedEnd_)
        return lengthMs_;
    return std::clamp(Millis(std::floor(*decodedEnd_ * kMsPerSecond)), Millis(0), lengthMs_);
}

Millis EditorModel::editableEndMs() const
{
    // Within the sound (or its decoded part), on the view's precision: at the whole-file view
    // its last whole second.
    const Millis unit = precisionMs();
    return decodedEndMs() / unit * unit;
}

// ---- Precision ----

Millis EditorModel::precisionMs() const
{
    return roundingUnitMs(view_, !isZoomed());
}

Millis EditorModel::atPrecision(double seconds) const
{
    return roundToUnit(seconds, precisionMs());
}

// ---- Playhead ----

std::int32_t EditorModel::playheadSeconds() const
{
    return wholeSeconds(playhead_);
}

Millis EditorModel::playheadMs() const
{
    return msOf(playhead_);
}

void EditorModel::placePlayhead(double seconds)
{
    if (seconds == playhead_)
        return;
    playhead_ = seconds;
    Q_EMIT playheadChanged();
}

void EditorModel::setPlayhead(double seconds)
{
    // Only a playhead that runs out of the view turns its page: a view the user took elsewhere
    // while it plays (a zoom to the selection, a scroll) stays where it was put.
    const bool wasInView = playhead_ >= view_.start && playhead_ <= view_.end();
    placePlayhead(seconds);
    if (playing_ && wasInView)
        changeView(inFile(followingPlayhead(view_, soundEnd(), playhead_)));
}

void EditorModel::setPlaying(bool playing)
{
    playing_ = playing;
    if (playing_)
        changeView(inFile(followingPlayhead(view_, soundEnd(), playhead_)));
}

Millis EditorModel::movePlayheadByMs(Millis deltaMs)
{
    const Millis t = std::clamp(atPrecision(playhead_) + deltaMs, Millis(0), std::max(Millis(0), editableEndMs()));
    placePlayhead(secondsOf(t));
    changeView(inFile(showingTime(view_, soundEnd(), secondsOf(t))));
    return t;
}

Millis EditorModel::movePlayheadTo(PlayheadTarget target)
{
    Millis to = 0;
    switch (target) {
    case PlayheadTarget::Start: to = 0; break;
    case PlayheadTarget::End: to = editableEndMs(); break;
    case PlayheadTarget::SelectionBegin: to = markerMs(Boundary::Begin); break;
    case PlayheadTarget::SelectionEnd: to = markerMs(Boundary::End); break;
    }
    const Millis t = std::clamp(to, Millis(0), std::max(Millis(0), editableEndMs()));
    placePlayhead(secondsOf(t));
    changeView(inFile(showingTime(view_, soundEnd(), secondsOf(t))));
    return t;
}

// ---- Selection ----

Millis EditorModel::markerMs(Boundary marker) const
{
    if (marker == Boundary::Begin)
        return selection_.beginShown ? selection_.beginMs : 0;
    if (marker == Boundary::End)
        return selection_.endShown ? selection_.endMs : durationMs();
    return playheadMs();
}

void EditorModel::commit(const Selection& next)
{
    if (next == selection_)
        return;
    history_.record(selection_);
    selection_ = next;
    Q_EMIT selectionChanged();
    Q_EMIT historyChanged();
}

void EditorModel::writeMarker(Boundary marker, Millis ms, bool show)
{
    Selection next = selection_;
    const bool begin = marker == Boundary::Begin;
    (begin ? next.beginMs : next.endMs) = ms;
    (begin ? next.beginShown : next.endShown) |= show;
    // An end set without a begin cuts from the begin's place (the file's start): that begin is
    // shown with it, so the timeline draws exactly what a save would write.
    if (!begin && show)
        next.beginShown = true;
    commit(next);
    if (begin)
        Q_EMIT beginSet();
    else
        Q_EMIT endSet();
}

bool EditorModel::setBeginAtPlayhead()
{
    // A playhead in the file's last fraction of a second marks the last place the view can show.
    const Millis t = std::min(atPrecision(playhead_), editableEndMs());
    if (t >= selection_.endMs && selection_.endMs > 0)
        return false;
    writeMarker(Boundary::Begin, t, true);
    return true;
}

bool EditorModel::setEndAtPlayhead()
{
    const Millis t = std::min(atPrecision(playhead_), editableEndMs());
    if (t < selection_.beginMs)
        return false;
    writeMarker(Boundary::End, t, true);
    return true;
}

void EditorModel::setBeginFromDragMs(Millis ms)
{
    writeMarker(Boundary::Begin, pastTheEnd(ms) ? editableEndMs() : ms, false);
}

void EditorModel::setEndFromDragMs(Millis ms)
{
    writeMarker(Boundary::End, pastTheEnd(ms) ? editableEndMs() : ms, false);
}

bool EditorModel::pastTheEnd(Millis ms) const
{
    // Past the part decoded so far, or rounded past the sound's end at the end of a view.
    return ms > editableEndMs() && (decodedEnd_ || (lengthMs_ > 0 && ms > lengthMs_));
}

bool EditorModel::nudgeMarkerMs(Boundary marker, Millis deltaMs)
{
    const bool begin = marker == Boundary::Begin;
    if (marker == Boundary::Playhead || deltaMs == 0 || !(begin ? selection_.beginShown : selection_.endShown))
        return false;
    // The markers keep one unit of the view's precision apart (a second at the whole view).
    const Millis gap = precisionMs();
    const Millis from = begin ? selection_.beginMs : selection_.endMs;
    const Millis low = begin ? 0 : selection_.beginMs + gap;
    const Millis high = begin && selection_.endShown && selection_.endMs > 0 ? selection_.endMs - gap : editableEndMs();
    // Only ever towards the asked direction: a marker already beyond a limit is not pulled back.
    const Millis to = deltaMs > 0 ? std::min(from + deltaMs, high) : std::max(from + deltaMs, low);
    if (deltaMs > 0 ? to <= from : to >= from)
        return false;
    writeMarker(marker, to, false);
    return true;
}

TypedTimeError EditorModel::setTypedTime(TimeField field, Millis ms)
{
    // A typed time is taken as typed, to the millisecond, whatever the view shows.
    const Millis fileEnd = decodedEndMs();
    const Millis begin = markerMs(Boundary::Begin);
    Boundary marker = Boundary::End;
    switch (field) {
    case TimeField::Begin:
        if (ms > fileEnd)
            return TypedTimeError::PastEnd;
        if (ms >= markerMs(Boundary::End))
            return TypedTimeError::BeginNotBeforeEnd;
        marker = Boundary::Begin;
        break;
    case TimeField::End:
        if (ms <= begin)
            return TypedTimeError::EndNotAfterBegin;
        if (ms > fileEnd)
            return TypedTimeError::PastEnd;
        break;
    case TimeField::Length:
        if (ms <= 0)
            return TypedTimeError::EndNotAfterBegin;
        if (ms > fileEnd - begin)
            return TypedTimeError::PastEnd;
        ms += begin;
        break;
    }
    writeMarker(marker, ms, true);
    return TypedTimeError::None;
}

void EditorModel::applyRandomCut(std::int32_t begin, std::int32_t end)
{
    commit({Millis(begin) * kMsPerSecond, Millis(end) * kMsPerSecond, true, true});
    Q_EMIT endSet();
    Q_EMIT beginSet();
}

void EditorModel::applyComputedRange(double beginSeconds, double endSeconds)
{
    // A computed edge is exact to the millisecond, whatever the view shows.
    const Millis limit = editableEndMs();
    const Millis begin = std::clamp<Millis>(std::llround(beginSeconds * kMsPerSecond), 0, limit);
    const Millis end = std::clamp<Millis>(std::llround(endSeconds * kMsPerSecond), begin, limit);
    commit({begin, end, true, true});
    Q_EMIT beginSet();
    Q_EMIT endSet();
}

void EditorModel::restore(const Selection& s)
{
    selection_ = s;
    Q_EMIT selectionChanged();
    Q_EMIT historyChanged();
    Q_EMIT beginSet();
    Q_EMIT endSet();
}

bool EditorModel::undo()
{
    const std::optional<Selection> back = history_.undo(selection_);
    if (back)
        restore(*back);
    return back.has_value();
}

bool EditorModel::redo()
{
    const std::optional<Selection> forward = history_.redo(selection_);
    if (forward)
        restore(*forward);
    return forward.has_value();
}

void EditorModel::reset()
{
    setDecodedEnd(std::nullopt);
    const bool hadHistory = history_.canUndo() || history_.canRedo();
    history_.clear();
    if (!(selection_ == Selection{})) {
        selection_ = {};
        Q_EMIT selectionChanged();
    }
    if (hadHistory)
        Q_EMIT historyChanged();
    setDragPreview(std::nullopt);
    placePlayhead(0);
    changeView(wholeView(duration_));
}

// ---- View ----

void EditorModel::changeView(const TimelineView& view)
{
    if (view == view_)
        return;
    view_ = view;
    Q_EMIT viewChanged();
}

TimelineView EditorModel::inFile(const TimelineView& view) const
{
    if (view.span >= duration_)
        return wholeView(duration_);
    return boundedView(view, soundEnd());
}

void EditorModel::setView(const TimelineView& view)
{
    changeView(inFile(view));
}

void EditorModel::zoomAround(double anchorPx, double factor)
{
    changeView(inFile(zoomedAround(view_, soundEnd(), anchorPx, factor)));
}

double EditorModel::keyboardAnchor() const
{
    const double x = view_.pixelOf(playhead_);
    return x >= 0 && x <= kTrackWidth ? x : kTrackWidth / 2.0;
}

bool EditorModel::zoomToSelection()
{
    if (!selection_.beginShown || !selection_.endShown || duration_ <= 0)
        return false;
    changeView(inFile(viewOfRange(soundEnd(), secondsOf(selection_.beginMs), secondsOf(selection_.endMs))));
    return true;
}

void EditorModel::showWholeFile()
{
    changeView(wholeView(duration_));
}

void EditorModel::scrollBy(double dx)
{
    changeView(inFile(scrolledBy(view_, soundEnd(), dx)));
}

// ---- Dragging ----

void EditorModel::setDragPreview(const std::optional<DragPreview>& preview)
{
    if (preview == preview_)
        return;
    preview_ = preview;
    Q_EMIT dragPreviewChanged();
}
