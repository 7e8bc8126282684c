// The skin pictures other than the main window background and its hover crops. A `scale` of 2
// draws a picture at double density: twice the pixels each way, device pixel ratio 2, the same
// logical size.
#pragma once

#include <QColor>
#include <QImage>

namespace skin {

// Timeline panel background (746 x 360), drawn over the main window's empty card.
QImage timelinePanel(int scale = 1);

// A 13 x 8 marker handle in `color`; `top` points it down towards the line, else up.
QImage handle(const QColor &color, bool top, int scale = 1);

// A 1 x 284 marker line in `color`.
QImage markerLine(const QColor &color, int scale = 1);

// Decode progress panel (381 x 64) and its full bar (361 x 14).
QImage decodePanel(int scale = 1);
QImage decodeBar(int scale = 1);

// Save progress panel (281 x 44) and its full bar (281 x 16).
QImage savePanel(int scale = 1);
QImage saveBar(int scale = 1);

// Splash window picture (400 x 200), magenta outside its rounded card.
QImage splash(int scale = 1);

// Pointing-hand cursor (32 x 32, hot spot at 6, 0), transparent around the hand.
QImage handCursor();

// Application icon of `size` x `size` pixels, transparent around the tile.
QImage appIcon(int size);

} // namespace skin
