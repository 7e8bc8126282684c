// Timeline panel, marker handles and lines, and the two progress panels with their bars.
#include "Canvas.h"
#include "MainSkin.h"
#include "Pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPolygonF>

#include <algorithm>

namespace skin {

namespace {

// Timeline rows (panel coordinates): handle lanes and the track the waveform is drawn on.
constexpr int laneTop = 52;
constexpr int trackTop = 60;
constexpr int trackBottom = 342; // first row of the bottom lane
constexpr int laneBottomEnd = 350;
constexpr qreal trackLeft = 6;
constexpr qreal trackWidth = 728;

void lane(QPainter &p, int top)
{
    QLinearGradient g(0, top, 0, top + 8);
    g.setColorAt(0, QColor(224, 233, 240));
    g.setColorAt(1, QColor(234, 241, 246));
    p.fillRect(QRectF(1, top, 744, 8), g);
    p.setPen(QPen(QColor(206, 218, 228), 1));
    p.drawLine(QPointF(1, top + 0.5), QPointF(745, top + 0.5));
    p.drawLine(QPointF(1, top + 7.5), QPointF(745, top + 7.5));
}

// Ruler ticks along the track: minor every 1/40 of it, major every 1/10.
void ticks(QPainter &p, qreal baseY, qreal dir)
{
    for (int k = 0; k <= 40; ++k) {
        const qreal x = trackLeft + trackWidth * k / 40 + 0.5;
        const bool major = k % 4 == 0;
        p.setPen(QPen(major ? QColor(150, 170, 186) : QColor(190, 204, 216), 1));
        p.drawLine(QPointF(x, baseY), QPointF(x, baseY + dir * (major ? 6 : 3)));
    }
}

// A legend entry: a small handle in `color` and its name; returns the x after it.
qreal legendItem(QPainter &p, qreal x, qreal y, const QColor &color, const QString &name)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(QPolygonF({QPointF(x, y - 4), QPointF(x + 10, y - 4), QPointF(x + 10, y - 1),
                             QPointF(x + 5, y + 3.5), QPointF(x, y - 1)}));
    p.fillRect(QRectF(x + 4.5, y + 2, 1, 6), color);
    p.restore();
    const QFont f = uiFont(11);
    textIn(p, QRectF(x + 15, y - 8, 100, 16), name, f, pal::text, Qt::AlignLeft | Qt::AlignVCenter);
    return x + 15 + QFontMetricsF(f).horizontalAdvance(name) + 16;
}

QImage progressBar(int w, int h, int scale)
{
    QImage img = newImage(w, h, Qt::transparent, true, scale);
    QPainter p;
    beginPaint(p, img);
    QPainterPath shape;
    // Rounded on the left only: the program crops the right end to the progress.
    shape.addRoundedRect(QRectF(0, 0, w + 4, h), 3, 3);
    p.setClipPath(shape);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(84, 212, 230));
    g.setColorAt(0.5, QColor(30, 170, 194));
    g.setColorAt(1, QColor(14, 136, 160));
    p.fillRect(QRectF(0, 0, w, h), g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 34));
    for (qreal x = -h; x < w; x += 14)
        p.drawPolygon(QPolygonF({QPointF(x, h), QPointF(x + h, 0), QPointF(x + h + 6, 0),
                                 QPointF(x + 6, h)}));
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.drawLine(QPointF(2, 1.5), QPointF(w, 1.5));
    p.setClipping(false);
    p.setPen(QPen(QColor(10, 108, 130), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.5, 0.5, w + 4, h - 1), 3, 3);
    p.end();
    return img;
}

void trough(QPainter &p, const QRectF &r)
{
    roundedPanel(p, r, 3, QColor(216, 226, 234), QColor(236, 242, 246), QColor(172, 190, 204));
    p.setPen(QPen(QColor(10, 40, 60, 20), 1));
    p.drawLine(QPointF(r.left() + 3, r.top() + 1.5), QPointF(r.right() - 3, r.top() + 1.5));
}

} // namespace

