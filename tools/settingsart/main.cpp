// Draws the artwork of the settings window into the folder given as the only argument: its two
// pages, background.png (after saving) and effects.png (ring-tone effects), 418 x 251 each,
// magenta outside the window's shape, with the page tabs in the header (the page's own tab lit);
// close.png (15 x 19, cut from the header with the glyph on it); ok.png and back.png (32 x 32
// button icons). The pictures the window shows as they are (the pages and close.png) are also
// drawn at double density as "<name>@2x.png", for screens with two device pixels per logical
// pixel; their magenta keys exactly the 2 x 2 blocks of the pixels the 1x picture keys.
//
// Given a folder of compiled translations and language codes after the output folder, it also
// draws the two pages in each language, as background_<lang>.png and effects_<lang>.png (and
// their @2x pictures), with the texts of the program's translation (context "frmSetting"). A text
// that does not fit its place is an error.
#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTranslator>
#include <cstdio>

namespace {

constexpr int kW = 418, kH = 251, kHeader = 50, kRadius = 14;
const QColor kMagenta(255, 0, 255);
const QColor kNavy(16, 48, 82), kTeal(22, 128, 138), kInk(28, 52, 70), kBody(244, 247, 249);

QPainterPath windowShape()
{
    QPainterPath p;
    p.addRoundedRect(QRectF(0, 0, kW, kH), kRadius, kRadius);
    return p;
}

QFont uiFont(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

// A small gear: the window's emblem in the header.
void drawGear(QPainter& p, QPointF c, double r, const QColor& color)
{
    QPainterPath gear;
    for (int i = 0; i < 8; ++i) {
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(i * 45.0);
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-r * 0.22, -r * 1.05, r * 0.44, r * 0.5), 1, 1);
        gear = gear.united(t.map(tooth));
    }
    QPainterPath ring;
    ring.addEllipse(c, r * 0.8, r * 0.8);
    gear = gear.united(ring);
    QPainterPath hole;
    hole.addEllipse(c, r * 0.32, r * 0.32);
    p.fillPath(gear.subtracted(hole), color);
}

// The page tabs in the header, where the window's form puts their click areas.
const QRect kTabs[2] = {QRect(148, 13, 110, 25), QRect(264, 13, 110, 25)};
const char* const kTabNames[2] = {QT_TRANSLATE_NOOP("frmSetting", "After saving"), QT_TRANSLATE_NOOP("frmSetting", "Ring tone")};

// A text in the language of the installed translation.
QString text(const char* source) { return QCoreApplication::translate("frmSetting", source); }

bool fits = true;  // every text drawn so far fits its place

// Draws `what` aligned in `box`; a text wider than the box is reported and makes the run fail.
void drawFitting(QPainter& p, const QRect& box, int align, const QString& what)
{
    if (QFontMetrics(p.font()).horizontalAdvance(what) > box.width()) {
        std::fprintf(stderr, "\"%s\" is wider than its %d pixels\n", qPrintable(what), box.width());
        fits = false;
    }
    p.drawText(box, align, what);
}

void drawTabs(QPainter& p, int active)
{
    for (int i = 0; i < 2; ++i) {
        const QRectF r = QRectF(kTabs[i]).adjusted(0.5, 0.5, -0.5, -0.5);
        if (i == active) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 238));
            p.drawRoundedRect(r, 12, 12);
            p.setPen(kNavy);
            p.setFont(uiFont(12, true));
        } else {
            p.setPen(QPen(QColor(255, 255, 255, 90), 1));
            p.setBrush(QColor(255, 255, 255, 28));
            p.drawRoundedRect(r, 12, 12);
            p.setPen(QColor(206, 234, 238));
            p.setFont(uiFont(12, false));
        }
        drawFitting(p, kTabs[i].adjusted(6, 0, -6, 0), Qt::AlignCenter, text(kTabNames[i]));
    }
}

// The text of one page's card: a bold heading, a grey hint, the divider.
struct CardText {
    const char* top;
    const char* topRight;  // a second heading on the right half, or nullptr
    const char* hint;
    const char* bottom;
};

