#include "timeline/TimeText.h"

#include "timeline/TimelineGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

QString formatTime(std::int32_t seconds)
{
    const std::int64_t s = seconds < 0 ? 0 : seconds;
    const std::int64_t h = s / 3600;
    const std::int64_t m = (s % 3600) / 60;
    const std::int64_t sec = (s % 3600) % 60;
    auto part = [](std::int64_t v) { return QString::number(v).rightJustified(2, QLatin1Char('0')); };
    return part(h) + QLatin1Char(':') + part(m) + QLatin1Char(':') + part(sec);
}

std::int32_t secondsAt(double fullSeconds, double leftPx)
{
    return wholeSeconds(fullSeconds * leftPx / kTrackWidth);
}

std::int32_t wholeSeconds(double seconds)
{
    const double v = roundHalfEven(seconds);
    if (v >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (v <= std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

QString formatTimeMs(Millis ms)
{
    if (ms <= 0)
        return formatTime(0);
    const Millis s = ms / kMsPerSecond;
    auto part = [](Millis v) { return QString::number(v).rightJustified(2, QLatin1Char('0')); };
    return part(s / 3600) + QLatin1Char(':') + part(s % 3600 / 60) + QLatin1Char(':') + part(s % 60) +
           millisFraction(std::uint64_t(ms));
}

Millis msOf(double seconds)
{
    const double ms = seconds * kMsPerSecond;
    if (!std::isfinite(ms))
        return 0;
    constexpr double limit = 9.2e18;
    return static_cast<Millis>(std::llround(std::clamp(ms, -limit, limit)));
}
