// Shared compositions: getting-started card content, product mark, waveform illustration.
#include "Art.h"

#include "Canvas.h"
#include "Icons.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPolygonF>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <utility>

namespace skin::art {

namespace {

// A numbered step badge: a teal disc with a white digit.
void badge(QPainter &p, QPointF centre, int number)
{
    p.save();
    p.setPen(QPen(pal::accentDark, 1));
    QLinearGradient g(0, centre.y() - 13, 0, centre.y() + 13);
    g.setColorAt(0, QColor(52, 190, 210));
    g.setColorAt(1, pal::accentDark);
    p.setBrush(g);
    p.drawEllipse(centre, 12.5, 12.5);
    p.restore();
    textIn(p, QRectF(centre.x() - 13, centre.y() - 13, 26, 26), QString::number(number),
           uiFont(14, QFont::Bold), Qt::white);
}

// Deterministic, natural-looking amplitude in 0..1 for bar i of n.
qreal amplitude(int i, int n)
{
    const qreal t = static_cast<qreal>(i) / n;
    const qreal envelope = 0.35 + 0.65 * std::pow(std::sin(t * 3.14159), 0.6);
    const qreal detail = 0.45 + 0.55 * std::fabs(std::sin(i * 0.71) * std::cos(i * 0.23 + 0.4));
    return std::clamp(envelope * detail, 0.08, 1.0);
}

// A 13 x 8 marker handle shape with its point at (x, tipY); `down` points it downwards.
QPolygonF handleShape(qreal x, qreal tipY, bool down, qreal scale = 1)
{
    const qreal s = down ? -1 : 1;
    const qreal w = 6 * scale;
    return QPolygonF({QPointF(x, tipY), QPointF(x + w, tipY + s * 4 * scale),
                      QPointF(x + w, tipY + s * 7 * scale), QPointF(x - w, tipY + s * 7 * scale),
                      QPointF(x - w, tipY + s * 4 * scale)});
}

// A word of a sentence drawn in bold in its own colour.
struct Word
{
    QString text;
    QColor color;
};

// Draws `pattern` left-aligned in `box`, each "%n" replaced by words[n - 1] in bold and the rest
// in the regular face; a sentence wider than the box is reported.
template <size_t N>
void sentence(QPainter &p, const QRectF &box, const QString &pattern, const Word (&words)[N])
{
    const QFont step = uiFont(15);
    const QFont strong = uiFont(15, QFont::Bold);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    qreal x = box.left();
    auto run = [&](const QString &s, const QFont &f, const QColor &c) {
        if (s.isEmpty())
            return;
        textIn(p, QRectF(x, box.top(), box.right() - x, box.height()), s, f, c, left);
        x += QFontMetricsF(f).horizontalAdvance(s);
    };
    static const QRegularExpression marker(QStringLiteral("%([1-9])"));
    qsizetype from = 0;
    for (const QRegularExpressionMatch &m : marker.globalMatch(pattern)) {
        run(pattern.mid(from, m.capturedStart() - from), step, pal::text);
        const size_t n = static_cast<size_t>(m.captured(1).toInt());
        if (n >= 1 && n <= N)
            run(words[n - 1].text, strong, words[n - 1].color);
        from = m.capturedEnd();
    }
    run(pattern.mid(from), step, pal::text);
}

} // namespace

void gettingStarted(QPainter &p, bool docHot)
{
    textIn(p, QRectF(58, 132, 400, 28), say(QT_TRANSLATE_NOOP("Skin", "Get started")), uiFont(21, QFont::Bold), pal::text,
           Qt::AlignLeft | Qt::AlignVCenter);
    textIn(p, QRectF(59, 162, 400, 18), say(QT_TRANSLATE_NOOP("Skin", "Make a ring tone in three easy steps")), uiFont(13),
           pal::textMuted, Qt::AlignLeft | Qt::AlignVCenter);

    const qreal rows[3] = {238, 292, 346};
    // Dotted connector between the badges.
    p.save();
    p.setPen(QPen(QColor(150, 200, 212), 1.4, Qt::DotLine, Qt::RoundCap));
    p.drawLine(QPointF(72, rows[0] + 16), QPointF(72, rows[1] - 16));
    p.drawLine(QPointF(72, rows[1] + 16), QPointF(72, rows[2] - 16));
    p.restore();
    for (int i = 0; i < 3; ++i)
        badge(p, QPointF(72, rows[i]), i + 1);

    const QFont step = uiFont(15);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    //: Step one: the word before the document icon, which stands at a fixed place 50 pixels on.
    textIn(p, QRectF(96, rows[0] - 12, 50, 24), say(QT_TRANSLATE_NOOP("Skin", "Click")), step, pal::text, left);
    const QRectF doc(146, 220, 31, 36);
    if (docHot)
        roundedPanel(p, doc, 5, QColor(246, 253, 254), pal::hoverFill, pal::hoverEdge);
    icon::document(p, doc, docHot);
    //: Step one: the words after the document icon.
    textIn(p, QRectF(184, rows[0] - 12, 280, 24), say(QT_TRANSLATE_NOOP("Skin", "to open an audio or video file")), step,
           pal::text, left);

    // Step two names the actions in bold, the way the buttons show them.
    //: Step two; %1 is "Play", %2 "begin" and %3 "end", drawn in bold. About 370 pixels.
    const QString two = say(QT_TRANSLATE_NOOP("Skin", "%1 it and mark the %2 and the %3"));
    const Word twoWords[3] = {{say(QT_TRANSLATE_NOOP("Skin", "Play")), pal::text},
                              {say(QT_TRANSLATE_NOOP("Skin", "begin")), pal::selBegin},
                              {say(QT_TRANSLATE_NOOP("Skin", "end")), pal::selEnd}};
    sentence(p, QRectF(96, rows[1] - 12, 372, 24), two, twoWords);
    //: Step three; %1 is "Save", drawn in bold. About 630 pixels.
    const QString three = say(QT_TRANSLATE_NOOP("Skin", "%1 your ring tone as MP3, M4R, OGG and more"));
    const Word threeWords[1] = {{QCoreApplication::translate("Skin", "Save", "the bold word of step three"), pal::text}};
    sentence(p, QRectF(96, rows[2] - 12, 634, 24), three, threeWords);

    // Illustration on the right: what a marked selection looks like.
    const QRectF ill(478, 178, 252, 150);
    softShadow(p, ill, 8, 3, 14);
    roundedPanel(p, ill, 8, QColor(252, 254, 255), QColor(242, 247, 250), pal::line);
    waveformWithSelection(p, ill.adjusted(14, 16, -14, -16), 0.34, 0.68);

    textIn(p, QRectF(58, 404, 672, 18),
           say(QT_TRANSLATE_NOOP("Skin", "Opens MP3, WMA, WAV, AMR, WMV, AVI, MPG and more")), uiFont(12), pal::textMuted,
           Qt::AlignLeft | Qt::AlignVCenter);
    p.save();
    p.setPen(QPen(pal::lineSoft, 1));
    p.drawLine(QPointF(58, 392.5), QPointF(730, 392.5));
    p.restore();
}

void waveformWithSelection(QPainter &p, const QRectF &box, qreal selFrom, qreal selTo)
{
    p.save();
    const qreal step = 4;
    const int n = static_cast<int>(box.width() / step);
    const qreal mid = box.center().y();
    const qreal x0 = box.left() + box.width() * selFrom;
    const qreal x1 = box.left() + box.width() * selTo;
    const qreal lane = 9; // room for the handles above and below the bars
    const qreal half = box.height() / 2 - lane - 2;

    p.fillRect(QRectF(x0, box.top() + lane, x1 - x0, box.height() - 2 * lane), QColor(20, 160, 182, 30));
    p.setPen(QPen(QColor(200, 214, 224), 1));
    p.drawLine(QPointF(box.left(), mid), QPointF(box.right(), mid));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < n; ++i) {
        const qreal x = box.left() + i * step + 1;
        const qreal a = amplitude(i, n) * half;
        const bool in = x + 1 >= x0 && x + 1 <= x1;
        p.setBrush(in ? pal::accent : QColor(170, 188, 203));
        p.drawRoundedRect(QRectF(x, mid - a, 2.4, 2 * a), 1.2, 1.2);
    }
    for (const auto &[mx, color] : {std::pair{x0, pal::selBegin}, std::pair{x1, pal::selEnd}}) {
        p.setPen(QPen(color, 1.4));
        p.drawLine(QPointF(mx, box.top() + 6), QPointF(mx, box.bottom() - 6));
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawPolygon(handleShape(mx, box.top() + 8, true, 0.9));
        p.drawPolygon(handleShape(mx, box.bottom() - 8, false, 0.9));
    }
    p.restore();
}

