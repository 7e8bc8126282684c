#pragma once
#include "timeline/TimelineView.h"

#include <optional>
#include <vector>

// How near a dragged marker must come to a beat, in track pixels, to snap to it.
inline constexpr double kBeatSnapPixels = 6;

// A beat that a dragged marker snaps to: its time and its Left in the view.
struct BeatSnapPlace {
    double seconds = 0;
    double left = 0;
    bool operator==(const BeatSnapPlace&) const = default;
};

// The beat a marker held at `left` (track pixels of `view`) snaps to: the nearest of `beats`
// (seconds, ascending) that is at most kBeatSnapPixels away in this view (of two as near, the
// earlier). Nothing when snapping is off (the setting, or Shift held), when no beat is that
// near, or while the view has no span.
std::optional<BeatSnapPlace> beatSnapPlace(const std::vector<double>& beats, const TimelineView& view, double left,
                                           bool snapping);
