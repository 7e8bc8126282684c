#include "settings/IniText.h"

#include <QByteArrayView>

#include <algorithm>
#include <utility>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    return (c | 0x20) - 'a' + 10;
}

// One logical line of the text: [begin, end) in bytes, and where its first unquoted "=" is (-1:
// none). A line ends at a line end outside double quotes; a backslash takes the next byte (a
// line end too) into the line; ";" outside quotes starts a comment that runs to the line end.
struct Line {
    qsizetype begin = 0;
    qsizetype end = 0;
    qsizetype equals = -1;
};

// Reads the next logical line from `pos` on; false at the end of the text.
bool nextLine(QByteArrayView text, qsizetype& pos, Line& line)
{
    const qsizetype n = text.size();
    for (;;) {
        while (pos < n && isBlank(text[pos]))
            ++pos;
        if (pos >= n)
            return false;
        if (text[pos] != ';')
            break;
        while (pos < n && text[pos] != '\n' && text[pos] != '\r')
            ++pos;  // a comment line
    }
    line = Line{pos, pos, -1};
    bool quoted = false;
    qsizetype i = pos;
    while (i < n) {
        const char c = text[i];
        if (c == '\\') {
            ++i;  // the escaped byte belongs to the line, a line end too (CR LF and LF CR as one)
            if (i < n) {
                const char e = text[i++];
                if (i < n && ((e == '\n' && text[i] == '\r') || (e == '\r' && text[i] == '\n')))
                    ++i;
            }
            continue;
        }
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == '\r' || c == ';')) {
            break;
        } else if (c == '=' && !quoted && line.equals < 0) {
            line.equals = i;
        }
        ++i;
    }
    line.end = i;
    pos = line.end;
    if (pos < n && text[pos] == ';')
        while (pos < n && text[pos] != '\n' && text[pos] != '\r')
            ++pos;  // the comment after the line
    return true;
}

