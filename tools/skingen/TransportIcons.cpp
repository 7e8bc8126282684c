// Transport and window-chrome glyphs, drawn on a 16-unit design grid scaled to the box.
#include "Icons.h"

#include <QPainterPath>
#include <QPolygonF>

namespace skin::icon {

namespace {

// Maps a 16 x 16 design grid onto `box` for the lifetime of the object.
class Grid16
{
public:
    Grid16(QPainter &p, const QRectF &box) : p_(p)
    {
        p_.save();
        p_.translate(box.topLeft());
        p_.scale(box.width() / 16, box.height() / 16);
    }
    ~Grid16() { p_.restore(); }
    Grid16(const Grid16 &) = delete;
    Grid16 &operator=(const Grid16 &) = delete;

private:
    QPainter &p_;
};

// A triangle pointing right with softly rounded corners.
QPainterPath playTriangle(qreal left, qreal top, qreal bottom, qreal tip)
{
    QPainterPath t;
    const qreal mid = (top + bottom) / 2;
    t.moveTo(left, top + 1);
    t.quadTo(left, top, left + 0.9, top + 0.5);
    t.lineTo(tip - 0.6, mid - 0.5);
    t.quadTo(tip, mid, tip - 0.6, mid + 0.5);
    t.lineTo(left + 0.9, bottom - 0.5);
    t.quadTo(left, bottom, left, bottom - 1);
    t.closeSubpath();
    return t;
}

void squareBracket(QPainter &p, qreal x, bool opening, const QColor &ink)
{
    const qreal arm = opening ? 3 : -3;
    p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(x + arm, 2.2), QPointF(x, 2.2), QPointF(x, 13.8),
                              QPointF(x + arm, 13.8)}));
}

} // namespace

void play(QPainter &p, const QRectF &box, const QColor &ink)
{
    Grid16 g(p, box);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(playTriangle(4, 2, 14, 14));
}

void stop(QPainter &p, const QRectF &box, const QColor &ink)
{
    Grid16 g(p, box);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(3, 3, 10, 10), 1.6, 1.6);
}

void pause(QPainter &p, const QRectF &box, const QColor &ink)
{
    Grid16 g(p, box);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(3.5, 2.5, 3.4, 11), 1, 1);
    p.drawRoundedRect(QRectF(9.1, 2.5, 3.4, 11), 1, 1);
}

void bracketMarker(QPainter &p, const QRectF &box, bool opening, const QColor &ink)
{
    Grid16 g(p, box);
    const QColor bracketInk(70, 90, 108);
    squareBracket(p, opening ? 3 : 13, opening, bracketInk);
    // The marker: a handle pointing down onto its line, as on the timeline.
    const qreal x = opening ? 10 : 6;
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(QPolygonF({QPointF(x - 3, 1.5), QPointF(x + 3, 1.5), QPointF(x + 3, 3.4),
                             QPointF(x, 6.4), QPointF(x - 3, 3.4)}));
    p.drawRect(QRectF(x - 0.6, 5.5, 1.2, 9));
}

void playSelection(QPainter &p, const QRectF &box, const QColor &ink, const QColor &bracket)
{
    Grid16 g(p, box);
    squareBracket(p, 1.4, true, bracket);
    squareBracket(p, 14.6, false, bracket);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(playTriangle(5.6, 4, 12, 11.6));
}

void minimise(QPainter &p, const QRectF &box, const QColor &ink)
{
    Grid16 g(p, box);
    p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 11.5), QPointF(12, 11.5));
}

void close(QPainter &p, const QRectF &box, const QColor &ink)
{
    Grid16 g(p, box);
    p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
}

void bubble(QPainter &p, const QRectF &box, const QColor &ink)
{
    Grid16 g(p, box);
    QPainterPath b;
    b.addRoundedRect(QRectF(1.5, 2.5, 13, 9), 2.5, 2.5);
    QPainterPath tail;
    tail.moveTo(4, 10);
    tail.lineTo(4, 14.2);
    tail.lineTo(8.5, 10);
    tail.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(b.united(tail));
    p.setBrush(Qt::white);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(5 + 3 * i, 7), 1, 1);
}

} // namespace skin::icon
