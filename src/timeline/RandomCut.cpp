#include "timeline/RandomCut.h"

#include "timeline/TimeText.h"
#include "timeline/TimelineBoard.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {
// The random cut is longer than this many seconds.
constexpr std::int64_t kShortestCutExclusive = 5;
}

std::optional<RandomCutPlaces> drawRandomCut(double fullSeconds, std::mt19937& random)
{
    if (!std::isfinite(fullSeconds))
        return std::nullopt;
    const auto full = static_cast<std::int64_t>(std::floor(fullSeconds));
    const std::int64_t shortest = kShortestCutExclusive + 1;
    if (full < shortest)
        return std::nullopt;
    // The end marker needs a handle's width of track to its left for the begin marker.
    const auto endRoom = static_cast<std::int64_t>(std::ceil(double(kHandleWidth) * fullSeconds / kTrackWidth));
    const std::int64_t end = std::uniform_int_distribution<std::int64_t>(std::max(shortest, endRoom), full)(random);
    const std::int64_t begin = std::uniform_int_distribution<std::int64_t>(0, end - shortest)(random);
    const double perSecond = double(kTrackWidth) / fullSeconds;
    return RandomCutPlaces{double(begin) * perSecond, double(end) * perSecond};
}
