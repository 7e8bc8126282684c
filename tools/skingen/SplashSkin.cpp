// The splash window picture: a rounded card, dark above a soft wave, light below it.
#include "Art.h"
#include "Canvas.h"
#include "Pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace skin {

namespace {

constexpr int splashW = 400;
constexpr int splashH = 200;

// The wave that separates the dark upper part from the light lower part.
QPainterPath waveBelow(qreal offset)
{
    QPainterPath w;
    w.moveTo(0, 150 + offset);
    w.cubicTo(110, 174 + offset, 250, 122 + offset, splashW, 140 + offset);
    w.lineTo(splashW, splashH);
    w.lineTo(0, splashH);
    w.closeSubpath();
    return w;
}

} // namespace

QImage splash(int scale)
{
    QImage img = newImage(splashW, splashH, Qt::white, false, scale);
    const QRect area(0, 0, splashW, splashH);
    QPainter p;
    beginPaint(p, img);

    QLinearGradient dark(0, 0, splashW, splashH);
    dark.setColorAt(0, QColor(12, 38, 70));
    dark.setColorAt(0.6, QColor(10, 72, 100));
    dark.setColorAt(1, QColor(12, 112, 132));
    p.fillRect(area, dark);
    QRadialGradient glow(QPointF(330, 30), 200);
    glow.setColorAt(0, QColor(60, 200, 220, 60));
    glow.setColorAt(1, QColor(60, 200, 220, 0));
    p.fillRect(area, glow);

    // Waveform motif along the right of the dark part.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 18; ++i) {
        const qreal x = 306 + i * 5;
        const qreal env = std::sin(i / 17.0 * 3.14159);
        const qreal amp = 2 + env * (5 + 9 * std::fabs(std::sin(i * 1.3) * std::cos(i * 0.47)));
        p.setBrush(QColor(255, 255, 255, 18 + static_cast<int>(env * 22)));
        p.drawRoundedRect(QRectF(x, 101 - amp, 2.6, 2 * amp), 1.3, 1.3);
    }

    // Two translucent bands echo the wave, then the light part.
    p.setBrush(QColor(40, 190, 212, 60));
    p.drawPath(waveBelow(-12));
    p.setBrush(QColor(126, 222, 234, 90));
    p.drawPath(waveBelow(-5));
    QLinearGradient light(0, 120, 0, splashH);
    light.setColorAt(0, Qt::white);
    light.setColorAt(1, QColor(232, 239, 244));
    p.setBrush(light);
    p.drawPath(waveBelow(0));

    art::productMark(p, QRectF(22, 20, 72, 72));
    const QFont name = uiFont(40, QFont::Bold);
    p.setFont(name);
    p.setPen(Qt::white);
    p.drawText(QPointF(106, 62), QStringLiteral("Tune"));
    p.setPen(pal::accentLight);
    p.drawText(QPointF(106 + QFontMetricsF(name).horizontalAdvance(QStringLiteral("Tune")), 62),
               QStringLiteral("Snip"));
    textIn(p, QRectF(108, 70, 280, 18), say(QT_TRANSLATE_NOOP("Skin", "Cut the best part. Ring with it.")), uiFont(13),
           QColor(200, 236, 242), Qt::AlignLeft | Qt::AlignVCenter);

    // A dark pill behind the progress text the program writes at (236, 94, 54, 14).
    p.setPen(QPen(QColor(255, 255, 255, 46), 1));
    p.setBrush(QColor(0, 16, 32, 80));
    p.drawRoundedRect(crisp(QRectF(226, 91, 74, 20)), 9.5, 9.5);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::accentLight);
    p.drawEllipse(QPointF(219, 101), 2, 2);
    p.setBrush(QColor(126, 222, 234, 150));
    p.drawEllipse(QPointF(211, 101), 2, 2);
    p.setBrush(QColor(126, 222, 234, 80));
    p.drawEllipse(QPointF(203, 101), 2, 2);
    p.end();

    QPainterPath shape;
    shape.addRoundedRect(QRectF(0, 0, splashW, splashH), 16, 16);
    const QImage painted = img;
    return keyToMagenta(img, shape, [&painted](int x, int y) {
        return QColor(painted.pixel(x, y)).darker(165);
    });
}

} // namespace skin