void productMark(QPainter &p, const QRectF &box)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 256, box.height() / 256);
    const QRectF tile(8, 8, 240, 240);
    // Shadow under the tile.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(QColor(0, 20, 40, 14));
        p.drawRoundedRect(tile.adjusted(-i, 2 - i + 3, i, i + 3), 56 + i, 56 + i);
    }
    QLinearGradient g(tile.topLeft(), tile.bottomRight());
    g.setColorAt(0, QColor(22, 70, 122));
    g.setColorAt(0.55, QColor(12, 108, 140));
    g.setColorAt(1, QColor(20, 168, 186));
    p.setBrush(g);
    p.setPen(QPen(QColor(8, 44, 70), 2));
    p.drawRoundedRect(tile, 54, 54);
    // Gloss on the upper half.
    QLinearGradient gloss(0, 8, 0, 128);
    gloss.setColorAt(0, QColor(255, 255, 255, 46));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(QRectF(14, 14, 228, 118), 48, 48);

    // Selection band with its two handles.
    const QRectF band(95, 52, 66, 152);
    p.setBrush(QColor(255, 255, 255, 48));
    p.drawRoundedRect(band, 10, 10);
    p.setBrush(QColor(255, 206, 84));
    for (const qreal x : {band.left(), band.right()}) {
        p.drawPolygon(QPolygonF({QPointF(x - 12, 40), QPointF(x + 12, 40), QPointF(x, 56)}));
        p.drawPolygon(QPolygonF({QPointF(x - 12, 216), QPointF(x + 12, 216), QPointF(x, 200)}));
        p.drawRect(QRectF(x - 2, 52, 4, 152));
    }
    // Waveform bars.
    const qreal heights[9] = {34, 62, 96, 132, 112, 142, 88, 58, 30};
    for (int i = 0; i < 9; ++i) {
        const qreal cx = 40 + i * 22;
        const qreal h = heights[i];
        const bool in = cx > band.left() && cx < band.right();
        p.setBrush(in ? QColor(255, 230, 150) : QColor(255, 255, 255, 235));
        p.drawRoundedRect(QRectF(cx - 5.5, 128 - h / 2, 11, h), 5.5, 5.5);
    }
    p.restore();
}

