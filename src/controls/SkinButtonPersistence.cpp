#include "controls/SkinButtonPersistence.h"

#include <QBuffer>
#include <QFontDatabase>

std::optional<bool> boolFromFormText(const QString& text)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("true") || t == QLatin1String("-1") || t == QLatin1String("1"))
        return true;
    if (t == QLatin1String("false") || t == QLatin1String("0"))
        return false;
    return std::nullopt;
}

std::optional<int> intFromFormText(const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

QString fontToFormText(const QFont& font)
{
    QString s = QStringLiteral("%1,%2").arg(font.family()).arg(font.pointSizeF());
    if (font.bold())
        s += QLatin1String(",bold");
    if (font.italic())
        s += QLatin1String(",italic");
    if (font.underline())
        s += QLatin1String(",underline");
    if (font.strikeOut())
        s += QLatin1String(",strikeout");
    return s;
}

std::optional<QFont> fontFromFormText(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() < 2 || parts[0].trimmed().isEmpty())
        return std::nullopt;
    bool ok = false;
    const double points = parts[1].trimmed().toDouble(&ok);
    if (!ok || points <= 0)
        return std::nullopt;
    QString family = parts[0].trimmed();
    if (!QFontDatabase::families().contains(family, Qt::CaseInsensitive))
        family = QStringLiteral("DejaVu Sans");
    QFont font(family);
    font.setPointSizeF(points);
    for (qsizetype i = 2; i < parts.size(); ++i) {
        const QString flag = parts[i].trimmed().toLower();
        if (flag == QLatin1String("bold"))
            font.setBold(true);
        else if (flag == QLatin1String("italic"))
            font.setItalic(true);
        else if (flag == QLatin1String("underline"))
            font.setUnderline(true);
        else if (flag == QLatin1String("strikeout"))
            font.setStrikeOut(true);
    }
    return font;
}

QString pictureToFormText(const QImage& image)
{
    if (image.isNull())
        return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("png:") + QString::fromLatin1(png.toBase64());
}

QImage pictureFromFormText(const QString& text)
{
    if (text.isEmpty())
        return {};
    if (text.startsWith(QLatin1String("png:")))
        return QImage::fromData(QByteArray::fromBase64(text.mid(4).toLatin1()), "PNG");
    return QImage(text);
}

namespace {

// One persisted property: its key, how to read it into the properties and how to write it.
struct PropertyIo {
    const char* key;
    // Reads the value (nullopt: absent) into p, applying the reading default itself.
    void (*read)(SkinButtonProperties& p, const std::optional<QString>& v, const SkinButtonFormContext& c);
    // The text to write, or nullopt when the value equals its omission default.
    std::optional<QString> (*write)(const SkinButtonProperties& p, const SkinButtonFormContext& c);
};

template <typename T>
T orDefault(const std::optional<QString>& v, std::optional<T> (*parse)(const QString&), T fallback)
{
    if (!v)
        return fallback;
    const auto parsed = parse(*v);
    return parsed ? *parsed : fallback;
}

ButtonColor colorOr(const std::optional<QString>& v, ButtonColor fallback)
{
    return orDefault<ButtonColor>(v, &ButtonColor::fromText, fallback);
}
int intOr(const std::optional<QString>& v, int fallback) { return orDefault<int>(v, &intFromFormText, fallback); }
bool boolOr(const std::optional<QString>& v, bool fallback) { return orDefault<bool>(v, &boolFromFormText, fallback); }

std::optional<QString> unless(bool omitted, const QString& text)
{
    return omitted ? std::nullopt : std::optional<QString>(text);
}
QString boolText(bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); }

const ButtonColor kFace = ButtonColor::system(SysColor::ButtonFace);
const ButtonColor kHighlight = ButtonColor::system(SysColor::Highlight);
const ButtonColor kText = ButtonColor::system(SysColor::ButtonText);
// The tooltip colours' defaults are crossed on purpose: the stored form has always used the
// tooltip text colour as the background default and the tooltip background as the text default.
const ButtonColor kTipBack = ButtonColor::system(SysColor::InfoText);
const ButtonColor kTipFore = ButtonColor::system(SysColor::InfoBack);

#define COLOR_IO(KEY, FIELD, DEF)                                                                      \
    PropertyIo{KEY, [](SkinButtonProperties& p, const std::optional<QString>& v, const SkinButtonFormContext&) { \
                   p.FIELD = colorOr(v, DEF);                                                          \
               },                                                                                      \
               [](const SkinButtonProperties& p, const SkinButtonFormContext&) {                       \
                   return unless(p.FIELD == DEF, p.FIELD.toText());                                    \
               }}
#define INT_IO(KEY, FIELD, READDEF, OMIT)                                                              \
    PropertyIo{KEY, [](SkinButtonProperties& p, const std::optional<QString>& v, const SkinButtonFormContext&) { \
                   p.FIELD = static_cast<decltype(p.FIELD)>(intOr(v, READDEF));                        \
               },                                                                                      \
               [](const SkinButtonProperties& p, const SkinButtonFormContext&) {                       \
                   return unless(p.FIELD == (OMIT), QString::number(p.FIELD));                         \
               }}
