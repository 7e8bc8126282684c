#include "editor/DecodeSpace.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

qint64 decodedWavBytes(double seconds, const PcmOutput& format)
{
    const double frames = (std::max(seconds, 0.0) + 1.0) * format.sampleRate;
    return static_cast<qint64>(std::ceil(frames)) * format.channels * 2 + 64 * 1024;
}

QString byteSizeText(qint64 bytes)
{
    // The units are looked up by their English texts so that each language writes its own.
    static const char* const units[] = {QT_TRANSLATE_NOOP("DecodeSpace", "%1 kB"), QT_TRANSLATE_NOOP("DecodeSpace", "%1 MB"),
                                        QT_TRANSLATE_NOOP("DecodeSpace", "%1 GB"), QT_TRANSLATE_NOOP("DecodeSpace", "%1 TB")};
    bytes = std::max<qint64>(bytes, 0);
    if (bytes < 1000)
        return QCoreApplication::translate("DecodeSpace", "%1 bytes").arg(bytes);
    // The unit is chosen for the number as it is shown: 999,999 bytes read "1.0 MB", not "1000 kB".
    double value = double(bytes) / 1000;
    int unit = 0;
    while (unit < 3 && std::round(value) >= 1000) {
        value /= 1000;
        ++unit;
    }
    const QLocale locale;
    const bool decimal = std::round(value * 10) < 100;
    const QString number = decimal ? locale.toString(value, 'f', 1) : locale.toString(qlonglong(std::llround(value)));
    return QCoreApplication::translate("DecodeSpace", units[unit]).arg(number);
}

std::optional<QString> spaceShortage(const QString& file, const QString& folder, qint64 needed, qint64 free)
{
    if (free >= needed)
        return std::nullopt;
    return QCoreApplication::translate("DecodeSpace", "Cannot open \"%1\": its decoded sound needs %2 of free space in %3, but only %4 are free. "
                          "Make room there and open it again.")
        .arg(file, byteSizeText(needed), folder, byteSizeText(free));
}
