// Shared drawing primitives of the skin generator.
#include "Canvas.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLinearGradient>

#include <cstdio>

namespace skin {

QFont uiFont(int pixelSize, QFont::Weight weight)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setWeight(weight);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QImage newImage(int w, int h, const QColor &fill, bool alpha, int scale)
{
    QImage img(w * scale, h * scale, alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    img.fill(fill);
    return img;
}

QImage cropLogical(const QImage &img, const QRect &r)
{
    const int s = static_cast<int>(img.devicePixelRatio());
    QImage part = img.copy(QRect(r.topLeft() * s, r.size() * s));
    part.setDevicePixelRatio(s);
    return part;
}

void beginPaint(QPainter &p, QImage &img)
{
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QRectF crisp(const QRectF &r)
{
    return r.adjusted(0.5, 0.5, -0.5, -0.5);
}

void roundedPanel(QPainter &p, const QRectF &r, qreal radius, const QColor &top,
                  const QColor &bottom, const QColor &edge)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.save();
    p.setBrush(g);
    p.setPen(edge.isValid() ? QPen(edge, 1) : QPen(Qt::NoPen));
    p.drawRoundedRect(crisp(r), radius, radius);
    p.restore();
}

namespace {
bool allFit = true;
} // namespace

QString say(const char *source)
{
    return QCoreApplication::translate("Skin", source);
}

void checkFit(const QString &text, qreal needed, qreal room)
{
    if (needed <= room + 0.5)
        return;
    std::fprintf(stderr, "skingen: \"%s\" needs %.1f pixels, its place has %.1f\n", qPrintable(text), needed, room);
    allFit = false;
}

bool textsFit()
{
    return allFit;
}

void textIn(QPainter &p, const QRectF &box, const QString &text, const QFont &font,
            const QColor &color, Qt::Alignment align)
{
    checkFit(text, QFontMetricsF(font).horizontalAdvance(text), box.width());
    p.save();
    p.setFont(font);
    p.setPen(color);
    p.drawText(box, static_cast<int>(align), text);
    p.restore();
}

void softShadow(QPainter &p, const QRectF &r, qreal radius, int depth, int alpha)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= depth; ++i) {
        QColor c(10, 40, 60, alpha * (depth - i + 1) / depth);
        p.setPen(QPen(c, 1));
        const QRectF s = crisp(r).adjusted(-i + 1, -i + 1 + i * 0.5, i - 1, i - 1 + i * 0.5);
        p.drawRoundedRect(s, radius + i - 1, radius + i - 1);
    }
    p.restore();
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QImage keyToMagenta(const QImage &img, const QPainterPath &shape,
                    const std::function<QColor(int x, int y)> &edgeAt)
{
    const int s = static_cast<int>(img.devicePixelRatio());
    const int w = img.width() / s;
    const int h = img.height() / s;
    // The window mask is binary, so the shape is decided without antialiasing, in logical pixels.
    QImage mask(w, h, QImage::Format_Grayscale8);
    mask.fill(0);
    {
        QPainter mp(&mask);
        mp.setRenderHint(QPainter::Antialiasing, false);
        mp.fillPath(shape, Qt::white);
    }
    auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && mask.constScanLine(y)[x] != 0;
    };
    QImage out = img.convertToFormat(QImage::Format_RGB32);
    for (int dy = 0; dy < out.height(); ++dy) {
        auto *row = reinterpret_cast<QRgb *>(out.scanLine(dy));
        const int y = dy / s;
        for (int dx = 0; dx < out.width(); ++dx) {
            const int x = dx / s;
            if (!inside(x, y)) {
                row[dx] = pal::magenta.rgb();
                continue;
            }
            const bool ring = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1)
                              || !inside(x, y + 1);
            if (ring) {
                row[dx] = edgeAt(dx, dy).rgb();
                continue;
            }
            const bool corner = !inside(x - 1, y - 1) || !inside(x + 1, y - 1)
                                || !inside(x - 1, y + 1) || !inside(x + 1, y + 1);
            if (corner)
                row[dx] = mix(QColor(row[dx]), edgeAt(dx, dy), 0.5).rgb();
        }
    }
    return out.convertToFormat(QImage::Format_RGB888);
}

QImage opaque(const QImage &img)
{
    return img.convertToFormat(QImage::Format_RGB888);
}

} // namespace skin