#define BOOL_IO(KEY, FIELD, DEF)                                                                       \
    PropertyIo{KEY, [](SkinButtonProperties& p, const std::optional<QString>& v, const SkinButtonFormContext&) { \
                   p.FIELD = boolOr(v, DEF);                                                           \
               },                                                                                      \
               [](const SkinButtonProperties& p, const SkinButtonFormContext&) {                       \
                   return unless(p.FIELD == (DEF), boolText(p.FIELD));                                 \
               }}

using V = std::optional<QString>;
using P = SkinButtonProperties;
using C = SkinButtonFormContext;

// The table in reading order. Integers: a value read that cannot be parsed takes the default.
const PropertyIo kProperties[] = {
    {"Icon", [](P& p, const V& v, const C&) { p.icon = v ? pictureFromFormText(*v) : QImage(); },
     [](const P& p, const C&) -> V { return pictureToFormText(p.icon); }},
    INT_IO("Style", style, 3, 3),
    {"Caption", [](P& p, const V& v, const C&) { p.caption = v ? *v : QStringLiteral("SkinButton"); },
     [](const P& p, const C&) { return unless(p.caption.isEmpty(), p.caption); }},
    INT_IO("IconSize", iconSize, 16, 16),
    INT_IO("CaptionAlign", captionAlign, 0, 0),
    INT_IO("IconAlign", iconAlign, 1, 0),
    INT_IO("iNonThemeStyle", nonThemeStyle, 5, 5),
    BOOL_IO("Enabled", enabled, true),
    BOOL_IO("ShowFocus", showFocus, false),
    BOOL_IO("USeCustomColors", useCustomColors, false),
    COLOR_IO("BackColor", backColor, kFace),
    COLOR_IO("HighlightColor", highlightColor, kHighlight),
    COLOR_IO("FontColor", fontColor, kText),
    COLOR_IO("FontHighlightColor", fontHighlightColor, kText),
    {"ToolTipText", [](P& p, const V& v, const C& c) { p.toolTip = v ? *v : c.containerToolTip; },
     [](const P& p, const C& c) { return unless(p.toolTip == c.containerToolTip, p.toolTip); }},
    {"Tooltiptitle", [](P& p, const V& v, const C&) { p.toolTipTitle = v ? *v : QString(); },
     [](const P& p, const C&) -> V { return p.toolTipTitle; }},
    {"ToolTipIcon", [](P& p, const V& v, const C&) { p.toolTipIcon = intOr(v, 0); },
     [](const P& p, const C&) -> V { return QString::number(p.toolTipIcon); }},
    {"ToolTipType", [](P& p, const V& v, const C&) { p.toolTipType = intOr(v, 1); },
     [](const P& p, const C&) -> V { return QString::number(p.toolTipType); }},
    COLOR_IO("ttBackColor", toolTipBackColor, kTipBack),
    COLOR_IO("ttForeColor", toolTipForeColor, kTipFore),
    {"Font",
     [](P& p, const V& v, const C& c) {
         p.font = orDefault<QFont>(v, &fontFromFormText, c.currentFont);
     },
     [](const P& p, const C&) -> V { return fontToFormText(p.font); }},
    INT_IO("ButtonType", buttonType, 0, 0),
    BOOL_IO("Value", value, false),
    BOOL_IO("IconVisible", iconVisible, true),
};

#undef COLOR_IO
#undef INT_IO
#undef BOOL_IO

}  // namespace

SkinButtonProperties readSkinButtonProperties(const FormControl& entry, const SkinButtonFormContext& context)
{
    SkinButtonProperties p;
    for (const auto& io : kProperties)
        io.read(p, entry.value(QString::fromLatin1(io.key)), context);
    return p;
}

QList<QPair<QString, QString>> writeSkinButtonProperties(const SkinButtonProperties& props,
                                                         const SkinButtonFormContext& context)
{
    QList<const PropertyIo*> order;
    for (const auto& io : kProperties)
        order.append(&io);
    // Writing keeps the reading order except that IconAlign comes before CaptionAlign.
    const auto at = [&](const char* key) {
        for (qsizetype i = 0; i < order.size(); ++i)
            if (qstrcmp(order[i]->key, key) == 0)
                return i;
        return qsizetype(-1);
    };
    order.swapItemsAt(at("CaptionAlign"), at("IconAlign"));

    QList<QPair<QString, QString>> out;
    for (const PropertyIo* io : order)
        if (const auto text = io->write(props, context))
            out.append({QString::fromLatin1(io->key), *text});
    return out;
}

QStringList skinButtonReadingOrder()
{
    QStringList keys;
    for (const auto& io : kProperties)
        keys << QString::fromLatin1(io.key);
    return keys;
}