void productMarkPixels(QPainter &p, int size)
{
    p.save();
    const qreal s = size;
    QLinearGradient g(0, 0, s, s);
    g.setColorAt(0, QColor(22, 70, 122));
    g.setColorAt(0.55, QColor(12, 108, 140));
    g.setColorAt(1, QColor(20, 168, 186));
    p.setBrush(g);
    p.setPen(QPen(QColor(8, 44, 70), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), s * 0.22, s * 0.22);

    // Whole-pixel bars without smoothing, so that each stays sharp at this size.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    const int bar = size >= 22 ? 2 : 1;
    const int count = 5;
    const int span = count * bar + (count - 1);
    const int left = (size - span) / 2;
    const int mid = size / 2;
    const qreal heights[count] = {0.28, 0.55, 0.78, 0.55, 0.3};
    const int inner = size - 6;
    // The selection: a lighter band behind the middle three bars, edged in yellow.
    const int bandLeft = left + bar;
    const int bandRight = left + 4 * bar + 3;
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRect(bandLeft, 3, bandRight - bandLeft, size - 6);
    p.setBrush(QColor(255, 206, 84));
    p.drawRect(bandLeft, 2, 1, size - 4);
    p.drawRect(bandRight - 1, 2, 1, size - 4);
    for (int i = 0; i < count; ++i) {
        const int h = std::max(2, static_cast<int>(std::lround(heights[i] * inner)) / 2 * 2);
        const int x = left + i * (bar + 1);
        const bool in = i >= 1 && i <= 3;
        p.setBrush(in ? QColor(255, 236, 170) : QColor(255, 255, 255, 240));
        p.drawRect(x, mid - h / 2, bar, h);
    }
    p.restore();
}

} // namespace skin::art
