#include "transcode/RunFailure.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <cstring>

namespace {
const QLatin1String kPrefix("coder: ");
}

QString lastErrorLine(const QString& outputs)
{
    // Progress lines end in CR, other lines in LF; both end a line here.
    const QStringList lines = outputs.split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts);
    for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
        if (it->startsWith(kPrefix))
            return it->mid(kPrefix.size()).trimmed();
    }
    return {};
}

bool saysNoSound(const QString& outputs)
{
    const QString line = lastErrorLine(outputs);
    for (const char* words : {"not a media file", "no audio", "cannot decode its audio", "no decoder for its audio"}) {
        if (line.contains(QLatin1String(words)))
            return true;
    }
    return false;
}

QString runFailureDetail(const RunExit& exit, const QString& outputs)
{
    const QString line = lastErrorLine(outputs);
    if (!line.isEmpty())
        return line;
    if (exit.exited && exit.signal != 0)
        return QCoreApplication::translate("RunFailure", "The transcoder was stopped by signal %1 (%2).")
            .arg(exit.signal)
            .arg(QString::fromLocal8Bit(::strsignal(exit.signal)));
    if (exit.exited && exit.exitCode != 0)
        return QCoreApplication::translate("RunFailure", "The transcoder ended with exit code %1.").arg(exit.exitCode);
    return QCoreApplication::translate("RunFailure", "The transcoder wrote no file.");
}