// One page at `scale` device pixels per logical pixel (the image's device pixel ratio).
QImage drawPage(int page, const CardText& words, int scale)
{
    QImage img(kW * scale, kH * scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    img.fill(kBody);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);

        QLinearGradient body(0, kHeader, 0, kH);
        body.setColorAt(0, QColor(248, 250, 252));
        body.setColorAt(1, QColor(228, 235, 240));
        p.fillRect(QRect(0, kHeader, kW, kH - kHeader), body);

        QLinearGradient header(0, 0, kW, 0);
        header.setColorAt(0, kNavy);
        header.setColorAt(1, kTeal);
        p.fillRect(QRect(0, 0, kW, kHeader), header);
        p.fillRect(QRect(0, kHeader, kW, 2), QColor(12, 96, 110));  // a darker seam under the header

        drawGear(p, QPointF(30, 25), 10, QColor(255, 255, 255, 230));
        p.setPen(Qt::white);
        // The title ends before the tabs; a long word in another language takes a smaller size.
        const QRect titleBox(50, 0, kTabs[0].left() - 54, kHeader);
        int titleSize = 17;
        while (titleSize > 11 && QFontMetrics(uiFont(titleSize, true)).horizontalAdvance(text("Settings")) > titleBox.width())
            --titleSize;
        p.setFont(uiFont(titleSize, true));
        drawFitting(p, titleBox, Qt::AlignVCenter | Qt::AlignLeft, text("Settings"));
        drawTabs(p, page);

        // A white card holds the lists and their explanations.
        const QRectF card(28.5, 58.5, 361, 124);
        p.setPen(QPen(QColor(200, 212, 222), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(card, 8, 8);
        p.setPen(QColor(225, 232, 238));
        p.drawLine(QPointF(40, 120.5), QPointF(378, 120.5));

        p.setFont(uiFont(12, true));
        p.setPen(kInk);
        drawFitting(p, QRect(46, 61, words.topRight ? 150 : 310, 18), Qt::AlignLeft | Qt::AlignVCenter, text(words.top));
        if (words.topRight)
            drawFitting(p, QRect(209, 61, 150, 18), Qt::AlignLeft | Qt::AlignVCenter, text(words.topRight));
        drawFitting(p, QRect(46, 128, 313, 18), Qt::AlignLeft | Qt::AlignVCenter, text(words.bottom));
        p.setFont(uiFont(10, false));
        p.setPen(QColor(104, 124, 140));
        drawFitting(p, QRect(46, 104, 313, 14), Qt::AlignLeft | Qt::AlignVCenter, text(words.hint));

        // The outline of the window, inside its shape.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(10, 38, 64), 1.5));
        p.drawRoundedRect(QRectF(0.75, 0.75, kW - 1.5, kH - 1.5), kRadius - 0.75, kRadius - 0.75);
    }
    // Everything outside the shape becomes magenta, decided per logical pixel without
    // antialiasing, so no edge pixel is ever a blend with the key colour and both densities key
    // the same window shape.
    QImage shape(kW, kH, QImage::Format_RGB32);
    shape.fill(Qt::black);
    {
        QPainter p(&shape);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillPath(windowShape(), Qt::white);
    }
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (shape.pixel(x / scale, y / scale) != qRgb(255, 255, 255))
                img.setPixel(x, y, kMagenta.rgb());
    return img;
}

// The close glyph: the header under it with a white cross in a soft circle.
QImage drawClose(const QImage& background)
{
    const int s = int(background.devicePixelRatio());
    QImage img = background.copy(388 * s, 12 * s, 15 * s, 19 * s);
    img.setDevicePixelRatio(s);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawEllipse(QRectF(0.5, 2.5, 14, 14));
    p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4.5, 6.5), QPointF(10.5, 12.5));
    p.drawLine(QPointF(10.5, 6.5), QPointF(4.5, 12.5));
    return img;
}

QImage drawBadge(const QColor& top, const QColor& bottom, bool check)
{
    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 2, 0, 30);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(bottom.darker(130), 1));
    p.setBrush(g);
    p.drawEllipse(QRectF(3.5, 3.5, 25, 25));
    p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath mark;
    if (check) {
        mark.moveTo(10, 16.5);
        mark.lineTo(14.5, 21);
        mark.lineTo(22.5, 11.5);
    } else {
        mark.moveTo(21.5, 16);
        mark.lineTo(11, 16);
        mark.moveTo(15.5, 11);
        mark.lineTo(10.5, 16);
        mark.lineTo(15.5, 21);
    }
    p.drawPath(mark);
    return img;
}

// Saves `img` as <name>.png, or <name>@2x.png for a double-density picture.
bool save(const QImage& img, const QDir& dir, const QString& name)
{
    const QString suffix = img.devicePixelRatio() > 1 ? QStringLiteral("@2x.png") : QStringLiteral(".png");
    const QString path = dir.filePath(name + suffix);
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc < 4) {
        std::fprintf(stderr, "usage: settingsart <output folder> [<translations folder> <language>...]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path()))
        return 1;
    const CardText afterSaving{QT_TRANSLATE_NOOP("frmSetting", "When a cut has been saved:"), nullptr,
                               QT_TRANSLATE_NOOP("frmSetting", "Show the folder that holds the new file, or leave it be."),
                               QT_TRANSLATE_NOOP("frmSetting", "Play the completion sound:")};
    const CardText ringTone{QT_TRANSLATE_NOOP("frmSetting", "Fade in:"), QT_TRANSLATE_NOOP("frmSetting", "Fade out:"),
                            QT_TRANSLATE_NOOP("frmSetting", "Fades soften the start and the end of the tone."),
                            QT_TRANSLATE_NOOP("frmSetting", "Loudness (peaks held under −1 dBTP):")};
    bool ok = true;
    for (const int scale : {1, 2}) {
        const QImage background = drawPage(0, afterSaving, scale);
        const QImage effects = drawPage(1, ringTone, scale);
        ok = ok && save(background, out, QStringLiteral("background")) && save(effects, out, QStringLiteral("effects"))
            && save(drawClose(background), out, QStringLiteral("close"));
    }
    // The pages in each language asked for.
    for (int i = 3; i < argc; ++i) {
        const QString language = QString::fromLocal8Bit(argv[i]);
        QTranslator translator;
        if (!translator.load(QStringLiteral("tunesnip_") + language, QString::fromLocal8Bit(argv[2]))) {
            std::fprintf(stderr, "no translation tunesnip_%s.qm in %s\n", argv[i], argv[2]);
            return 1;
        }
        QCoreApplication::installTranslator(&translator);
        for (const int scale : {1, 2})
            ok = ok && save(drawPage(0, afterSaving, scale), out, QStringLiteral("background_") + language)
                && save(drawPage(1, ringTone, scale), out, QStringLiteral("effects_") + language);
        QCoreApplication::removeTranslator(&translator);
    }
    ok = ok && fits;
    // The button icons are scaled into the buttons' faces: one size serves.
    ok = ok && save(drawBadge(QColor(92, 196, 120), QColor(30, 140, 70), true), out, QStringLiteral("ok"))
        && save(drawBadge(QColor(96, 170, 226), QColor(30, 100, 170), false), out, QStringLiteral("back"));
    return ok ? 0 : 1;
}
