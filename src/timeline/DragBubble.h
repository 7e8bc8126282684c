#pragma once
#include <QRect>
#include <QSize>
#include <QString>

class TimelineDrag;

// The time bubble beside a dragged boundary: the time the boundary gets when it is released now,
// as the time labels show it, with its fraction ("00:01:23.45") where the view's precision gives
// one (a place before the file's start shows "00:00:00", which is where playback then starts).
// It is followed by " beat" while the marker stands on a beat. Empty when no drag runs.
QString dragBubbleText(const TimelineDrag& drag);

// Where the bubble of `size` goes on the panel for a boundary at `left`: just right of its
// line, or just left of it when it would not fit on the panel; top edge at `y`.
QRect dragBubbleRect(double left, QSize size, int y);
