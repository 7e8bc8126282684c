#pragma once
#include "timeline/TimeText.h"
#include "timeline/TimelineView.h"

// How finely a marker, the playhead or a nudge lands: the time under it is rounded to the finest
// of 1 s, 0.1 s, 0.01 s and 1 ms that is not finer than one track pixel of the view, so a marker
// never claims a precision the view cannot show. The whole-file view keeps whole seconds, as the
// unzoomed timeline always did, whatever the length of the file.

// The rounding unit in milliseconds (1000, 100, 10 or 1) for `view`; 1000 when `wholeFile`, when
// a pixel spans a second or more, and while the view is empty.
Millis roundingUnitMs(const TimelineView& view, bool wholeFile);

// `seconds` rounded to a multiple of `unitMs` (halves to even, as the whole second of a Left
// position always was), in milliseconds: a unit of 1000 or more gives whole seconds (limited to
// 32 bits as wholeSeconds() does), a unit below 1 counts as 1 ms. Not finite: 0.
Millis roundToUnit(double seconds, Millis unitMs);
