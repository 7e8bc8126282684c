#include "timeline/BeatSnapping.h"

#include "analysis/BeatSnap.h"

std::optional<BeatSnapPlace> beatSnapPlace(const std::vector<double>& beats, const TimelineView& view, double left,
                                           bool snapping)
{
    const double perPixel = view.secondsPerPixel();
    if (!snapping || beats.empty() || !(perPixel > 0))
        return std::nullopt;
    const std::optional<double> beat = analysis::snapToBeat(beats, view.timeAt(left), kBeatSnapPixels * perPixel);
    if (!beat)
        return std::nullopt;
    return BeatSnapPlace{*beat, view.pixelOf(*beat)};
}
