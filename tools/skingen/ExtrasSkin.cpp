// The pointing-hand cursor and the application icon.
#include "Art.h"
#include "Canvas.h"
#include "Pictures.h"

namespace skin {

QImage handCursor()
{
    QImage img = newImage(32, 32, Qt::transparent, true);
    QPainter p;
    beginPaint(p, img);
    // Pixel column 6 is centred on x = 6.5, so the fingertip's top pixel is the hot spot (6, 0).
    QPainterPath finger;
    finger.addRoundedRect(QRectF(3.5, 0.5, 6, 17), 3, 3);
    QPainterPath hand = finger;
    auto knuckle = [&hand](qreal x, qreal top, qreal w) {
        QPainterPath k;
        k.addRoundedRect(QRectF(x, top, w, 10), 2, 2);
        hand = hand.united(k);
    };
    knuckle(9.5, 8.5, 4);
    knuckle(13.5, 9.5, 4);
    knuckle(17.5, 11.5, 3.5);
    QPainterPath palm;
    palm.moveTo(3.5, 14);
    palm.lineTo(21, 14);
    palm.lineTo(21, 21);
    palm.cubicTo(21, 24, 19.5, 25.5, 18.5, 27.5);
    palm.lineTo(7.5, 27.5);
    palm.cubicTo(6, 25.5, 4.5, 24, 3.5, 22);
    palm.closeSubpath();
    hand = hand.united(palm);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-4.2, -2.2, 9.5, 4.4), 2.2, 2.2);
    hand = hand.united(QTransform().translate(3.4, 18.6).rotate(52).map(thumb));

    p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    // Creases between the folded fingers and at the cuff.
    p.setPen(QPen(QColor(0, 0, 0, 200), 1));
    p.drawLine(QPointF(9.5, 9), QPointF(9.5, 14.5));
    p.drawLine(QPointF(13.5, 10), QPointF(13.5, 15.5));
    p.drawLine(QPointF(17.5, 12), QPointF(17.5, 16.5));
    p.setPen(QPen(QColor(0, 0, 0, 220), 1));
    p.setBrush(QColor(60, 72, 84));
    p.drawRoundedRect(QRectF(7.5, 27.5, 11, 3), 1, 1);
    p.end();
    return img;
}

QImage appIcon(int size)
{
    QImage img = newImage(size, size, Qt::transparent, true);
    QPainter p;
    beginPaint(p, img);
    if (size < 32)
        art::productMarkPixels(p, size);
    else
        art::productMark(p, QRectF(0, 0, size, size));
    p.end();
    return img;
}

} // namespace skin
