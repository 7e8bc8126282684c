// The skin pictures other than the main window background and its hover crops.
#pragma once

#include <QColor>
#include <QImage>

namespace skin {

// Timeline panel background (746 x 360), drawn over the main window's empty card.
QImage timelinePanel();

// A 13 x 8 marker handle in `color`; `top` points it down towards the line, else up.
QImage handle(const QColor &color, bool top);

// A 1 x 284 marker line in `color`.
QImage markerLine(const QColor &color);

// Decode progress panel (381 x 64) and its full bar (361 x 14).
QImage decodePanel();
QImage decodeBar();

// Save progress panel (281 x 44) and its full bar (281 x 16).
QImage savePanel();
QImage saveBar();

// Splash window picture (400 x 200), magenta outside its rounded card.
QImage splash();

// Pointing-hand cursor (32 x 32, hot spot at 6, 0), transparent around the hand.
QImage handCursor();

// Application icon of `size` x `size` pixels, transparent around the tile.
QImage appIcon(int size);

} // namespace skin
