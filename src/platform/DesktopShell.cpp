#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopShell::open(const QString& target)
{
    if (target.isEmpty())
        return false;
    const QUrl url = target.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(target)
                                                         : QUrl(target, QUrl::TolerantMode);
    return QDesktopServices::openUrl(url);
}
