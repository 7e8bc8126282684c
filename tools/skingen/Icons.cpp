// The panel icons and the getting-started document, drawn on a 24-unit design grid that is
// scaled to the requested box.
#include "Icons.h"

#include "Canvas.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace skin::icon {

namespace {

// A rectangle whose top-right corner is cut off diagonally by `cut` and whose other corners are
// rounded by `radius`: the outline of a disk or of a page with a folded corner.
QPainterPath cutCornerRect(qreal l, qreal t, qreal r, qreal b, qreal cut, qreal radius)
{
    QPainterPath path;
    path.moveTo(l + radius, t);
    path.lineTo(r - cut, t);
    path.lineTo(r, t + cut);
    path.lineTo(r, b - radius);
    path.quadTo(r, b, r - radius, b);
    path.lineTo(l + radius, b);
    path.quadTo(l, b, l, b - radius);
    path.lineTo(l, t + radius);
    path.quadTo(l, t, l + radius, t);
    return path;
}

// Maps a `units` x `units` design grid onto `box` for the lifetime of the object.
class Grid
{
public:
    Grid(QPainter &p, const QRectF &box, qreal unitsW, qreal unitsH) : p_(p)
    {
        p_.save();
        p_.translate(box.topLeft());
        p_.scale(box.width() / unitsW, box.height() / unitsH);
    }
    ~Grid() { p_.restore(); }
    Grid(const Grid &) = delete;
    Grid &operator=(const Grid &) = delete;

private:
    QPainter &p_;
};

QLinearGradient vertical(qreal y0, qreal y1, const QColor &a, const QColor &b)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

// One die: a rounded square turned by `angle` degrees, with the pips of `face` (1 to 6).
void die(QPainter &p, QPointF centre, qreal size, qreal angle, const QColor &body, int face)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const QRectF r(-size / 2, -size / 2, size, size);
    p.setPen(QPen(body.darker(135), 0.9));
    p.setBrush(vertical(r.top(), r.bottom(), body.lighter(115), body));
    p.drawRoundedRect(r, size * 0.2, size * 0.2);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const qreal d = size * 0.27;
    const qreal pip = size * 0.085;
    auto dot = [&](qreal x, qreal y) { p.drawEllipse(QPointF(x * d, y * d), pip, pip); };
    if (face % 2 == 1)
        dot(0, 0);
    if (face >= 2) {
        dot(-1, -1);
        dot(1, 1);
    }
    if (face >= 4) {
        dot(1, -1);
        dot(-1, 1);
    }
    if (face == 6) {
        dot(-1, 0);
        dot(1, 0);
    }
    p.restore();
}

} // namespace

void folderOpen(QPainter &p, const QRectF &box)
{
    Grid g(p, box, 24, 24);
    const QColor edge(176, 118, 18);
    QPainterPath back;
    back.moveTo(2, 6);
    back.quadTo(2, 4, 4, 4);
    back.lineTo(9, 4);
    back.lineTo(11, 6.5);
    back.lineTo(20, 6.5);
    back.quadTo(22, 6.5, 22, 8.5);
    back.lineTo(22, 19);
    back.quadTo(22, 21, 20, 21);
    back.lineTo(4, 21);
    back.quadTo(2, 21, 2, 19);
    back.closeSubpath();
    p.setPen(QPen(edge, 0.9));
    p.setBrush(vertical(4, 21, QColor(226, 160, 42), QColor(204, 136, 24)));
    p.drawPath(back);
    // A sheet peeking out of the folder.
    p.setPen(QPen(QColor(170, 186, 200), 0.8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 8, 13, 9));
    p.setPen(QPen(QColor(190, 204, 216), 0.9));
    p.drawLine(QPointF(8, 10.5), QPointF(16, 10.5));
    p.drawLine(QPointF(8, 12.8), QPointF(14, 12.8));
    QPainterPath front;
    front.moveTo(5.2, 11);
    front.lineTo(22.6, 11);
    front.quadTo(23.6, 11, 23.3, 12.2);
    front.lineTo(21.2, 20);
    front.quadTo(20.9, 21, 19.8, 21);
    front.lineTo(3, 21);
    front.quadTo(1.8, 21, 2.1, 19.8);
    front.lineTo(4.1, 12);
    front.quadTo(4.4, 11, 5.2, 11);
    p.setPen(QPen(edge, 0.9));
    p.setBrush(vertical(11, 21, QColor(255, 212, 96), QColor(246, 178, 52)));
    p.drawPath(front);
}

