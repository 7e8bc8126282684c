#pragma once
#include "timeline/TimeText.h"
#include "timeline/TimelineGeometry.h"
#include "timeline/TimelineView.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// The steps between labelled ticks of the time ruler, in milliseconds: 1 ms, 5 ms, 10 ms, 50 ms,
// 0.1 s, 0.5 s, 1 s, 5 s, 10 s, 30 s, 1 min, 5 min, 10 min, 30 min, 1 h, and longer for very
// long sounds.
inline constexpr std::array<std::int64_t, 18> kRulerSteps = {
    1, 5, 10, 50, 100, 500, 1000, 5000, 10000, 30000, 60000, 300000, 600000, 1800000, 3600000, 7200000,
    18000000, 36000000};
// Unlabelled ticks stand at least this far apart.
inline constexpr double kMinorTickSpacing = 5;

// One tick: its Left on the track (rounded to a whole pixel), its time in milliseconds, and its
// label (empty for an unlabelled tick).
struct RulerTick {
    int x = 0;
    std::int64_t ms = 0;
    QString label;
    bool major() const { return !label.isEmpty(); }
    bool operator==(const RulerTick&) const = default;
};

// The smallest step of kRulerSteps whose ticks lie at least `minSpacingPx` apart when a pixel
// is `secondsPerPixel`; the largest step when none does, the smallest for a zero scale.
std::int64_t rulerStep(double secondsPerPixel, double minSpacingPx);

// The step of the unlabelled ticks between labelled ones of `step`: the smallest step of
// kRulerSteps below it that divides it and keeps kMinorTickSpacing, a whole second or more when
// `step` is; 0 when there is none.
std::int64_t rulerMinorStep(std::int64_t step, double secondsPerPixel);

// The ticks of the view on the track (Left 0 to 728), early to late: every multiple of the minor
// step (or of the step without one), labelled where it is a multiple of the step, with hours
// when the view reaches an hour.
std::vector<RulerTick> rulerTicks(const TimelineView& view, double minLabelSpacingPx);

// A tick's label: "m:ss" (0:05, 12:30), or "h:mm:ss" when `withHours` (1:02:03); a time with a
// fraction of a second shows it with as many digits as it has, at most three (0:05.25).
QString rulerLabel(std::int64_t ms, bool withHours);

// The digits after the point that the labels of ticks `step` ms apart need: 0 for whole seconds,
// 1 for 0.1 s and 0.5 s, 2 for 10 ms and 50 ms, 3 below.
int rulerFractionDigits(std::int64_t step);

// Where a label stands on the ruler: `left` and `width` in image columns, and the tick it names.
struct RulerLabelPlace {
    int left = 0;
    int width = 0;
    RulerTick tick;
    int right() const { return left + width; }
    bool operator==(const RulerLabelPlace&) const = default;
};

// Places the labels of the labelled `ticks` (a tick stands in image column trackX + its x) on a
// ruler whose labels must end by column `labelRight`, a label `widthOf(label)` wide: 3 px right
// of its tick; where it would pass labelRight, 3 px left of its tick instead, when it still
// keeps 12 px from the label before it and starts at column 0 or later; otherwise it is left
// out. Early to late; no label ever reaches past labelRight or overlaps another.
std::vector<RulerLabelPlace> placeRulerLabels(const std::vector<RulerTick>& ticks, int trackX, int labelRight,
                                              const std::function<int(const QString&)>& widthOf);

// How the ruler is drawn. `trackX` is the image column of the track's Left 0: the boundary
// lines stand at Left + 6, and the ticks line up with them. Labels end by column `labelRight`
// (the image's right edge when negative).
struct RulerStyle {
    QFont font;
    QColor tick;
    QColor text;
    int trackX = kLineOffset;
    int labelRight = -1;
};

// Draws the ruler of the view into a transparent image of `size` logical pixels at `dpr` device
// pixels each (size x dpr pixels, its device pixel ratio set to dpr, so ticks and text are
// drawn at the screen's own density): each labelled tick a line of half the height at the
// bottom, each other tick a quarter, the labels above the short ticks where
// placeRulerLabels() puts them. Labels keep their own width plus 12 px apart. Empty view:
// nothing drawn; empty size or dpr <= 0: a null image.
QImage renderRuler(const TimelineView& view, QSize size, const RulerStyle& style, qreal dpr = 1);