QImage timelinePanel(int scale)
{
    mainwin::Look empty;
    empty.gettingStarted = false;
    QImage img = cropLogical(mainwin::render(empty, scale), mainwin::timelineRect).convertToFormat(QImage::Format_RGB32);
    QPainter p;
    beginPaint(p, img);

    // Header strip: how to use the track, and which colour is which marker.
    textIn(p, QRectF(16, 12, 420, 20),
           say(QT_TRANSLATE_NOOP("Skin", "Click the track to seek · drag a handle to move it")),
           uiFont(12), pal::textMuted, Qt::AlignLeft | Qt::AlignVCenter);
    // The legend starts at 474 and ends by 736; longer names move its start to the left, never
    // over the hint.
    const QString names[3] = {say(QT_TRANSLATE_NOOP("Skin", "Playhead")),
                              say(QT_TRANSLATE_NOOP("Skin", "Begin")),
                              say(QT_TRANSLATE_NOOP("Skin", "End"))};
    qreal legendW = 0;
    for (const QString &name : names)
        legendW += 15 + QFontMetricsF(uiFont(11)).horizontalAdvance(name) + 16;
    checkFit(names[0] + QLatin1Char(' ') + names[1] + QLatin1Char(' ') + names[2], legendW, 736 - 440);
    qreal x = std::min<qreal>(474, 736 + 16 - legendW);
    x = legendItem(p, x, 22, pal::playhead, names[0]);
    x = legendItem(p, x, 22, pal::selBegin, names[1]);
    legendItem(p, x, 22, pal::selEnd, names[2]);

    ticks(p, laneTop - 0.5, -1);
    ticks(p, laneBottomEnd + 0.5, 1);

    // The track: a quiet grid, a faint centre line and the bounds of the file.
    const QRectF track(1, trackTop, 744, trackBottom - trackTop);
    QLinearGradient g(track.topLeft(), track.bottomLeft());
    g.setColorAt(0, QColor(252, 254, 255));
    g.setColorAt(0.5, QColor(246, 250, 252));
    g.setColorAt(1, QColor(252, 254, 255));
    p.fillRect(track, g);
    p.setPen(QPen(QColor(234, 240, 245), 1));
    for (int k = 1; k < 10; ++k) {
        const qreal gx = trackLeft + trackWidth * k / 10 + 0.5;
        p.drawLine(QPointF(gx, trackTop), QPointF(gx, trackBottom));
    }
    for (const qreal f : {0.25, 0.75}) {
        const qreal gy = trackTop + (trackBottom - trackTop) * f + 0.5;
        p.drawLine(QPointF(1, gy), QPointF(745, gy));
    }
    p.setPen(QPen(QColor(204, 216, 226), 1));
    const qreal mid = trackTop + (trackBottom - trackTop) / 2.0 + 0.5;
    p.drawLine(QPointF(1, mid), QPointF(745, mid));
    p.setPen(QPen(QColor(214, 224, 232), 1));
    for (const qreal bx : {trackLeft + 0.5, trackLeft + trackWidth + 0.5})
        p.drawLine(QPointF(bx, trackTop), QPointF(bx, trackBottom));

    lane(p, laneTop);
    lane(p, trackBottom);
    p.end();
    return opaque(img);
}

QImage handle(const QColor &color, bool top, int scale)
{
    QImage img = newImage(13, 8, Qt::transparent, true, scale);
    QPainter p;
    beginPaint(p, img);
    if (!top) {
        p.translate(0, 8);
        p.scale(1, -1);
    }
    const QPolygonF shape({QPointF(0.5, 0.5), QPointF(12.5, 0.5), QPointF(12.5, 3.6),
                           QPointF(6.5, 7.6), QPointF(0.5, 3.6)});
    QLinearGradient g(0, 0, 0, 8);
    g.setColorAt(0, color.lighter(top ? 125 : 100));
    g.setColorAt(1, color.lighter(top ? 100 : 125));
    p.setPen(QPen(color.darker(135), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(g);
    p.drawPolygon(shape);
    p.end();
    return img;
}

QImage markerLine(const QColor &color, int scale)
{
    return newImage(1, 284, color, true, scale);
}

QImage decodePanel(int scale)
{
    QImage img = newImage(381, 64, Qt::white, false, scale);
    QPainter p;
    beginPaint(p, img);
    QLinearGradient g(0, 0, 0, 64);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(240, 245, 249));
    p.fillRect(QRect(0, 0, 381, 64), g);
    p.fillRect(QRectF(0, 0, 381, 3), pal::accent);
    p.setPen(QPen(QColor(150, 176, 194), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(crisp(QRectF(0, 0, 381, 64)));
    textIn(p, QRectF(10, 7, 300, 20), say(QT_TRANSLATE_NOOP("Skin", "Decoding...")), uiFont(12, QFont::Bold), pal::text,
           Qt::AlignLeft | Qt::AlignVCenter);
    trough(p, QRectF(10, 30, 361, 14));
    p.end();
    return opaque(img);
}

QImage decodeBar(int scale)
{
    return progressBar(361, 14, scale);
}

QImage savePanel(int scale)
{
    QImage img = newImage(281, 44, QColor(244, 248, 251), false, scale);
    QPainter p;
    beginPaint(p, img);
    textIn(p, QRectF(2, 5, 200, 20), say(QT_TRANSLATE_NOOP("Skin", "Saving...")), uiFont(12, QFont::Bold), pal::text,
           Qt::AlignLeft | Qt::AlignVCenter);
    trough(p, QRectF(0, 28, 281, 16));
    p.end();
    return opaque(img);
}

QImage saveBar(int scale)
{
    return progressBar(281, 16, scale);
}

} // namespace skin
