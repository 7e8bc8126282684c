#include "editor/OpenRequests.h"

#include <QCoreApplication>
#include <QFileInfo>

std::optional<QString> droppedFile(const QList<QUrl>& urls)
{
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && !QFileInfo(path).isDir())
            return path;
    }
    return std::nullopt;
}

QString fileNotFoundText(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isDir())
        return {};
    return path + QCoreApplication::translate("OpenRequests", "\nFile not found.\nCheck the file name and try again.");
}
