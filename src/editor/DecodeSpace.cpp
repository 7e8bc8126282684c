#include "editor/DecodeSpace.h"

#include <QCoreApplication>
#include <cmath>

qint64 decodedWavBytes(double seconds, const PcmOutput& format)
{
    const double frames = (std::max(seconds, 0.0) + 1.0) * format.sampleRate;
    return static_cast<qint64>(std::ceil(frames)) * format.channels * 2 + 64 * 1024;
}

QString byteSizeText(qint64 bytes)
{
    const char* const units[] = {"bytes", "kB", "MB", "GB", "TB"};
    double value = double(std::max<qint64>(bytes, 0));
    int unit = 0;
    while (value >= 1000 && unit < 4) {
        value /= 1000;
        ++unit;
    }
    if (unit == 0)
        return QCoreApplication::translate("DecodeSpace", "%1 bytes").arg(bytes);
    const QString number = value < 10 ? QString::number(value, 'f', 1) : QString::number(std::lround(value));
    return number + QLatin1Char(' ') + QLatin1String(units[unit]);
}

std::optional<QString> spaceShortage(const QString& file, const QString& folder, qint64 needed, qint64 free)
{
    if (free >= needed)
        return std::nullopt;
    return QCoreApplication::translate("DecodeSpace", "Cannot open \"%1\": its decoded sound needs %2 of free space in %3, but only %4 are free. "
                          "Make room there and open it again.")
        .arg(file, byteSizeText(needed), folder, byteSizeText(free));
}
