#pragma once
#include <cstdint>

// The stretch of the sound that the 728-px track shows: `start` and `span` in seconds. Left 0
// of the track is `start`, Left 728 is `start + span`. The whole file, [0, F], maps exactly as
// the unzoomed timeline always has: seconds = round-half-even(F x Left / 728).
struct TimelineView {
    double start = 0;
    double span = 0;

    double end() const { return start + span; }
    // The time at a Left position, unrounded: start + span x leftPx / 728.
    double timeAt(double leftPx) const;
    // The whole second at a Left position: round-half-even of timeAt(), limited to 32 bits.
    std::int32_t secondsAt(double leftPx) const;
    // The Left position of a time; 0 while the span is 0 (no duration known).
    double pixelOf(double seconds) const;
    // Seconds per pixel of the track; 0 while the span is 0.
    double secondsPerPixel() const;
    bool operator==(const TimelineView&) const = default;
};

// The narrowest view: one millisecond per pixel, where single cycles of a tone can be seen.
inline constexpr double kMinViewSpan = 0.728;

// The whole file: [0, duration].
TimelineView wholeView(double duration);

// `view` kept inside [0, duration]: a span of at least kMinViewSpan (or the whole file when it
// is shorter) and at most the duration, then moved inside the file.
TimelineView boundedView(TimelineView view, double duration);

// Zooms by `factor` (> 1 narrows, < 1 widens) so that the time under the Left position
// `anchorPx` stays where it is, as far as the file's ends and the zoom limits allow.
TimelineView zoomedAround(TimelineView view, double duration, double anchorPx, double factor);

// Moved by `dx` track pixels (positive: later), inside the file.
TimelineView scrolledBy(TimelineView view, double duration, double dx);

// A view of [begin, end] with a twentieth of its length free on either side, inside the file.
TimelineView viewOfRange(double duration, double begin, double end);

// While playing: a view that shows `playhead`. If it already does, `view` itself; otherwise the
// view turns a page so that the playhead stands at its left edge (at the end of the file the
// view stops at the file's end).
TimelineView followingPlayhead(TimelineView view, double duration, double playhead);

// The smallest scroll that brings `seconds` into the view (for keyboard moves).
TimelineView showingTime(TimelineView view, double duration, double seconds);

// The zoom factor of a wheel turn: one notch (120) zooms by the square root of two.
double wheelZoomFactor(int angleDelta);

// The time that a click at the panel's x plays, in milliseconds: the time under the pointer,
// where the boundary lines stand (Left + 6), rounded to `unitMs` (see roundToUnit()) and limited
// to the sound [0, duration] (seconds, with their fraction), whose end counts in whole units.
std::int64_t msUnderPointer(const TimelineView& view, double duration, double panelX, std::int64_t unitMs);