void disk(QPainter &p, const QRectF &box, const QColor &body)
{
    Grid g(p, box, 24, 24);
    const QPainterPath shell = cutCornerRect(3, 3, 21, 21, 3, 2);
    p.setPen(QPen(body.darker(140), 0.9));
    p.setBrush(vertical(3, 21, body.lighter(118), body));
    p.drawPath(shell);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(3, 10, QColor(236, 241, 246), QColor(204, 214, 224)));
    p.drawRoundedRect(QRectF(7, 3.6, 10, 6.4), 0.8, 0.8);
    p.setBrush(body.darker(115));
    p.drawRect(QRectF(13.2, 4.6, 2.2, 4.2));
    p.setBrush(QColor(252, 253, 255));
    p.drawRoundedRect(QRectF(6, 12.6, 12, 8.4), 1, 1);
    p.setPen(QPen(QColor(190, 204, 216), 0.9));
    p.drawLine(QPointF(8, 15.5), QPointF(16, 15.5));
    p.drawLine(QPointF(8, 18), QPointF(14, 18));
}

void diskGlyph(QPainter &p, const QRectF &box, const QColor &ink, const QColor &hole)
{
    Grid g(p, box, 24, 24);
    const QPainterPath shell = cutCornerRect(3, 3, 21, 21, 3, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(shell);
    p.setBrush(hole);
    p.drawRoundedRect(QRectF(7, 5, 9, 4.6), 0.8, 0.8);
    p.drawRoundedRect(QRectF(6.5, 13, 11, 6), 1, 1);
    p.setBrush(ink);
    p.drawRect(QRectF(13, 5.6, 1.8, 3.4));
}

void dice(QPainter &p, const QRectF &box)
{
    Grid g(p, box, 24, 24);
    die(p, QPointF(15.5, 8.5), 11.5, 14, QColor(112, 96, 222), 3);
    die(p, QPointF(9, 15), 13, -9, QColor(24, 168, 190), 5);
}

void envelope(QPainter &p, const QRectF &box)
{
    Grid g(p, box, 24, 24);
    const QRectF body(2, 5.5, 20, 14);
    p.setPen(QPen(QColor(196, 82, 40), 0.9));
    p.setBrush(vertical(body.top(), body.bottom(), QColor(255, 150, 88), QColor(236, 104, 58)));
    p.drawRoundedRect(body, 2, 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(3, 18.5), QPointF(9.6, 12.6));
    p.drawLine(QPointF(21, 18.5), QPointF(14.4, 12.6));
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(3.2, 7), QPointF(12, 13.6), QPointF(20.8, 7)}));
}

