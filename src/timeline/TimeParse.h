#pragma once
#include "timeline/TimeText.h"

#include <QString>
#include <optional>

// Reads a time as a user types it, in milliseconds: seconds alone ("83", "83.5", "83,5"),
// minutes and seconds ("1:23", "1:23.45") or hours, minutes and seconds ("0:01:23.450",
// "1:02:03.5"). The first part may have any number of digits; after a colon minutes and seconds
// take one or two digits and stay below 60; a fraction (after "." or ",") has one to three
// digits. Blanks around the text are ignored. Returns nullopt for anything else: an empty text,
// a sign ("-3"), a part out of range ("1:75"), four parts ("1:2:3:4"), letters, a time past
// about 2^31 seconds.
std::optional<Millis> parseTime(const QString& text);
