// The main window picture: header, menu strip, toolbar, timeline card, transport row, time and
// selection displays, status bar.
#include "MainSkin.h"

#include "Art.h"
#include "Canvas.h"
#include "Icons.h"

#include <QFontMetricsF>
#include <QLinearGradient>

#include <cmath>

namespace skin::mainwin {

namespace {

constexpr int headerBottom = 40;    // last row of the dark header
constexpr int menuBottom = 62;      // separator under the menu strip
constexpr int statusTop = 531;      // separator above the status bar

using Hot = Look::Hot;

bool lit(const Look &look, Hot hot, int index = 0)
{
    return look.hot == hot && (hot == Hot::Exit || hot == Hot::Min || hot == Hot::OpenDoc
                               || look.index == index);
}

void header(QPainter &p)
{
    const QRectF band(0, 0, width, headerBottom);
    QLinearGradient across(0, 0, width, 0);
    across.setColorAt(0, pal::headerLeft);
    across.setColorAt(1, pal::headerRight);
    p.fillRect(band, across);
    QLinearGradient sheen(0, 0, 0, headerBottom);
    sheen.setColorAt(0, QColor(255, 255, 255, 26));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 6));
    sheen.setColorAt(1, QColor(0, 0, 0, 20));
    p.fillRect(band, sheen);

    // A faint waveform motif across the right half of the header.
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 64; ++i) {
        const qreal x = 380 + i * 5;
        const qreal env = std::sin(i * 0.049 * 3.14159);
        const qreal amp = 3 + env * (6 + 5 * std::fabs(std::sin(i * 1.7) * std::cos(i * 0.61)));
        p.setBrush(QColor(255, 255, 255, 14 + static_cast<int>(env * 12)));
        p.drawRoundedRect(QRectF(x, 20 - amp, 2.4, 2 * amp), 1.2, 1.2);
    }
    p.restore();

    // Product name; the version label sits right of it at (96, 16).
    const QRectF nameBox(18, 8, 74, 26);
    int px = 20;
    while (px > 10 && QFontMetricsF(uiFont(px, QFont::Bold)).horizontalAdvance(QStringLiteral("TuneSnip")) > nameBox.width())
        --px;
    const QFont nameFont = uiFont(px, QFont::Bold);
    const QFontMetricsF fm(nameFont);
    const qreal baseline = 27.5;
    p.setFont(nameFont);
    p.setPen(Qt::white);
    p.drawText(QPointF(nameBox.left(), baseline), QStringLiteral("Tune"));
    p.setPen(pal::accentLight);
    p.drawText(QPointF(nameBox.left() + fm.horizontalAdvance(QStringLiteral("Tune")), baseline),
               QStringLiteral("Snip"));

    p.setPen(QPen(QColor(4, 22, 38), 1));
    p.drawLine(QPointF(0, headerBottom + 0.5), QPointF(width, headerBottom + 0.5));
}

void windowButtons(QPainter &p, const Look &look)
{
    const bool minHot = lit(look, Hot::Min);
    const bool exitHot = lit(look, Hot::Exit);
    if (minHot)
        roundedPanel(p, minRect, 4, QColor(255, 255, 255, 56), QColor(255, 255, 255, 36),
                     QColor(255, 255, 255, 70));
    if (exitHot)
        roundedPanel(p, exitRect, 4, QColor(236, 86, 76), QColor(206, 52, 48), QColor(150, 30, 30));
    const QColor idle(255, 255, 255, 205);
    icon::minimise(p, QRectF(minRect).adjusted(3, 3, -3, -3), minHot ? Qt::white : idle);
    icon::close(p, QRectF(exitRect).adjusted(3, 3, -3, -3), exitHot ? Qt::white : idle);
}

