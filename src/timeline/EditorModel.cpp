#include "timeline/EditorModel.h"

#include "timeline/TimeText.h"
#include "timeline/TimelineGeometry.h"

#include <algorithm>
#include <cmath>

EditorModel::EditorModel(QObject* parent) : QObject(parent) {}

// ---- Duration ----

void EditorModel::setDuration(std::int32_t seconds)
{
    seconds = std::max(seconds, std::int32_t(0));
    if (seconds == duration_)
        return;
    duration_ = seconds;
    Q_EMIT durationChanged(duration_);
    changeView(wholeView(duration_));
}

// ---- A file still being decoded ----

void EditorModel::setDecodedEnd(std::optional<double> seconds)
{
    if (seconds)
        seconds = std::clamp(*seconds, 0.0, double(duration_));
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

// ---- Playhead ----

std::int32_t EditorModel::playheadSeconds() const
{
    return wholeSeconds(playhead_);
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
        changeView(followingPlayhead(view_, duration_, playhead_));
}

void EditorModel::setPlaying(bool playing)
{
    playing_ = playing;
    if (playing_)
        changeView(followingPlayhead(view_, duration_, playhead_));
}

std::int32_t EditorModel::movePlayheadBy(std::int32_t seconds)
{
    const std::int64_t to = std::int64_t(playheadSeconds()) + seconds;
    const auto t = std::int32_t(std::clamp<std::int64_t>(to, 0, editableEnd()));
    placePlayhead(t);
    changeView(showingTime(view_, duration_, t));
    return t;
}

std::int32_t EditorModel::movePlayheadTo(PlayheadTarget target)
{
    double to = 0;
    switch (target) {
    case PlayheadTarget::Start: to = 0; break;
    case PlayheadTarget::End: to = editableEnd(); break;
    case PlayheadTarget::SelectionBegin: to = markerTime(Boundary::Begin); break;
    case PlayheadTarget::SelectionEnd: to = markerTime(Boundary::End); break;
    }
    const auto t = std::clamp(std::int32_t(to), std::int32_t(0), editableEnd());
    placePlayhead(t);
    changeView(showingTime(view_, duration_, t));
    return t;
}

// ---- Selection ----

double EditorModel::markerTime(Boundary marker) const
{
    if (marker == Boundary::Begin)
        return selection_.beginShown ? selection_.begin : 0;
    if (marker == Boundary::End)
        return selection_.endShown ? selection_.end : duration_;
    return playhead_;
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

void EditorModel::writeMarker(Boundary marker, std::int32_t seconds, bool show)
{
    Selection next = selection_;
    const bool begin = marker == Boundary::Begin;
    (begin ? next.begin : next.end) = seconds;
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
    const std::int32_t t = playheadSeconds();
    if (t >= selection_.end && selection_.end > 0)
        return false;
    writeMarker(Boundary::Begin, t, true);
    return true;
}

bool EditorModel::setEndAtPlayhead()
{
    const std::int32_t t = playheadSeconds();
    if (t < selection_.begin)
        return false;
    writeMarker(Boundary::End, t, true);
    return true;
}

void EditorModel::setBeginFromDrag(std::int32_t seconds)
{
    writeMarker(Boundary::Begin, decodedEnd_ ? std::min(seconds, editableEnd()) : seconds, false);
}

void EditorModel::setEndFromDrag(std::int32_t seconds)
{
    writeMarker(Boundary::End, decodedEnd_ ? std::min(seconds, editableEnd()) : seconds, false);
}

bool EditorModel::nudgeMarker(Boundary marker, std::int32_t seconds)
{
    const bool begin = marker == Boundary::Begin;
    if (marker == Boundary::Playhead || seconds == 0 || !(begin ? selection_.beginShown : selection_.endShown))
        return false;
    const std::int64_t from = begin ? selection_.begin : selection_.end;
    const std::int64_t low = begin ? 0 : std::int64_t(selection_.begin) + 1;
    const std::int64_t high = begin && selection_.endShown && selection_.end > 0 ? std::int64_t(selection_.end) - 1
                                                                                : std::int64_t(editableEnd());
    // Only ever towards the asked direction: a marker already beyond a limit is not pulled back.
    const std::int64_t to = seconds > 0 ? std::min(from + seconds, high) : std::max(from + seconds, low);
    if (seconds > 0 ? to <= from : to >= from)
        return false;
    writeMarker(marker, std::int32_t(to), false);
    return true;
}

void EditorModel::applyRandomCut(std::int32_t begin, std::int32_t end)
{
    commit({begin, end, true, true});
    Q_EMIT endSet();
    Q_EMIT beginSet();
}

void EditorModel::applyComputedRange(double beginSeconds, double endSeconds)
{
    const double limit = editableEnd();
    const double b = std::clamp(beginSeconds, 0.0, limit);
    const double e = std::clamp(endSeconds, b, limit);
    // A microsecond of slack: an edge of whole milliseconds stays on its second.
    const auto begin = std::int32_t(std::floor(b + 1e-6));
    const auto end = std::max(begin, std::int32_t(std::ceil(e - 1e-6)));
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

void EditorModel::setView(const TimelineView& view)
{
    changeView(boundedView(view, duration_));
}

void EditorModel::zoomAround(double anchorPx, double factor)
{
    changeView(zoomedAround(view_, duration_, anchorPx, factor));
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
    changeView(viewOfRange(duration_, selection_.begin, selection_.end));
    return true;
}

void EditorModel::showWholeFile()
{
    changeView(wholeView(duration_));
}

void EditorModel::scrollBy(double dx)
{
    changeView(scrolledBy(view_, duration_, dx));
}

// ---- Dragging ----

void EditorModel::setDragPreview(const std::optional<DragPreview>& preview)
{
    if (preview == preview_)
        return;
    preview_ = preview;
    Q_EMIT dragPreviewChanged();
}
