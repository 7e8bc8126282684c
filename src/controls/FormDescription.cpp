#include "controls/FormDescription.h"

#include <QStringList>

bool FormControl::has(const QString& key) const { return value(key).has_value(); }

std::optional<QString> FormControl::value(const QString& key) const
{
    std::optional<QString> found;
    for (const auto& kv : values)
        if (kv.first.compare(key, Qt::CaseInsensitive) == 0)
            found = kv.second;
    return found;
}

void FormControl::set(const QString& key, const QString& v)
{
    for (auto& kv : values)
        if (kv.first.compare(key, Qt::CaseInsensitive) == 0) {
            kv.second = v;
            return;
        }
    values.append({key, v});
}

const FormControl* FormDescription::find(const QString& name) const
{
    for (const auto& c : controls)
        if (c.name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

namespace {

bool fail(QString* error, int line, const QString& what)
{
    if (error)
        *error = QStringLiteral("line %1: %2").arg(line).arg(what);
    return false;
}

// Reads a quoted text starting at the opening quote; false when it is not closed.
bool unquote(const QString& s, QString& out)
{
    out.clear();
    for (qsizetype i = 1; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == QLatin1Char('"'))
            return s.mid(i + 1).trimmed().isEmpty();
        if (c == QLatin1Char('\\') && i + 1 < s.size()) {
            const QChar n = s[++i];
            out += n == QLatin1Char('n') ? QChar(QLatin1Char('\n'))
                : n == QLatin1Char('t')  ? QChar(QLatin1Char('\t'))
                                         : n;
        } else {
            out += c;
        }
    }
    return false;
}

bool parseLines(const QStringList& lines, FormDescription& form, QString* error)
{
    FormControl* open = nullptr;
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString first = line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        if (first.compare(QLatin1String("Begin"), Qt::CaseInsensitive) == 0) {
            if (open)
                return fail(error, lineNo, QStringLiteral("Begin inside a control"));
            const QStringList parts = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (parts.size() != 3)
                return fail(error, lineNo, QStringLiteral("expected 'Begin <kind> <name>'"));
            form.controls.append(FormControl{parts[1], parts[2], {}});
            open = &form.controls.last();
            continue;
        }
        if (line.compare(QLatin1String("End"), Qt::CaseInsensitive) == 0) {
            if (!open)
                return fail(error, lineNo, QStringLiteral("End without Begin"));
            open = nullptr;
            continue;
        }
        if (!open)
            return fail(error, lineNo, QStringLiteral("value outside a control"));
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return fail(error, lineNo, QStringLiteral("expected 'key = value'"));
        const QString key = line.left(eq).trimmed();
        QString value = line.mid(eq + 1).trimmed();
        if (key.isEmpty() || key.contains(QLatin1Char(' ')))
            return fail(error, lineNo, QStringLiteral("bad key"));
        if (value.startsWith(QLatin1Char('"'))) {
            QString text;
            if (!unquote(value, text))
                return fail(error, lineNo, QStringLiteral("unterminated text"));
            value = text;
        }
        open->values.append({key, value});
    }
    if (open)
        return fail(error, static_cast<int>(lines.size()), QStringLiteral("missing End"));
    return true;
}

}  // namespace

std::optional<FormDescription> parseFormDescription(const QByteArray& text, QString* error)
{
    FormDescription form;
    QString all = QString::fromUtf8(text);
    all.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (!parseLines(all.split(QLatin1Char('\n')), form, error))
        return std::nullopt;
    return form;
}

QString quoteFormText(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + QString(c);
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

QByteArray writeFormDescription(const FormDescription& form)
{
    QString out;
    for (const auto& c : form.controls) {
        out += QStringLiteral("Begin %1 %2\n").arg(c.kind, c.name);
        for (const auto& kv : c.values) {
            const QString& v = kv.second;
            // Bare values must read back the same: no surrounding blanks, no leading quote.
            const bool bare = !v.isEmpty() && v == v.trimmed() && !v.startsWith(QLatin1Char('"'))
                && !v.contains(QLatin1Char('\n'));
            out += QStringLiteral("    %1 = %2\n").arg(kv.first, bare ? v : quoteFormText(v));
        }
        out += QStringLiteral("End\n");
    }
    return out.toUtf8();
}
