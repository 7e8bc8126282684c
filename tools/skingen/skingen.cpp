// skingen: writes every skin picture into <skin dir>/main and <skin dir>/splash and the resource
// list <skin dir>/skin.qrc, and the desktop icons into <skin dir>/icons/<size>.png. Every picture
// the program shows is also drawn at double density as "<name>@2x.png" (twice the pixels each
// way, for screens with two device pixels per logical pixel). With --preview <dir> it also
// writes composed previews for review, at both densities.
//
// With --languages, the pictures that carry words are also drawn in each language named, with
// the texts of the compiled translation <qm dir>/tunesnip_<lang>.qm (context "Skin"), as
// "<name>_<lang>.png" beside the English picture: the window backgrounds, the menu names' and
// the save button's hover and pressed looks, the timeline panel and the progress panels. Every
// text must fit its place; one that does not is reported and the run fails.
//
// Usage: skingen <skin dir> [--preview <dir>] [--languages <qm dir> <lang>...]
#include "Canvas.h"
#include "MainSkin.h"
#include "Pictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>
#include <QTranslator>

#include <cstdio>
#include <functional>

namespace {

using skin::mainwin::Look;
using Hot = skin::mainwin::Look::Hot;

// Writes the pictures and remembers their resource names.
class Writer
{
public:
    explicit Writer(QString root) : root_(std::move(root)) {}

    // Saves `img` as <root>/<name>, or as <root>/<name stem>@2x.png for a double-density
    // picture; returns false (and reports) when it cannot be written.
    bool put(QString name, const QImage &img)
    {
        if (img.devicePixelRatio() > 1)
            name.replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
        const QString path = root_ + QLatin1Char('/') + name;
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (img.isNull() || !img.save(path, "PNG")) {
            std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(path));
            ok_ = false;
            return false;
        }
        names_ << name;
        return true;
    }

    // Writes skin.qrc listing every picture under the prefix "/skin".
    bool writeQrc()
    {
        names_.sort();
        QFile f(root_ + QStringLiteral("/skin.qrc"));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
            std::fprintf(stderr, "skingen: cannot write skin.qrc\n");
            return false;
        }
        QTextStream out(&f);
        out << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/skin\">\n";
        for (const QString &n : names_)
            out << "  <file>" << n << "</file>\n";
        out << "</qresource>\n</RCC>\n";
        return ok_;
    }

    bool ok() const { return ok_; }

private:
    QString root_;
    QStringList names_;
    bool ok_ = true;
};

QImage crop(const Look &look, const QRect &r, int scale = 1)
{
    return skin::cropLogical(skin::mainwin::render(look, scale), r);
}

// The pictures the program shows, drawn at `scale` (1, or 2 for the "@2x" set).
void writeShown(Writer &w, int scale)
{
    namespace mw = skin::mainwin;
    w.put(QStringLiteral("main/background.png"), mw::render(Look{}, scale));
    w.put(QStringLiteral("main/exit_light.png"), crop(Look{Hot::Exit}, mw::exitRect, scale));
    w.put(QStringLiteral("main/min_light.png"), crop(Look{Hot::Min}, mw::minRect, scale));
    w.put(QStringLiteral("main/getting_started_light.png"), crop(Look{Hot::OpenDoc}, mw::openDocRect, scale));
    for (int i = 0; i < 4; ++i)
        w.put(QStringLiteral("main/menu_light_%1.png").arg(i),
              crop(Look{Hot::Menu, i}, mw::menuRects[static_cast<size_t>(i)], scale));
    for (int i = 0; i < 8; ++i) {
        const QRect r = mw::panelRects[static_cast<size_t>(i)];
        if (r.isEmpty() && scale > 1)
            continue;  // the neutral highlight is never seen: no dense copy
        w.put(QStringLiteral("main/button_light_%1.png").arg(i),
              r.isEmpty() ? mw::neutralPanelHover(scale) : crop(Look{Hot::Panel, i}, r, scale));
    }
    for (int i = 0; i < 7; ++i) {
        const QRect r = mw::transportRects[static_cast<size_t>(i)];
        w.put(QStringLiteral("main/ctrl_light_%1.png").arg(i), crop(Look{Hot::Transport, i}, r, scale));
        w.put(QStringLiteral("main/ctrl_press_%1.png").arg(i), crop(Look{Hot::Transport, i, true}, r, scale));
    }

    w.put(QStringLiteral("main/timeline.png"), skin::timelinePanel(scale));
    const std::pair<const char *, QColor> markers[3] = {
        {"playhead", skin::pal::playhead}, {"sel1", skin::pal::selBegin}, {"sel2", skin::pal::selEnd}};
    for (const auto &[name, color] : markers) {
        const QString n = QString::fromLatin1(name);
        w.put(QStringLiteral("main/%1_top.png").arg(n), skin::handle(color, true, scale));
        w.put(QStringLiteral("main/%1_bottom.png").arg(n), skin::handle(color, false, scale));
        w.put(QStringLiteral("main/%1_line.png").arg(n), skin::markerLine(color, scale));
    }
    w.put(QStringLiteral("main/decode_panel.png"), skin::decodePanel(scale));
    w.put(QStringLiteral("main/decode_bar.png"), skin::decodeBar(scale));
    w.put(QStringLiteral("main/save_panel.png"), skin::savePanel(scale));
    w.put(QStringLiteral("main/save_bar.png"), skin::saveBar(scale));
    w.put(QStringLiteral("splash/splash.png"), skin::splash(scale));
}

