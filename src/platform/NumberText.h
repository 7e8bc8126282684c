#pragma once
#include <QString>

#include <cstdint>

// Number rules shared by the time labels, the settings file and the transcoder's output.

// Rounds to the nearest integer, exact halves to the even neighbour (2.5 -> 2, 3.5 -> 4); 0 for
// a value that is not finite.
double roundHalfEven(double v);

// The leading decimal number of a text: optional blanks, sign, digits, "." fraction and
// exponent, as in "25.47," -> 25.47 or "12abc" -> 12. A text without one gives 0.
double leadingNumber(const QString& text);

// A number as plain decimal text: up to 15 significant digits, no exponent, no trailing zeros
// (45.6789 -> "45.6789", 5 -> "5", 0.1 -> "0.1").
QString plainDecimal(double value);

// The fraction of a second of `ms` milliseconds after a point, without trailing zeros
// (12350 -> ".35", 5 -> ".005"); empty for whole seconds.
QString millisFraction(std::uint64_t ms);
