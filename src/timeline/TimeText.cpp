#include "timeline/TimeText.h"


#include <algorithm>
#include <cmath>
#include <limits>

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

QString formatTime(std::int32_t seconds)
{
    const std::int64_t s = seconds < 0 ? 0 : seconds;
    const std::int64_t h = s / 3600;
    const std::int64_t m = (s % 3600) / 60;
    const std::int64_t sec = (s % 3600) % 60;
    auto part = [](std::int64_t v) { return QString::number(v).rightJustified(2, QLatin1Char('0')); };
    return part(h) + QLatin1Char(':') + part(m) + QLatin1Char(':') + part(sec);
}

std::int32_t secondsAt(double fullSeconds, double leftPx)
{
    return wholeSeconds(fullSeconds * leftPx / kTrackWidth);
}

std::int32_t wholeSeconds(double seconds)
{
    const double v = roundHalfEven(seconds);
    if (v >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (v <= std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}