void gear(QPainter &p, const QRectF &box)
{
    Grid g(p, box, 24, 24);
    constexpr int teeth = 8;
    constexpr qreal pi = std::numbers::pi;
    QPainterPath outline;
    for (int i = 0; i < teeth; ++i) {
        const qreal a = 2 * pi * i / teeth;
        const qreal half = pi / teeth;
        // Each tooth: root, flank up, flat top, flank down.
        const qreal angles[4] = {a - half * 0.95, a - half * 0.45, a + half * 0.45, a + half * 0.95};
        const qreal radii[4] = {8.0, 10.8, 10.8, 8.0};
        for (int k = 0; k < 4; ++k) {
            const QPointF pt(12 + radii[k] * std::cos(angles[k]), 12 + radii[k] * std::sin(angles[k]));
            if (i == 0 && k == 0)
                outline.moveTo(pt);
            else
                outline.lineTo(pt);
        }
    }
    outline.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(12, 12), 3.6, 3.6);
    p.setPen(QPen(QColor(52, 68, 84), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(vertical(1, 23, QColor(124, 144, 162), QColor(76, 96, 114)));
    p.drawPath(outline.subtracted(hole));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    QPainterPath ring;
    ring.addEllipse(QPointF(12, 12), 6.2, 6.2);
    ring.addEllipse(QPointF(12, 12), 4.8, 4.8);
    p.drawPath(ring);
}

void help(QPainter &p, const QRectF &box)
{
    Grid g(p, box, 24, 24);
    p.setPen(QPen(QColor(24, 92, 186), 0.9));
    p.setBrush(vertical(2, 22, QColor(70, 150, 240), QColor(34, 108, 210)));
    p.drawEllipse(QPointF(12, 12), 10, 10);
    p.setPen(QPen(Qt::white, 2.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath q;
    q.moveTo(8.6, 9.4);
    q.cubicTo(8.6, 5.6, 15.6, 5.4, 15.6, 9.2);
    q.cubicTo(15.6, 11.6, 12.2, 11.8, 12.2, 14.4);
    p.drawPath(q);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12.2, 17.6), 1.45, 1.45);
}

void power(QPainter &p, const QRectF &box)
{
    Grid g(p, box, 24, 24);
    p.setPen(QPen(QColor(170, 40, 40), 0.9));
    p.setBrush(vertical(2, 22, QColor(238, 96, 86), QColor(204, 52, 52)));
    p.drawEllipse(QPointF(12, 12), 10, 10);
    p.setPen(QPen(Qt::white, 2.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    // Open ring with the gap at the top; Qt angles are in 1/16 degree, counter-clockwise, so a
    // negative span runs clockwise from 55 degrees around the bottom to 125 degrees.
    p.drawArc(QRectF(6.4, 6.8, 11.2, 11.2), 55 * 16, -290 * 16);
    p.drawLine(QPointF(12, 5.4), QPointF(12, 11.6));
}

void note(QPainter &p, const QRectF &box, const QColor &ink)
{
    Grid g(p, box, 16, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    auto head = [&](QPointF c) {
        p.save();
        p.translate(c);
        p.rotate(-22);
        p.drawEllipse(QPointF(0, 0), 2.9, 2.1);
        p.restore();
    };
    head(QPointF(3.9, 13.2));
    head(QPointF(12.1, 11.4));
    p.drawRect(QRectF(5.9, 3.4, 1.3, 9.6));
    p.drawRect(QRectF(14.1, 1.6, 1.3, 9.6));
    p.drawPolygon(QPolygonF({QPointF(5.9, 3.4), QPointF(15.4, 1.0), QPointF(15.4, 3.6),
                             QPointF(5.9, 6.0)}));
}

void document(QPainter &p, const QRectF &box, bool hot)
{
    Grid g(p, box, 31, 36);
    const QPainterPath page = cutCornerRect(4.5, 2.5, 26.5, 33.5, 7, 2);
    // Shadow first, offset down a pixel.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 40, 60, 28));
    p.drawPath(page.translated(0.8, 1.2));
    const QColor edge = hot ? pal::accentDark : QColor(120, 146, 166);
    p.setPen(QPen(edge, 1));
    p.setBrush(vertical(2, 34, Qt::white, hot ? QColor(226, 246, 250) : QColor(240, 245, 249)));
    p.drawPath(page);
    QPainterPath fold;
    fold.moveTo(19.5, 2.5);
    fold.lineTo(19.5, 8);
    fold.quadTo(19.5, 9.5, 21, 9.5);
    fold.lineTo(26.5, 9.5);
    fold.closeSubpath();
    p.setBrush(hot ? QColor(170, 224, 234) : QColor(212, 224, 234));
    p.drawPath(fold);
    note(p, QRectF(8.5, 14, 14, 14), hot ? pal::accentDark : pal::accent);
}

} // namespace skin::icon
