#include "platform/NumberText.h"

#include <QByteArray>

#include <algorithm>
#include <cmath>

double roundHalfEven(double v)
{
    if (!std::isfinite(v))
        return 0;
    return std::nearbyint(v);  // the default rounding mode is to nearest, ties to even
}

double leadingNumber(const QString& text)
{
    const QByteArray s = text.toLatin1();
    int i = 0;
    const int n = s.size();
    while (i < n && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    const int start = i;
    if (i < n && (s[i] == '+' || s[i] == '-'))
        ++i;
    int digits = 0;
    while (i < n && s[i] >= '0' && s[i] <= '9') {
        ++i;
        ++digits;
    }
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && s[i] >= '0' && s[i] <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    int end = i;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        int j = i + 1;
        if (j < n && (s[j] == '+' || s[j] == '-'))
            ++j;
        int expDigits = 0;
        while (j < n && s[j] >= '0' && s[j] <= '9') {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0)
            end = j;
    }
    bool ok = false;
    const double v = QByteArray(s.constData() + start, end - start).toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0;
}

QString plainDecimal(double value)
{
    if (!std::isfinite(value) || value == 0)
        return QStringLiteral("0");
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::clamp(14 - magnitude, 0, 340);
    QString s = QString::number(value, 'f', decimals);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    return s;
}

QString millisFraction(std::uint64_t ms)
{
    std::uint64_t fraction = ms % 1000;
    if (fraction == 0)
        return QString();
    int digits = 3;
    while (fraction % 10 == 0) {
        fraction /= 10;
        --digits;
    }
    return QLatin1Char('.') + QString::number(fraction).rightJustified(digits, QLatin1Char('0'));
}
