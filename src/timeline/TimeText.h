#pragma once
#include "platform/NumberText.h"

#include <QString>
#include <cstdint>

// The time rules of every time label and of the timeline.

// A time in whole milliseconds: the unit of the selection, the markers and the cut.
using Millis = std::int64_t;
inline constexpr Millis kMsPerSecond = 1000;

// "H:MM:SS" with every part padded to two digits and unlimited hours: 0 -> "00:00:00",
// 7322 -> "02:02:02", 360000 -> "100:00:00". Negative input is shown as 0.
QString formatTime(std::int32_t seconds);

// Whole seconds at a Left position: round-half-even(F x leftPx / 728), F = full seconds.
std::int32_t secondsAt(double fullSeconds, double leftPx);

// round-half-even(v) limited to the signed 32-bit range; 0 for a value that is not finite.
std::int32_t wholeSeconds(double v);

// As formatTime for whole seconds ("00:00:12"); a time with a fraction shows it after a point,
// with as many digits as it has, at most three: 12350 -> "00:00:12.35", 5 -> "00:00:00.005".
// Negative input is shown as 0.
QString formatTimeMs(Millis ms);

// The nearest whole millisecond of `seconds` (halves away from zero); 0 for a value that is not
// finite, limited to about +-292 million years.
Millis msOf(double seconds);

// `ms` in seconds.
inline double secondsOf(Millis ms) { return double(ms) / kMsPerSecond; }
