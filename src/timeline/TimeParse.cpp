#include "timeline/TimeParse.h"

#include <QStringList>

namespace {

constexpr Millis kLongest = Millis(2147483647) * kMsPerSecond;

bool allDigits(const QString& s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// A whole number of up to `maxDigits` digits (0: any number up to 12).
std::optional<Millis> number(const QString& s, qsizetype maxDigits)
{
    if (!allDigits(s) || s.size() > (maxDigits > 0 ? maxDigits : 12))
        return std::nullopt;
    return s.toLongLong();
}

}  // namespace

std::optional<Millis> parseTime(const QString& text)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    Millis fraction = 0;
    if (const qsizetype dot = t.indexOf(QLatin1Char('.')); dot >= 0) {
        const QString digits = t.mid(dot + 1);
        if (!allDigits(digits) || digits.size() > 3)
            return std::nullopt;
        fraction = digits.leftJustified(3, QLatin1Char('0')).toLongLong();
        t.truncate(dot);
    }
    const QStringList parts = t.split(QLatin1Char(':'));
    if (parts.size() > 3)
        return std::nullopt;
    Millis seconds = 0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool leading = i == 0;
        const std::optional<Millis> v = number(parts[i], leading ? 0 : 2);
        if (!v || (!leading && *v >= 60))
            return std::nullopt;
        seconds = seconds * 60 + *v;
    }
    const Millis ms = seconds * kMsPerSecond + fraction;
    if (ms > kLongest)
        return std::nullopt;
    return ms;
}
