// Snapping a time to the nearest beat.
#pragma once

#include <optional>
#include <vector>

namespace analysis {

// The beat of `beats` (seconds, ascending) nearest to time, when it is at most tolerance seconds
// away; of two equally near beats, the earlier. nullopt when there is none that near (or
// tolerance is negative).
std::optional<double> snapToBeat(const std::vector<double>& beats, double time, double tolerance);

} // namespace analysis
