#include "settings/SettingsLocation.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

bool folderWritable(const QString& dir)
{
    if (!QFileInfo(dir).isDir())
        return false;
    // access() also answers for root, which may write anywhere but on a read-only mount.
    return ::access(QFile::encodeName(dir).constData(), W_OK | X_OK) == 0;
}

QString setupIniLocation(ProgramLayout layout, const QString& appDir, const QString& configHome,
                         const std::function<bool(const QString&)>& writable)
{
    const QString inConfig = configHome + QStringLiteral("/tunesnip/setup.ini");
    if (QFileInfo::exists(inConfig))
        return inConfig;
    // An installed program's folder is shared by every user (and writable for root): never there.
    if (layout == ProgramLayout::Build && writable(appDir))
        return appDir + QStringLiteral("/setup.ini");
    return inConfig;
}
