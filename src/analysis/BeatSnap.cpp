#include "analysis/BeatSnap.h"

#include <algorithm>
#include <cmath>

namespace analysis {

std::optional<double> snapToBeat(const std::vector<double>& beats, double time, double tolerance)
{
    if (beats.empty() || !(tolerance >= 0))
        return std::nullopt;
    const auto after = std::lower_bound(beats.begin(), beats.end(), time);
    std::optional<double> best;
    if (after != beats.begin())
        best = *std::prev(after);
    if (after != beats.end() && (!best || *after - time < time - *best))
        best = *after;
    if (!best || std::abs(*best - time) > tolerance)
        return std::nullopt;
    return best;
}

} // namespace analysis