void menuStrip(QPainter &p, const Look &look)
{
    const QRectF strip(0, headerBottom + 1, width, menuBottom - headerBottom - 1);
    QLinearGradient g(strip.topLeft(), strip.bottomLeft());
    g.setColorAt(0, pal::menuStrip);
    g.setColorAt(1, QColor(240, 245, 249));
    p.fillRect(strip, g);
    p.setPen(QPen(pal::line, 1));
    p.drawLine(QPointF(0, menuBottom + 0.5), QPointF(width, menuBottom + 0.5));

    // The letter in brackets is the menu's key (Alt and that letter) in every language.
    static const char *const names[4] = {
        //: A menu name; keep "(F)": Alt+F opens the menu in every language.
        QT_TRANSLATE_NOOP("Skin", "File(F)"),
        //: A menu name; keep "(T)": Alt+T opens the menu in every language.
        QT_TRANSLATE_NOOP("Skin", "Tools(T)"),
        //: A menu name; keep "(S)": Alt+S opens the menu in every language.
        QT_TRANSLATE_NOOP("Skin", "Setting(S)"),
        //: A menu name; keep "(A)": Alt+A opens the menu in every language.
        QT_TRANSLATE_NOOP("Skin", "About(A)")};
    for (int i = 0; i < 4; ++i) {
        const QRect r = menuRects[static_cast<size_t>(i)];
        const bool hot = lit(look, Hot::Menu, i);
        if (hot)
            roundedPanel(p, r, 4, QColor(238, 250, 252), pal::hoverFill, pal::hoverEdge);
        // The places are fixed: a longer name in another language takes a smaller size.
        const QString name = say(names[i]);
        int px = 12;
        while (px > 9 && QFontMetricsF(uiFont(px)).horizontalAdvance(name) > r.width())
            --px;
        textIn(p, QRectF(r).translated(0, -0.5), name, uiFont(px), hot ? pal::accentDark : pal::text);
    }
}

void body(QPainter &p)
{
    const QRectF area(0, menuBottom + 1, width, statusTop - menuBottom - 1);
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    g.setColorAt(0, pal::bodyTop);
    g.setColorAt(1, pal::bodyBottom);
    p.fillRect(area, g);
}

void panelButtons(QPainter &p, const Look &look)
{
    // Group separators: file actions | tools | application.
    p.setPen(QPen(pal::line, 1));
    for (const qreal x : {115.5, 218.5})
        p.drawLine(QPointF(x, 70), QPointF(x, 92));
    p.setPen(QPen(Qt::white, 1));
    for (const qreal x : {116.5, 219.5})
        p.drawLine(QPointF(x, 70), QPointF(x, 92));

    for (int i = 0; i < 8; ++i) {
        const QRect r = panelRects[static_cast<size_t>(i)];
        if (r.isEmpty())
            continue;
        if (lit(look, Hot::Panel, i))
            roundedPanel(p, r, 6, QColor(246, 253, 254), pal::hoverFill, pal::hoverEdge);
        const QRectF box(r.x() + (r.width() - 24) / 2.0, r.y() + 4, 24, 24);
        switch (i) {
        case 0: icon::folderOpen(p, box); break;
        case 1: icon::disk(p, box, QColor(40, 104, 176)); break;
        case 2: icon::dice(p, box); break;
        case 4: icon::envelope(p, box); break;
        case 5: icon::gear(p, box); break;
        case 6: icon::help(p, box); break;
        case 7: icon::power(p, box); break;
        default: break;
        }
    }

    // The well that the file name label is written into.
    const QRectF well(364, 70, 384, 24);
    roundedPanel(p, well, 5, QColor(250, 252, 253), Qt::white, pal::line);
    p.setPen(QPen(QColor(10, 40, 60, 16), 1));
    p.drawLine(QPointF(368, 71.5), QPointF(744, 71.5));
}

void timelineCard(QPainter &p, const Look &look)
{
    const QRectF card(timelineRect);
    softShadow(p, card, 7, 3, 16);
    roundedPanel(p, card, 7, pal::card, QColor(251, 253, 254), pal::line);
    if (look.gettingStarted)
        art::gettingStarted(p, lit(look, Hot::OpenDoc));
}