QByteArrayView trimmed(QByteArrayView v)
{
    while (!v.isEmpty() && isBlank(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && isBlank(v.back()))
        v.chop(1);
    return v;
}

// A group or key as written: "%XX" and "%UXXXX" stand for that character, "\" for "/".
QString unescapedKey(QByteArrayView v)
{
    QString out;
    for (qsizetype i = 0; i < v.size(); ++i) {
        const char c = v[i];
        if (c == '\\') {
            out += QLatin1Char('/');
        } else if (c == '%' && i + 5 < v.size() && v[i + 1] == 'U' && isHexDigit(v[i + 2]) && isHexDigit(v[i + 3]) &&
                   isHexDigit(v[i + 4]) && isHexDigit(v[i + 5])) {
            out += QChar(char16_t((hexValue(v[i + 2]) << 12) | (hexValue(v[i + 3]) << 8) | (hexValue(v[i + 4]) << 4) |
                                  hexValue(v[i + 5])));
            i += 5;
        } else if (c == '%' && i + 2 < v.size() && isHexDigit(v[i + 1]) && isHexDigit(v[i + 2])) {
            out += QChar(char16_t((hexValue(v[i + 1]) << 4) | hexValue(v[i + 2])));
            i += 2;
        } else {
            out += QLatin1Char(c);
        }
    }
    return out;
}

// Removes blanks (space, tab) from the end of `s`, but none of its first `keep` characters.
void chopTrailingBlanks(QString& s, qsizetype keep)
{
    while (s.size() > keep && (s.back() == QLatin1Char(' ') || s.back() == QLatin1Char('\t')))
        s.chop(1);
}

// A value as written: texts separated by unquoted commas (then it is a list), blanks around each
// text dropped unless quoted, double quotes around parts, and the C escapes (\n, \t, \", \\,
// \xHEX, octal, and a backslash before a line end to go on on the next line).
QStringList unescapedValue(QByteArrayView v)
{
    QStringList items;
    QString current;
    bool isList = false;
    bool inQuotes = false;
    bool wasQuoted = false;  // blanks at the end of a quoted text stay
    qsizetype keep = 0;      // characters of `current` that no blank-chopping may remove
    qsizetype i = 0;
    const qsizetype n = v.size();
    auto skipBlanks = [&] {
        while (i < n && (v[i] == ' ' || v[i] == '\t'))
            ++i;
        keep = current.size();
    };
    skipBlanks();
    while (i < n) {
        const char c = v[i];
        if (c == '\\') {
            if (++i >= n)
                break;
            const char e = v[i++];
            static constexpr std::pair<char, char> kSimple[] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
                                                                {'r', '\r'}, {'t', '\t'}, {'v', '\v'}, {'"', '"'},
                                                                {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
            bool simple = false;
            for (const auto& [code, ch] : kSimple)
                if (e == code) {
                    current += QLatin1Char(ch);
                    simple = true;
                    break;
                }
            if (!simple && e == 'x' && i < n && isHexDigit(v[i])) {
                char16_t code = 0;
                while (i < n && isHexDigit(v[i]))
                    code = char16_t((code << 4) | hexValue(v[i++]));
                current += QChar(code);
            } else if (!simple && e >= '0' && e <= '7') {
                char16_t code = char16_t(e - '0');
                while (i < n && v[i] >= '0' && v[i] <= '7')
                    code = char16_t((code << 3) | (v[i++] - '0'));
                current += QChar(code);
            } else if (!simple && (e == '\n' || e == '\r')) {
                if (i < n && (v[i] == '\n' || v[i] == '\r') && v[i] != e)
                    ++i;  // the line goes on after CR LF or LF CR too
            }
            // Any other escaped character is dropped.
            keep = current.size();
        } else if (c == '"') {
            ++i;
            wasQuoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipBlanks();
        } else if (c == ',' && !inQuotes) {
            if (!wasQuoted)
                chopTrailingBlanks(current, keep);
            isList = true;
            items << std::exchange(current, QString());
            wasQuoted = false;
            ++i;
            skipBlanks();
        } else {
            qsizetype j = i + 1;
            while (j < n && v[j] != '\\' && v[j] != '"' && v[j] != ',')
                ++j;
            current += QString::fromUtf8(v.sliced(i, j - i));
            i = j;
        }
    }
    if (!wasQuoted)
        chopTrailingBlanks(current, keep);
    if (isList) {
        items << current;
        // Each text of a list that begins with "@" was written with one "@" more.
        for (QString& item : items)
            if (item.startsWith(QLatin1String("@@")))
                item.remove(0, 1);
        return items;
    }
    // A single text: "@@..." is a text beginning with "@", "@Invalid()" no value at all,
    // "@String(...)" and "@ByteArray(...)" a text; other "@Type(...)" values are no texts.
    if (current.startsWith(QLatin1Char('@'))) {
        if (current.startsWith(QLatin1String("@@")))
            return {current.mid(1)};
        for (const QLatin1String wrapper : {QLatin1String("@String("), QLatin1String("@ByteArray(")})
            if (current.startsWith(wrapper) && current.endsWith(QLatin1Char(')')))
                return {current.mid(wrapper.size(), current.size() - wrapper.size() - 1)};
        return {};
    }
    return {current};
}

bool needsQuotes(QChar c) { return c == QLatin1Char(';') || c == QLatin1Char(',') || c == QLatin1Char('='); }

// `text` as QSettings writes a text value.
void appendEscaped(QString text, QByteArray& out)
{
    if (text.startsWith(QLatin1Char('@')))
        text.prepend(QLatin1Char('@'));
    const qsizetype start = out.size();
    bool quote = false;
    bool hexAfter = false;  // after a numeric escape, a hex digit is escaped too
    qsizetype plain = -1;   // start of the run of characters written as they are
    auto flush = [&](qsizetype upTo) {
        if (plain >= 0)
            out += QStringView(text).sliced(plain, upTo - plain).toUtf8();
        plain = -1;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (needsQuotes(text[i]))
            quote = true;
        const char* escape = nullptr;
        switch (c) {
        case u'\a': escape = "\\a"; break;
        case u'\b': escape = "\\b"; break;
        case u'\f': escape = "\\f"; break;
        case u'\n': escape = "\\n"; break;
        case u'\r': escape = "\\r"; break;
        case u'\t': escape = "\\t"; break;
        case u'\v': escape = "\\v"; break;
        case u'"': escape = "\\\""; break;
        case u'\\': escape = "\\\\"; break;
        default: break;
        }
        const bool hexDigit = c < 0x80 && isHexDigit(char(c));
        if (escape) {
            flush(i);
            out += escape;
            hexAfter = false;
        } else if (c == 0) {
            flush(i);
            out += "\\0";
            hexAfter = true;
        } else if (c < 0x20 || (hexAfter && hexDigit)) {
            flush(i);
            out += "\\x" + QByteArray::number(c, 16);
            hexAfter = true;
        } else {
            if (plain < 0)
                plain = i;
            hexAfter = false;
        }
    }
    flush(text.size());
    if (quote || (out.size() > start && (out[start] == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

// A group or key as QSettings writes it: letters, digits, "-", "_" and "." as they are, "/" as
// "\\", any other character as "%XX" or "%UXXXX".
QByteArray escapedKey(const QString& key)
{
    QByteArray out;
    for (const QChar ch : key) {
        const char16_t c = ch.unicode();
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-' ||
            c == u'_' || c == u'.')
            out += char(c);
        else if (c == u'/')
            out += '\\';
        else if (c < 0x100)
            out += '%' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        else
            out += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
    }
    return out;
}

}  // namespace

IniValues parseIniText(const QByteArray& text)
{
    IniValues values;
    QString group;
    qsizetype pos = 0;
    Line line;
    while (nextLine(text, pos, line)) {
        const QByteArrayView whole = QByteArrayView(text).sliced(line.begin, line.end - line.begin);
        if (whole.front() == '[') {
            const qsizetype close = whole.indexOf(']');
            const QString name = unescapedKey(trimmed(whole.sliced(1, (close < 0 ? whole.size() : close) - 1)));
            group = name.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0 ? QString() : name;
            continue;
        }
        if (line.equals < 0)
            continue;
        const QString key = unescapedKey(trimmed(whole.first(line.equals - line.begin)));
        if (key.isEmpty())
            continue;
        values.insert(group.isEmpty() ? key : group + QLatin1Char('/') + key,
                      unescapedValue(whole.sliced(line.equals - line.begin + 1)));
    }
    return values;
}

QByteArray iniText(const IniValues& values)
{
    // "group/key": the group is the text before the first "/"; a key without one stands in
    // "[General]", which comes first.
    auto groupOf = [](const QString& key) {
        const qsizetype slash = key.indexOf(QLatin1Char('/'));
        return slash < 0 ? QString() : key.left(slash);
    };
    QList<QString> keys = values.keys();
    std::stable_sort(keys.begin(), keys.end(),
                     [&](const QString& a, const QString& b) { return groupOf(a).isEmpty() && !groupOf(b).isEmpty(); });
    QByteArray out;
    QString group;
    bool first = true;
    for (const QString& key : keys) {
        const QString g = groupOf(key);
        if (first || g != group) {
            if (!first)
                out += '\n';
            out += '[' + (g.isEmpty() ? QByteArray("General") : escapedKey(g)) + "]\n";
            group = g;
            first = false;
        }
        out += escapedKey(key.mid(g.isEmpty() ? 0 : g.size() + 1)) + '=';
        const QStringList& v = values[key];
        if (v.isEmpty())
            out += "@Invalid()";
        for (qsizetype i = 0; i < v.size(); ++i) {
            if (i > 0)
                out += ", ";
            appendEscaped(v[i], out);
        }
        out += '\n';
    }
    return out;
}
