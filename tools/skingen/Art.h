// Larger compositions that more than one picture shares: the getting-started card content, the
// product mark and a small waveform with a selection.
#pragma once

#include <QPainter>
#include <QRectF>

namespace skin::art {

// The getting-started instructions inside the main window's timeline card (window coordinates).
// `docHot` draws the step-one document icon in its hover look.
void gettingStarted(QPainter &p, bool docHot);

// The product mark (rounded square, waveform, selection brackets) filling `box`.
void productMark(QPainter &p, const QRectF &box);

// The product mark drawn for small icons (`size` up to about 24 pixels): the same tile, with
// whole-pixel bars and selection edges so that it stays sharp.
void productMarkPixels(QPainter &p, int size);

// A stylised waveform in `box` with the part between `selFrom` and `selTo` (0..1) highlighted and
// the begin/end markers drawn at its ends.
void waveformWithSelection(QPainter &p, const QRectF &box, qreal selFrom, qreal selTo);

} // namespace skin::art
