#pragma once
#include <QString>
#include <cstdint>

// Number and time rules shared by every time label, the timeline and the settings file.

// Rounds to the nearest integer, exact halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double v);

// The leading decimal number of a text: optional blanks, sign, digits, "." fraction and
// exponent, as in "25.47," -> 25.47 or "12abc" -> 12. A text without one gives 0.
double leadingNumber(const QString& text);

// "H:MM:SS" with every part padded to two digits and unlimited hours: 0 -> "00:00:00",
// 7322 -> "02:02:02", 360000 -> "100:00:00". Negative input is shown as 0.
QString formatTime(std::int32_t seconds);

// Track width in pixels: Left 0 is time 0, Left 728 the full duration.
inline constexpr int kTrackWidth = 728;

// Whole seconds at a Left position: round-half-even(F x leftPx / 728), F = full seconds.
std::int32_t secondsAt(double fullSeconds, double leftPx);

// round-half-even(v) limited to the signed 32-bit range; 0 for a value that is not finite.
std::int32_t wholeSeconds(double v);