// The pictures that carry words, at `scale`, named "<name>_<language>.png".
void writeWords(Writer &w, const QString &language, int scale)
{
    namespace mw = skin::mainwin;
    const QString tail = QLatin1Char('_') + language + QStringLiteral(".png");
    w.put(QStringLiteral("main/background") + tail, mw::render(Look{}, scale));
    for (int i = 0; i < 4; ++i)
        w.put(QStringLiteral("main/menu_light_%1").arg(i) + tail,
              crop(Look{Hot::Menu, i}, mw::menuRects[static_cast<size_t>(i)], scale));
    w.put(QStringLiteral("main/ctrl_light_6") + tail, crop(Look{Hot::Transport, 6}, mw::transportRects[6], scale));
    w.put(QStringLiteral("main/ctrl_press_6") + tail, crop(Look{Hot::Transport, 6, true}, mw::transportRects[6], scale));
    w.put(QStringLiteral("main/timeline") + tail, skin::timelinePanel(scale));
    w.put(QStringLiteral("main/decode_panel") + tail, skin::decodePanel(scale));
    w.put(QStringLiteral("main/save_panel") + tail, skin::savePanel(scale));
    w.put(QStringLiteral("splash/splash") + tail, skin::splash(scale));
}

// Draws the worded pictures in each of `languages` with its translation from `qmDir`; false
// when a translation cannot be loaded.
bool writeLanguages(Writer &w, const QString &qmDir, const QStringList &languages)
{
    for (const QString &language : languages) {
        QTranslator translator;
        if (!translator.load(QStringLiteral("tunesnip_") + language, qmDir)) {
            std::fprintf(stderr, "skingen: no translation tunesnip_%s.qm in %s\n", qPrintable(language),
                         qPrintable(qmDir));
            return false;
        }
        QCoreApplication::installTranslator(&translator);
        writeWords(w, language, 1);
        writeWords(w, language, 2);
        QCoreApplication::removeTranslator(&translator);
    }
    return true;
}

void writeMain(Writer &w)
{
    writeShown(w, 1);
    writeShown(w, 2);
    // The cursor and the window icon go to the system at their own sizes: one density only.
    w.put(QStringLiteral("main/hand_cursor.png"), skin::handCursor());
    w.put(QStringLiteral("main/app_icon.png"), skin::appIcon(64));
    w.put(QStringLiteral("main/app_icon_256.png"), skin::appIcon(256));
}

// Writes the program's own labels where it puts them, to check they read well on the skin.
void sampleLabels(QPainter &p)
{
    using skin::uiFont;
    // Drawn as the program draws them: unchecked, a label may clip its text.
    const auto textIn = [&p](const QRectF &box, const QString &text, const QFont &font, const QColor &color,
                             Qt::Alignment align = Qt::AlignCenter) {
        p.save();
        p.setFont(font);
        p.setPen(color);
        p.drawText(box, static_cast<int>(align), text);
        p.restore();
    };
    const QColor ink(11, 77, 109);
    const QColor grey(71, 99, 113);
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    textIn(QRectF(96, 16, 87, 14), QStringLiteral("- Ver 1.0.0"), uiFont(11), Qt::white, left);
    textIn(QRectF(372, 76, 370, 16), QStringLiteral("/home/user/Music/Summer Song.mp3"), uiFont(11), grey, left);
    textIn(QRectF(14, 467, 40, 13), QStringLiteral("Start"), uiFont(11), grey, left);
    textIn(QRectF(712, 467, 40, 13), QStringLiteral("End"), uiFont(11), grey, Qt::AlignRight | Qt::AlignVCenter);
    textIn(QRectF(301, 490, 75, 23), QStringLiteral("00:01:23"), uiFont(18), ink);
    for (const int y : {490, 514})
        for (const int x : {442, 507, 572})
            textIn(QRectF(x, y, 44, 13), QStringLiteral("00:00:12"), uiFont(10), ink);
    textIn(QRectF(18, 538, 147, 14), QStringLiteral("Select Start Position"), uiFont(11), ink, left);
}

