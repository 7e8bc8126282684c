#pragma once
#include "platform/NumberText.h"

#include <QString>
#include <cstdint>

// The time rules of every time label and of the timeline.

// "H:MM:SS" with every part padded to two digits and unlimited hours: 0 -> "00:00:00",
// 7322 -> "02:02:02", 360000 -> "100:00:00". Negative input is shown as 0.
QString formatTime(std::int32_t seconds);

// Whole seconds at a Left position: round-half-even(F x leftPx / 728), F = full seconds.
std::int32_t secondsAt(double fullSeconds, double leftPx);

// round-half-even(v) limited to the signed 32-bit range; 0 for a value that is not finite.
std::int32_t wholeSeconds(double v);
