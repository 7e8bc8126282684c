#include "timeline/TimelineInteraction.h"

#include "timeline/EditorState.h"
#include "timeline/PlaybackController.h"
#include "timeline/SelectionLabels.h"
#include "timeline/TimeText.h"
#include "timeline/TimelineBoard.h"

#include <cmath>

namespace {

// The pictures of one marker in the order a move of `handle` sets them, and the matching handle
// of the other marker that the collision test reads.
struct MarkerPics {
    TimelinePic dragged, line, follower, other;
    bool isBegin;
};

MarkerPics picsOf(MarkerHandle h)
{
    switch (h) {
    case MarkerHandle::Top1:
        return {TimelinePic::SelectTop1, TimelinePic::SelectLine1, TimelinePic::SelectBottom1, TimelinePic::SelectTop2, true};
    case MarkerHandle::Bottom1:
        return {TimelinePic::SelectBottom1, TimelinePic::SelectLine1, TimelinePic::SelectTop1, TimelinePic::SelectBottom2, true};
    case MarkerHandle::Top2:
        return {TimelinePic::SelectTop2, TimelinePic::SelectLine2, TimelinePic::SelectBottom2, TimelinePic::SelectTop1, false};
    case MarkerHandle::Bottom2:
        break;
    }
    return {TimelinePic::SelectBottom2, TimelinePic::SelectLine2, TimelinePic::SelectTop2, TimelinePic::SelectBottom1, false};
}

void placeMarker(TimelineBoard& board, const MarkerPics& m, double left)
{
    board.setLeft(m.dragged, left);
    board.setLeft(m.line, left + kLineOffset);
    board.setLeft(m.follower, left);
}

}  // namespace

TimelineInteraction::TimelineInteraction(EditorState& state, TimelineBoard& board, LabelSink& labels,
                                         PlaybackController& playback, std::function<void(bool)> setPollEnabled)
    : state_(state), board_(board), labels_(labels), playback_(playback), setPollEnabled_(std::move(setPollEnabled))
{
}

void TimelineInteraction::pressCommon(double x)
{
    state_.dragActive = kTrue;
    state_.dragAnchorX = static_cast<std::int32_t>(roundHalfEven(x));
}

void TimelineInteraction::markerPress(MarkerHandle, double x)
{
    pressCommon(x);
}

void TimelineInteraction::markerMove(MarkerHandle handle, double x)
{
    if (!isSet(state_.dragActive))
        return;
    const MarkerPics m = picsOf(handle);
    placeMarker(board_, m, board_.left(m.dragged) + x - state_.dragAnchorX);

    const auto w = static_cast<float>(board_.width(m.dragged));
    const double own = board_.left(m.dragged);
    const double other = board_.left(m.other);
    if (m.isBegin) {
        const float limit = static_cast<float>(other) - w;
        if (!(limit >= own)) {
            placeMarker(board_, m, limit);
            return;  // a collision skips the edge test
        }
        if (own < 0)
            placeMarker(board_, m, 0);
    } else {
        const float limit = static_cast<float>(other) + w;
        if (!(limit <= own)) {
            placeMarker(board_, m, limit);
            return;
        }
        if (own > kTrackWidth)
            placeMarker(board_, m, kTrackWidth);
    }
}

void TimelineInteraction::markerRelease(MarkerHandle handle)
{
    if (!isSet(state_.dragActive))
        return;
    state_.dragActive = kFalse;
    const MarkerPics m = picsOf(handle);
    const std::int32_t t = secondsAt(state_.fullSeconds(), board_.left(m.dragged));
    if (m.isBegin) {
        state_.selBeginSeconds = t;
        writeBeginLabels(labels_, state_.selBeginSeconds, state_.selEndSeconds);
    } else {
        state_.selEndSeconds = t;
        writeEndLabels(labels_, state_.selBeginSeconds, state_.selEndSeconds);
    }
}

void TimelineInteraction::playheadPress(PlayheadHandle, double x)
{
    if (setPollEnabled_)
        setPollEnabled_(false);
    pressCommon(x);
    playback_.stopAndClose();
}

void TimelineInteraction::playheadMove(PlayheadHandle, double x)
{
    if (!isSet(state_.dragActive))
        return;
    const double n = board_.left(TimelinePic::BottomPoint) + x - state_.dragAnchorX;
    board_.setLeft(TimelinePic::BottomPoint, n);
    board_.setLeft(TimelinePic::TopPoint, n);
    board_.setLeft(TimelinePic::Line, n + kLineOffset);
}

void TimelineInteraction::playheadRelease(PlayheadHandle)
{
    if (!isSet(state_.dragActive))
        return;
    state_.dragActive = kFalse;
    if (setPollEnabled_)
        setPollEnabled_(true);
    if (playback_.openTempWav())
        playback_.playFrom(secondsAt(state_.fullSeconds(), board_.left(TimelinePic::BottomPoint)));
}

void TimelineInteraction::panelPress(double x)
{
    playback_.stopAndClose();
    if (playback_.openTempWav())
        playback_.playFrom(secondsAtPanelX(state_.fullSeconds(), x));
}
