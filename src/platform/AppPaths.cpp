#include "platform/AppPaths.h"

AppPaths AppPaths::make(const QString& appDir, const QString& tempDir, qint64 pid)
{
    AppPaths p;
    p.appDir = appDir;
    p.tempDir = tempDir;
    // One WAV per running instance, so that two instances never play or overwrite each other's.
    p.tempWav = tempDir + QStringLiteral("/open-") + QString::number(pid) + QStringLiteral(".wav");
    return p;
}
