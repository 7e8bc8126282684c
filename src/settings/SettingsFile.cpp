#include "settings/SettingsFile.h"

#include "platform/SmallFile.h"
#include "platform/XdgDirs.h"

#include <QSaveFile>

QByteArray readSettingsFile(const QString& path) { return readSmallFile(path).value_or(QByteArray()); }

bool writeSettingsFile(const QString& path, const QByteArray& contents)
{
    if (!makePrivateParentFolders(path))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        return false;
    return file.commit();
}
