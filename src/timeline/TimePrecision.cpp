#include "timeline/TimePrecision.h"

#include <algorithm>
#include <array>
#include <cmath>

Millis roundingUnitMs(const TimelineView& view, bool wholeFile)
{
    const double perPixel = view.secondsPerPixel();
    if (wholeFile || !(perPixel > 0))
        return kMsPerSecond;
    // A view of exactly 10 ms a pixel (a span of 7.28 s) is not lost to the last bit of a division.
    const double pixel = perPixel * (1 - 1e-9);
    for (Millis unit : std::array<Millis, 4>{1, 10, 100, 1000})
        if (double(unit) / kMsPerSecond >= pixel)
            return unit;
    return kMsPerSecond;
}

Millis roundToUnit(double seconds, Millis unitMs)
{
    if (!std::isfinite(seconds))
        return 0;
    if (unitMs >= kMsPerSecond)
        return Millis(wholeSeconds(seconds)) * kMsPerSecond;  // exactly as a Left position always gave them
    const Millis unit = unitMs < 1 ? 1 : unitMs;
    // A whole number of units per second (10, 100 or 1000): multiplying by it is exact where a
    // division by the unit's fraction of a second would not be.
    const double units = roundHalfEven(seconds * double(kMsPerSecond / unit));
    constexpr double limit = 9.2e15;
    return Millis(std::clamp(units, -limit, limit)) * unit;
}