void transportButton(QPainter &p, int i, const Look &look)
{
    const QRectF r = transportRects[static_cast<size_t>(i)];
    const bool hot = lit(look, Hot::Transport, i);
    const bool down = hot && look.pressed;
    const QRectF face = r.adjusted(0, 0, 0, -1);
    // Drop shadow: the face's outline one row lower, inside the slot.
    if (!down) {
        p.setPen(QPen(QColor(10, 40, 60, 30), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(crisp(face.translated(0, 1)), i == 6 ? 7 : 6, i == 6 ? 7 : 6);
    }
    const qreal dy = down ? 1 : 0;

    if (i == 6) {
        if (down)
            roundedPanel(p, face, 7, QColor(10, 110, 132), QColor(14, 132, 154), QColor(6, 84, 102));
        else if (hot)
            roundedPanel(p, face, 7, QColor(64, 204, 222), QColor(22, 150, 174), QColor(8, 104, 124));
        else
            roundedPanel(p, face, 7, QColor(40, 186, 206), QColor(14, 132, 156), QColor(8, 100, 120));
        // Top gloss line.
        p.setPen(QPen(QColor(255, 255, 255, down ? 30 : 70), 1));
        p.drawLine(QPointF(face.left() + 6, face.top() + 1.5), QPointF(face.right() - 6, face.top() + 1.5));
        // The face is fixed: a longer word in another language takes a smaller size.
        const QString save = say(QT_TRANSLATE_NOOP("Skin", "Save"));
        int px = 14;
        while (px > 10 && 27 + QFontMetricsF(uiFont(px, QFont::Bold)).horizontalAdvance(save) > face.width() - 8)
            --px;
        const QFont f = uiFont(px, QFont::Bold);
        const qreal textW = QFontMetricsF(f).horizontalAdvance(save);
        const qreal groupW = 20 + 7 + textW;
        checkFit(save, groupW, face.width() - 8);
        const qreal x0 = face.left() + (face.width() - groupW) / 2;
        const QColor hole = down ? QColor(14, 124, 146) : hot ? QColor(30, 170, 194) : QColor(24, 156, 180);
        icon::diskGlyph(p, QRectF(x0, face.top() + 5.5 + dy, 20, 20), Qt::white, hole);
        textIn(p, QRectF(x0 + 27, face.top() + dy, textW + 2, face.height()), save, f,
               Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
        return;
    }

    if (down)
        roundedPanel(p, face, 6, pal::pressFill, QColor(214, 238, 244), pal::pressEdge);
    else if (hot)
        roundedPanel(p, face, 6, Qt::white, pal::hoverFill, pal::hoverEdge);
    else
        roundedPanel(p, face, 6, Qt::white, QColor(234, 240, 245), QColor(186, 201, 213));
    const QRectF glyph(face.left() + (face.width() - 16) / 2, face.top() + (face.height() - 16) / 2 + dy, 16, 16);
    const QColor ink = hot ? QColor(8, 96, 118) : QColor(46, 72, 94);
    switch (i) {
    case 0: icon::play(p, glyph, hot ? pal::accentDark : QColor(18, 130, 156)); break;
    case 1: icon::stop(p, glyph, ink); break;
    case 2: icon::pause(p, glyph, ink); break;
    case 3: icon::bracketMarker(p, glyph, true, pal::selBegin); break;
    case 4: icon::bracketMarker(p, glyph, false, pal::selEnd); break;
    case 5: icon::playSelection(p, glyph, hot ? pal::accentDark : QColor(18, 130, 156), QColor(70, 90, 108)); break;
    default: break;
    }
}

void timeDisplay(QPainter &p)
{
    const QRectF frame(295, 486, 87, 31);
    textIn(p, QRectF(frame.left(), 472, frame.width(), 12), say(QT_TRANSLATE_NOOP("Skin", "POSITION")),
           uiFont(9, QFont::Bold), pal::textMuted);
    roundedPanel(p, frame, 6, QColor(214, 228, 236), QColor(240, 247, 250), QColor(142, 170, 188));
    roundedPanel(p, frame.adjusted(2, 2, -2, -2), 4, QColor(236, 245, 249), QColor(246, 251, 253),
                 QColor(198, 216, 226));
    p.setPen(QPen(QColor(10, 40, 60, 22), 1));
    p.drawLine(QPointF(frame.left() + 5, frame.top() + 3.5), QPointF(frame.right() - 5, frame.top() + 3.5));
}

void selectionTable(QPainter &p)
{
    const QFont head = uiFont(10, QFont::Bold);
    const char *const titles[3] = {QT_TRANSLATE_NOOP("Skin", "Begin"),
                                   QT_TRANSLATE_NOOP("Skin", "End"),
                                   QT_TRANSLATE_NOOP("Skin", "Length")};
    const int xs[3] = {442, 507, 572};
    for (int c = 0; c < 3; ++c)
        textIn(p, QRectF(xs[c] - 6, 473, 56, 13), say(titles[c]), head, pal::textMuted);
    const QFont row = uiFont(11);
    textIn(p, QRectF(378, 490, 54, 13), say(QT_TRANSLATE_NOOP("Skin", "Selection")), row, pal::text,
           Qt::AlignRight | Qt::AlignVCenter);
    textIn(p, QRectF(378, 514, 54, 13), say(QT_TRANSLATE_NOOP("Skin", "View")), row, pal::text,
           Qt::AlignRight | Qt::AlignVCenter);
    for (const int y : {488, 512})
        for (const int x : xs)
            roundedPanel(p, QRectF(x - 3, y, 50, 17), 4, QColor(252, 253, 254), Qt::white, QColor(196, 210, 221));
}

void statusBar(QPainter &p)
{
    const QRectF bar(0, statusTop, width, height - statusTop);
    QLinearGradient g(bar.topLeft(), bar.bottomLeft());
    g.setColorAt(0, QColor(226, 234, 240));
    g.setColorAt(1, QColor(214, 225, 233));
    p.fillRect(bar, g);
    p.setPen(QPen(pal::line, 1));
    p.drawLine(QPointF(0, statusTop + 0.5), QPointF(width, statusTop + 0.5));
    p.setPen(QPen(QColor(255, 255, 255, 160), 1));
    p.drawLine(QPointF(0, statusTop + 1.5), QPointF(width, statusTop + 1.5));

    const QRectF fb(feedbackRect);
    icon::bubble(p, QRectF(fb.left() + 2, fb.top() + 1.5, 14, 14), pal::link);
    QFont f = uiFont(12);
    f.setUnderline(true);
    textIn(p, QRectF(fb.left() + 20, fb.top(), fb.width() - 20, fb.height()), say(QT_TRANSLATE_NOOP("Skin", "Feedback")), f,
           pal::link, Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace

QImage render(const Look &look, int scale)
{
    QImage img = newImage(width, height, pal::bodyTop, false, scale);
    QPainter p;
    beginPaint(p, img);
    body(p);
    header(p);
    windowButtons(p, look);
    menuStrip(p, look);
    panelButtons(p, look);
    timelineCard(p, look);
    for (int i = 0; i < 7; ++i)
        transportButton(p, i, look);
    timeDisplay(p);
    selectionTable(p);
    statusBar(p);
    p.end();

    QPainterPath shape;
    shape.addRoundedRect(QRectF(0, 0, width, height), 10, 10);
    return keyToMagenta(img, shape, [scale](int, int y) {
        return y / scale <= headerBottom ? pal::headerEdge : pal::windowEdge;
    });
}

QImage neutralPanelHover(int scale)
{
    const QRect r = panelRects[0];
    QImage full = render(Look{}, scale);
    QImage slot = cropLogical(full, r).convertToFormat(QImage::Format_RGB32);
    const QRect area(QPoint(0, 0), r.size());
    // Clear the icon: the slot's own background is the plain body gradient at that height.
    QPainter p;
    beginPaint(p, slot);
    QLinearGradient g(0, -r.y() + 63, 0, -r.y() + statusTop);
    g.setColorAt(0, pal::bodyTop);
    g.setColorAt(1, pal::bodyBottom);
    p.fillRect(area, g);
    roundedPanel(p, area, 6, QColor(246, 253, 254), pal::hoverFill, pal::hoverEdge);
    p.end();
    return opaque(slot);
}

} // namespace skin::mainwin
