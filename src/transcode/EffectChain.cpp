#include "transcode/EffectChain.h"

#include <QStringList>

#include <algorithm>

namespace {
QString seconds(double s) { return QString::number(s, 'g', 10); }
}

QString effectChain(const EffectsSettings& effects, double lengthSeconds)
{
    QStringList steps;
    const double room = std::max(lengthSeconds, 0.0) / 2;
    if (effects.fadeInMs > 0) {
        const double d = std::min(effects.fadeInMs / 1000.0, room);
        steps << QStringLiteral("afade=t=in:st=0:d=%1:curve=hsin").arg(seconds(d));
    }
    if (effects.fadeOutMs > 0) {
        const double d = std::min(effects.fadeOutMs / 1000.0, room);
        steps << QStringLiteral("afade=t=out:st=%1:d=%2:curve=hsin").arg(seconds(lengthSeconds - d), seconds(d));
    }
    if (effects.loudnessLufs != 0)
        steps << QStringLiteral("loudnorm=I=%1:TP=%2").arg(effects.loudnessLufs).arg(kTruePeakCeiling);
    return steps.join(QLatin1Char(','));
}

QString effectOptions(const EffectsSettings& effects, double lengthSeconds)
{
    const QString chain = effectChain(effects, lengthSeconds);
    return chain.isEmpty() ? QString() : QStringLiteral("-af ") + chain + QLatin1Char(' ');
}