// Composes what the running program would show at `scale`, for a person to review.
bool writePreviews(const QString &dir, int scale)
{
    namespace mw = skin::mainwin;
    using skin::cropLogical;
    QDir().mkpath(dir);
    const QString suffix = scale > 1 ? QStringLiteral("@2x.png") : QStringLiteral(".png");
    QImage idle = mw::render(Look{}, scale).convertToFormat(QImage::Format_RGB32);
    {
        QPainter p(&idle);
        p.drawImage(mw::minRect.topLeft(), crop(Look{Hot::Min}, mw::minRect, scale));
        p.drawImage(mw::menuRects[1].topLeft(), crop(Look{Hot::Menu, 1}, mw::menuRects[1], scale));
        p.drawImage(mw::panelRects[2].topLeft(), crop(Look{Hot::Panel, 2}, mw::panelRects[2], scale));
        p.drawImage(mw::openDocRect.topLeft(), crop(Look{Hot::OpenDoc}, mw::openDocRect, scale));
        p.drawImage(mw::transportRects[0].topLeft(), crop(Look{Hot::Transport, 0}, mw::transportRects[0], scale));
        p.drawImage(mw::transportRects[2].topLeft(), crop(Look{Hot::Transport, 2, true}, mw::transportRects[2], scale));
        p.drawImage(mw::transportRects[6].topLeft(), crop(Look{Hot::Transport, 6}, mw::transportRects[6], scale));
    }
    QImage open = mw::render(Look{}, scale).convertToFormat(QImage::Format_RGB32);
    {
        QPainter p(&open);
        const QPoint tl = mw::timelineRect.topLeft();
        p.drawImage(tl, skin::timelinePanel(scale));
        // Markers at sample places: begin at 200, end at 520, playhead at 330 (handle Left).
        const std::pair<int, QColor> marks[3] = {
            {200, skin::pal::selBegin}, {520, skin::pal::selEnd}, {330, skin::pal::playhead}};
        for (const auto &[left, color] : marks) {
            p.drawImage(tl + QPoint(left, 52), skin::handle(color, true, scale));
            p.drawImage(tl + QPoint(left + 6, 58), skin::markerLine(color, scale));
            p.drawImage(tl + QPoint(left, 342), skin::handle(color, false, scale));
        }
        p.drawImage(QPoint(200, 250), skin::decodePanel(scale));
        p.drawImage(QPoint(210, 280), cropLogical(skin::decodeBar(scale), QRect(0, 0, 200, 14)));
        p.drawImage(QPoint(240, 380), skin::savePanel(scale));
        p.drawImage(QPoint(240, 408), cropLogical(skin::saveBar(scale), QRect(0, 0, 120, 16)));
        p.drawImage(QPoint(600, 300), skin::handCursor());
        p.drawImage(QPoint(640, 300), skin::appIcon(64));
        p.drawImage(mw::transportRects[4].topLeft(), crop(Look{Hot::Transport, 4, true}, mw::transportRects[4], scale));
        sampleLabels(p);
    }
    QImage splash = skin::splash(scale).convertToFormat(QImage::Format_RGB32);
    {
        QPainter p(&splash);
        skin::textIn(p, QRectF(236, 94, 54, 14), QStringLiteral("Loading..."), skin::uiFont(11), Qt::white);
        skin::textIn(p, QRectF(116, 164, 164, 14), QString::fromUtf8("\u00a9 2026 TuneSnip developers"),
                     skin::uiFont(11), QColor(64, 64, 64));
        QFont f = skin::uiFont(9);
        f.setUnderline(true);
        skin::textIn(p, QRectF(138, 178, 115, 12), QStringLiteral("www.tunesnip.example"), f, QColor(0, 0, 255));
    }
    if (scale == 1)
        splash = splash.scaled(800, 400);
    if (!splash.save(dir + QStringLiteral("/preview_splash") + suffix))
        return false;
    return idle.save(dir + QStringLiteral("/preview_idle") + suffix) && open.save(dir + QStringLiteral("/preview_open") + suffix);
}

} // namespace

int main(int argc, char **argv)
{
    // Drawing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    QStringList languages;
    QString qmDir;
    const qsizetype languagesAt = args.indexOf(QStringLiteral("--languages"));
    if (languagesAt >= 0) {
        if (languagesAt + 2 >= args.size()) {
            std::fprintf(stderr, "skingen: --languages needs a folder and at least one language\n");
            return 2;
        }
        qmDir = args[languagesAt + 1];
        languages = args.mid(languagesAt + 2);
        args = args.mid(0, languagesAt);
    }
    if (args.size() != 2 && !(args.size() == 4 && args[2] == QStringLiteral("--preview"))) {
        std::fprintf(stderr, "usage: skingen <skin dir> [--preview <dir>] [--languages <qm dir> <lang>...]\n");
        return 2;
    }
    Writer w(args[1]);
    writeMain(w);
    if (!writeLanguages(w, qmDir, languages))
        return 1;
    // The desktop icons (installed into the hicolor theme); not part of the resources.
    bool iconsOk = true;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString path = args[1] + QStringLiteral("/icons/%1.png").arg(size);
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (!skin::appIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(path));
            iconsOk = false;
        }
    }
    if (!w.writeQrc() || !iconsOk)
        return 1;
    const bool fits = skin::textsFit();  // the previews' sample labels are the program's, not the skin's
    if (args.size() == 4 && !(writePreviews(args[3], 1) && writePreviews(args[3], 2))) {
        std::fprintf(stderr, "skingen: cannot write previews\n");
        return 1;
    }
    return w.ok() && fits ? 0 : 1;
}
