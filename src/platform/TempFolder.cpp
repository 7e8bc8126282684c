#include "platform/TempFolder.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool safeChars(const QString& s)
{
    for (QChar c : s)
        if (c.isSpace() || c == QLatin1Char('"') || c == QLatin1Char('\''))
            return false;
    return true;
}
}  // namespace

QString defaultTempFolder(const XdgDirs& dirs)
{
    const QString fallback = QStringLiteral("/tmp/tunesnip-") + QString::number(::getuid());
    if (!dirs.cacheHome.startsWith(QLatin1Char('/')))
        return fallback;
    const QString cache = dirs.cacheHome + QStringLiteral("/tunesnip");
    // The transcoder's command lines name the decoded WAV as it always was named, without
    // quotes, so a blank or quote in its path would split or break them: such a cache folder
    // (a home folder with a blank, say) is not used.
    if (!safeChars(cache))
        return fallback;
    // makePrivateParentFolders makes the folders above the file it is given: those above
    // `cache`, here; ensurePrivateFolder then makes `cache` itself and checks it.
    if (!makePrivateParentFolders(cache) || !ensurePrivateFolder(cache))
        return fallback;
    return cache;
}

bool ensurePrivateFolder(const QString& dir, QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const QByteArray path = QFile::encodeName(dir);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return fail(QCoreApplication::translate("TempFolder", "cannot create %1: %2").arg(dir, QString::fromLocal8Bit(std::strerror(errno))));

    struct stat st {};
    if (::lstat(path.constData(), &st) != 0)
        return fail(QCoreApplication::translate("TempFolder", "cannot inspect %1").arg(dir));
    if (S_ISLNK(st.st_mode) || !S_ISDIR(st.st_mode))
        return fail(QCoreApplication::translate("TempFolder", "%1 is not a folder").arg(dir));
    if (st.st_uid != ::getuid())
        return fail(QCoreApplication::translate("TempFolder", "%1 belongs to another user").arg(dir));
    if ((st.st_mode & 077) != 0 && ::chmod(path.constData(), 0700) != 0)
        return fail(QCoreApplication::translate("TempFolder", "cannot make %1 private").arg(dir));
    return true;
}
