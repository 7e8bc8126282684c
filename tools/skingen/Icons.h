// Flat vector icons of the skin. Each function draws one icon centred in `box` (the icon's own
// square, not the button around it) and leaves the painter's state as it found it.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace skin::icon {

// Panel button icons (about 24 px).
void folderOpen(QPainter &p, const QRectF &box);
void disk(QPainter &p, const QRectF &box, const QColor &body);
void dice(QPainter &p, const QRectF &box);
void envelope(QPainter &p, const QRectF &box);
void gear(QPainter &p, const QRectF &box);
void help(QPainter &p, const QRectF &box);
void power(QPainter &p, const QRectF &box);

// A flat one-colour disk: shell in `ink`, shutter and label cut out in `hole`.
void diskGlyph(QPainter &p, const QRectF &box, const QColor &ink, const QColor &hole);

// The document of the getting-started step: a page with a folded corner and a note.
void document(QPainter &p, const QRectF &box, bool hot);

// Transport glyphs (about 16 px), drawn in `ink`.
void play(QPainter &p, const QRectF &box, const QColor &ink);
void stop(QPainter &p, const QRectF &box, const QColor &ink);
void pause(QPainter &p, const QRectF &box, const QColor &ink);
// A bracket with a marker flag: `opening` draws "[" (selection begin), else "]" (end).
void bracketMarker(QPainter &p, const QRectF &box, bool opening, const QColor &ink);
void playSelection(QPainter &p, const QRectF &box, const QColor &ink, const QColor &bracket);

// Window chrome glyphs, thin strokes.
void minimise(QPainter &p, const QRectF &box, const QColor &ink);
void close(QPainter &p, const QRectF &box, const QColor &ink);

// Small speech bubble used beside the feedback link.
void bubble(QPainter &p, const QRectF &box, const QColor &ink);

// A musical note (two beamed quavers) filling `box`.
void note(QPainter &p, const QRectF &box, const QColor &ink);

} // namespace skin::icon
