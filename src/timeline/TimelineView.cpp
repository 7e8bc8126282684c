#include "timeline/TimelineView.h"

#include "timeline/TimePrecision.h"
#include "timeline/TimeText.h"
#include "timeline/TimelineGeometry.h"

#include <algorithm>
#include <cmath>

double TimelineView::timeAt(double leftPx) const
{
    // The order of the operations is that of the unzoomed mapping, so a whole-file view
    // (start 0) gives bit for bit the same seconds.
    return start + span * leftPx / kTrackWidth;
}

std::int32_t TimelineView::secondsAt(double leftPx) const
{
    return wholeSeconds(timeAt(leftPx));
}

double TimelineView::pixelOf(double seconds) const
{
    return span > 0 ? (seconds - start) * kTrackWidth / span : 0;
}

double TimelineView::secondsPerPixel() const
{
    return span > 0 ? span / kTrackWidth : 0;
}

TimelineView wholeView(double duration)
{
    return {0, duration > 0 ? duration : 0};
}

TimelineView boundedView(TimelineView view, double duration)
{
    if (!(duration > 0))
        return {};
    const double narrowest = std::min(kMinViewSpan, duration);
    const double span = std::isfinite(view.span) ? std::clamp(view.span, narrowest, duration) : duration;
    const double start = std::isfinite(view.start) ? std::clamp(view.start, 0.0, duration - span) : 0;
    return {start, span};
}

TimelineView zoomedAround(TimelineView view, double duration, double anchorPx, double factor)
{
    if (!(factor > 0) || !(duration > 0))
        return boundedView(view, duration);
    const double anchor = std::clamp(anchorPx, 0.0, double(kTrackWidth));
    const double at = view.timeAt(anchor);
    const double span = std::clamp(view.span / factor, std::min(kMinViewSpan, duration), duration);
    return boundedView({at - span * anchor / kTrackWidth, span}, duration);
}

TimelineView scrolledBy(TimelineView view, double duration, double dx)
{
    return boundedView({view.start + dx * view.secondsPerPixel(), view.span}, duration);
}

TimelineView viewOfRange(double duration, double begin, double end)
{
    const double low = std::min(begin, end);
    const double high = std::max(begin, end);
    const double margin = (high - low) / 20;
    double span = high - low + 2 * margin;
    if (span < kMinViewSpan)
        span = kMinViewSpan;
    return boundedView({(low + high) / 2 - span / 2, span}, duration);
}

TimelineView followingPlayhead(TimelineView view, double duration, double playhead)
{
    if (playhead >= view.start && playhead <= view.end())
        return view;
    return boundedView({playhead, view.span}, duration);
}

TimelineView showingTime(TimelineView view, double duration, double seconds)
{
    if (seconds < view.start)
        return boundedView({seconds, view.span}, duration);
    if (seconds > view.end())
        return boundedView({seconds - view.span, view.span}, duration);
    return view;
}

double wheelZoomFactor(int angleDelta)
{
    return std::exp2(angleDelta / 240.0);
}

std::int64_t msUnderPointer(const TimelineView& view, double duration, double panelX, std::int64_t unitMs)
{
    const Millis t = roundToUnit(view.timeAt(panelX - kLineOffset), unitMs);
    // The file's last place on the unit's grid: its last whole second at the whole-file view.
    const Millis unit = std::max<Millis>(unitMs, 1);
    const double seconds = std::isfinite(duration) ? std::clamp(duration, 0.0, 1e12) : 0.0;
    const Millis end = Millis(std::floor(seconds * kMsPerSecond)) / unit * unit;
    return std::clamp(t, Millis(0), end);
}
