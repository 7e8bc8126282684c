#include "settings/EffectsSettings.h"

#include "settings/SettingsFile.h"

#include <QCoreApplication>
#include <QFileInfo>

QList<int> fadeChoicesMs() { return {0, 500, 1000, 2000, 3000}; }

QList<int> loudnessChoicesLufs() { return {0, -16, -14, -23}; }

QString effectsIniBeside(const QString& setupIniPath)
{
    return QFileInfo(setupIniPath).path() + QStringLiteral("/effects.ini");
}

EffectsSettings parseEffectsIni(const QByteArray& contents)
{
    QList<QByteArray> lines = contents.split('\n');
    const auto record = [&](int i, const QList<int>& offered) {
        if (i >= lines.size())
            return 0;
        bool ok = false;
        const int v = lines[i].trimmed().toInt(&ok);
        return ok && offered.contains(v) ? v : 0;
    };
    EffectsSettings s;
    s.fadeInMs = record(0, fadeChoicesMs());
    s.fadeOutMs = record(1, fadeChoicesMs());
    s.loudnessLufs = record(2, loudnessChoicesLufs());
    s.snapToBeats = record(3, {0, 1}) == 1;
    return s;
}

EffectsSettings loadEffectsIni(const QString& path) { return parseEffectsIni(readSettingsFile(path)); }

bool storeEffectsIni(const QString& path, const EffectsSettings& values)
{
    // Snapping's record only when it is on: with it off the file reads as it always did.
    return writeSettingsFile(path, QByteArray::number(values.fadeInMs) + "\r\n" + QByteArray::number(values.fadeOutMs) +
                                       "\r\n" + QByteArray::number(values.loudnessLufs) + "\r\n" +
                                       (values.snapToBeats ? QByteArray("1\r\n") : QByteArray()));
}

namespace {
QString seconds(int ms)
{
    return QCoreApplication::translate("EffectsSettings", "%1 s").arg(QString::number(ms / 1000.0));
}
}  // namespace

QString effectsSummary(const EffectsSettings& effects)
{
    QStringList parts;
    if (effects.fadeInMs > 0 && effects.fadeInMs == effects.fadeOutMs) {
        parts << QCoreApplication::translate("EffectsSettings", "Fade %1").arg(seconds(effects.fadeInMs));
    } else {
        if (effects.fadeInMs > 0)
            parts << QCoreApplication::translate("EffectsSettings", "Fade in %1").arg(seconds(effects.fadeInMs));
        if (effects.fadeOutMs > 0)
            parts << QCoreApplication::translate("EffectsSettings", "Fade out %1").arg(seconds(effects.fadeOutMs));
    }
    if (effects.loudnessLufs != 0)
        parts << QCoreApplication::translate("EffectsSettings", "\u2212%1 LUFS").arg(-effects.loudnessLufs);
    return parts.join(QStringLiteral(" \u00b7 "));
}
