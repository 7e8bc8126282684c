#include "platform/StaleWavs.h"

#include "platform/TempFolder.h"
#include "platform/ProcessTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

int removeStaleWavs(const QString& tempDir)
{
    if (!ensurePrivateFolder(tempDir))
        return 0;  // not ours to clean
    static const QRegularExpression instanceWav(QStringLiteral("^(?:open|preview)-([0-9]{1,10})\\.wav$"));
    const QString self = ownProcessName();
    const qint64 ownPid = QCoreApplication::applicationPid();
    int removed = 0;
    const QDir dir(tempDir);
    for (const QString& name : dir.entryList({QStringLiteral("open-*.wav"), QStringLiteral("preview-*.wav")},
                                                      QDir::Files | QDir::System)) {
        const QRegularExpressionMatch m = instanceWav.match(name);
        if (!m.hasMatch())
            continue;
        const qint64 pid = m.captured(1).toLongLong();
        if (pid == ownPid || isOwnProcessNamed(pid, self))
            continue;
        if (QFile::remove(dir.filePath(name)))
            ++removed;
    }
    return removed;
}
