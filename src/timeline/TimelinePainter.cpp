#include "timeline/TimelinePainter.h"

#include "timeline/DragBubble.h"
#include "timeline/TimeText.h"
#include "timeline/TimelineGeometry.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace {

const QColor kShade(64, 170, 120, 46);
const QColor kInk(11, 77, 109);
const QColor kPending(226, 232, 236);
const QColor kPendingInk(96, 118, 130);
const QColor kCard(255, 255, 255);
// The card's tick strip under the ruler and the one under the bottom handles.
const QRect kTopStrip(2, kRulerTop, kPanelWidth - 4, kRulerHeight);
const QRect kBottomStrip(2, kBottomHandleY + kHandleHeight + 1, kPanelWidth - 4, 8);

struct BoundaryArt {
    const QImage& top;
    const QImage& line;
    const QImage& bottom;
};

int columnOf(double left)
{
    return int(std::lround(left));
}

void drawLine(QPainter& p, const BoundaryPlace& place, const QImage& line)
{
    if (place.drawn && !line.isNull())
        p.drawImage(QRect(columnOf(place.left) + kLineOffset, kLineTop, 1, kLineHeight), line);
}

void drawHandles(QPainter& p, const BoundaryPlace& place, const BoundaryArt& art)
{
    if (!place.drawn)
        return;
    const int x = columnOf(place.left);
    p.drawImage(QRect(x, kTopHandleY, kHandleWidth, kHandleHeight), art.top);
    p.drawImage(QRect(x, kBottomHandleY, kHandleWidth, kHandleHeight), art.bottom);
}

void drawFocusRing(QPainter& p, const BoundaryPlace& place)
{
    if (!place.drawn)
        return;
    const int x = columnOf(place.left);
    QPen pen(kInk, 1, Qt::DotLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(x - 2, kTopHandleY - 2, kHandleWidth + 3, kBottomHandleY + kHandleHeight - kTopHandleY + 3));
}

void drawBadge(QPainter& p, const QRect& r, const QString& text, const QColor& fill, const QColor& ink)
{
    p.setPen(ink);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.drawText(r, Qt::AlignCenter, text);
}

// The part of a file not decoded yet: a plain pale band over the track, and how far the decode
// is, where there is room for it.
void drawPending(QPainter& p, const TimelineLayout& l)
{
    const int left = int(std::lround(l.pendingLeft));
    const int right = kTrackWidth + kLineOffset;
    if (right <= left)
        return;
    const QRect band(left, kWaveTop, right - left, kWaveHeight);
    p.fillRect(band, kPending);
    QFont small = p.font();
    small.setPixelSize(11);
    p.setFont(small);
    const QString text =
        QCoreApplication::translate("TimelinePainter", "Decoding… %1%").arg(int(std::floor(l.decodedFraction * 100)));
    if (QFontMetrics(small).horizontalAdvance(text) + 8 > band.width())
        return;
    p.setPen(kPendingInk);
    p.drawText(band, Qt::AlignCenter, text);
}

}  // namespace

void paintTimeline(QPainter& p, const TimelineArt& art, const TimelineScene& scene)
{
    const TimelineLayout& l = scene.layout;
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!art.background.isNull())
        p.drawImage(0, 0, art.background);
    // The card's own ticks are fixed; the ruler's follow the view.
    p.fillRect(kTopStrip, kCard);
    p.fillRect(kBottomStrip, kCard);
    if (!scene.ruler.isNull())
        p.drawImage(0, kRulerTop, scene.ruler);
    if (!scene.waveform.isNull())
        p.drawImage(kLineOffset, kWaveTop, scene.waveform);
    if (l.pendingShown)
        drawPending(p, l);
    if (l.shadeShown) {
        const int left = int(std::lround(l.shadeLeft));
        const int right = int(std::lround(l.shadeRight));
        if (right > left)
            p.fillRect(QRect(left, kLineTop, right - left, kLineHeight), kShade);
    }
    drawLine(p, l.playhead, art.playheadLine);
    drawLine(p, l.begin, art.beginLine);
    drawLine(p, l.end, art.endLine);
    drawHandles(p, l.playhead, {art.playheadTop, art.playheadLine, art.playheadBottom});
    drawHandles(p, l.begin, {art.beginTop, art.beginLine, art.beginBottom});
    drawHandles(p, l.end, {art.endTop, art.endLine, art.endBottom});
    if (scene.focused)
        drawFocusRing(p, l.of(*scene.focused));

    QFont small = p.font();
    small.setPixelSize(10);
    p.setFont(small);
    if (scene.looping)
        drawBadge(p, QRect(kPanelWidth - 64, 10, 52, 16), QCoreApplication::translate("TimelinePainter", "Loop"), QColor(64, 170, 120, 60), kInk);
    if (!scene.bubbleText.isEmpty()) {
        const QFontMetrics metrics(small);
        const QSize size(metrics.horizontalAdvance(scene.bubbleText) + 10, metrics.height() + 4);
        drawBadge(p, dragBubbleRect(scene.bubbleLeft, size, kWaveTop + 2), scene.bubbleText, QColor(255, 255, 240), kInk);
    }
}

QImage renderTimeline(const TimelineArt& art, const TimelineScene& scene, QSize size, qreal dpr, const QFont& font)
{
    if (size.isEmpty() || !(dpr > 0))
        return {};
    QImage image(QSize(int(std::ceil(size.width() * dpr)), int(std::ceil(size.height() * dpr))),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(font);
    paintTimeline(p, art, scene);
    return image;
}
