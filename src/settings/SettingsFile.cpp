#include "settings/SettingsFile.h"

#include "platform/XdgDirs.h"

#include <QFile>
#include <QSaveFile>

QByteArray readSettingsFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
}

bool writeSettingsFile(const QString& path, const QByteArray& contents)
{
    if (!makePrivateParentFolders(path))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        return false;
    return file.commit();
}
