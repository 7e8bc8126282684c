// Shared drawing vocabulary of the skin generator: the palette, fonts and the few primitives that
// every picture uses (panels, text in a box, the magenta-keyed window shape).
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <functional>

namespace skin {

// The one palette of the skin: deep blue/teal chrome, light body, teal accent.
namespace pal {
inline const QColor magenta{255, 0, 255};
inline const QColor headerLeft{13, 45, 79};
inline const QColor headerRight{9, 88, 108};
inline const QColor headerEdge{6, 26, 44};
inline const QColor accent{20, 160, 182};
inline const QColor accentDark{11, 112, 134};
inline const QColor accentLight{126, 222, 234};
inline const QColor bodyTop{245, 248, 251};
inline const QColor bodyBottom{232, 239, 244};
inline const QColor menuStrip{250, 252, 253};
inline const QColor line{201, 213, 223};
inline const QColor lineSoft{222, 230, 237};
inline const QColor windowEdge{106, 128, 146};
inline const QColor card{255, 255, 255};
inline const QColor text{36, 52, 68};
inline const QColor textMuted{102, 121, 138};
inline const QColor link{0, 102, 204};
inline const QColor hoverFill{224, 243, 247};
inline const QColor hoverEdge{120, 196, 210};
inline const QColor pressFill{196, 229, 237};
inline const QColor pressEdge{80, 160, 180};
inline const QColor labelInk{11, 77, 109};
inline const QColor playhead{232, 84, 44};
inline const QColor selBegin{28, 158, 92};
inline const QColor selEnd{96, 82, 214};
} // namespace pal

// A "DejaVu Sans" font of the given pixel size and weight, unhinted so output is stable.
QFont uiFont(int pixelSize, QFont::Weight weight = QFont::Normal);

// A new image of the given logical size filled with `fill`; `alpha` selects a premultiplied
// ARGB image. With `scale` 2 it has twice the pixels each way and a device pixel ratio of 2, so
// a painter on it draws in the same logical coordinates at double density.
QImage newImage(int w, int h, const QColor &fill, bool alpha = false, int scale = 1);

// The part `r` (logical coordinates) of `img`, at the image's own density.
QImage cropLogical(const QImage &img, const QRect &r);

// Starts painting on `img` with antialiasing for shapes and text.
void beginPaint(QPainter &p, QImage &img);

// Rectangle aligned to pixel centres, so a 1px pen draws exactly on the rect's edge pixels.
QRectF crisp(const QRectF &r);

// Rounded rectangle with a vertical gradient fill and a 1px border (no border if `edge` invalid).
void roundedPanel(QPainter &p, const QRectF &r, qreal radius, const QColor &top,
                  const QColor &bottom, const QColor &edge);

// `source` in the language of the installed translation (context "Skin"); itself without one.
// Sources are marked with QT_TRANSLATE_NOOP("Skin", ...) so that lupdate reads them.
QString say(const char *source);

// Records that `text` needs `needed` pixels where it has `room`; a text wider than its room is
// reported on the error output and makes textsFit() false.
void checkFit(const QString &text, qreal needed, qreal room);

// True while every text drawn so far fits its place.
bool textsFit();

// Draws `text` in `box` with the given alignment, font and colour; a text wider than the box is
// reported (checkFit).
void textIn(QPainter &p, const QRectF &box, const QString &text, const QFont &font,
            const QColor &color, Qt::Alignment align = Qt::AlignCenter);

// Soft drop shadow of a rounded rect: a few stacked translucent outlines below and around it.
void softShadow(QPainter &p, const QRectF &r, qreal radius, int depth = 3, int alpha = 18);

// Turns `img` into a magenta-keyed window picture of the shape `shape` (logical coordinates).
// The shape is decided without antialiasing on the logical pixel grid, whatever the image's
// density, so a double-size picture keys exactly the 2 x 2 blocks of the pixels its 1x picture
// keys and the window's mask can come from either. Pixels outside the shape become pure
// magenta; the outermost inside ring takes `edgeAt(x, y)` (the image's own pixel) and the
// diagonal corner pixels a half blend, so no antialiased pink fringe can appear. Returns an
// opaque 24-bit image.
QImage keyToMagenta(const QImage &img, const QPainterPath &shape,
                    const std::function<QColor(int x, int y)> &edgeAt);

// Converts to a 24-bit opaque image (for backgrounds and the pictures that replace parts of one).
QImage opaque(const QImage &img);

// Linear blend of two colours, t = 0 gives a, 1 gives b.
QColor mix(const QColor &a, const QColor &b, qreal t);

} // namespace skin
