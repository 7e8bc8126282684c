#include "platform/XdgDirs.h"

#include "platform/SmallFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStringList>

#include <sys/stat.h>

namespace {
QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

QString baseDir(const EnvLookup& env, const char* name, const QString& fallback)
{
    const QString v = env(name);
    if (v.isEmpty() || !v.startsWith(QLatin1Char('/')))
        return fallback;
    return withoutTrailingSlash(v);
}
}  // namespace

EnvLookup processEnvironment()
{
    return [](const char* name) { return qEnvironmentVariable(name); };
}

XdgDirs xdgDirs(const EnvLookup& env, const QString& fallbackHome)
{
    XdgDirs d;
    const QString home = env("HOME");
    d.home = withoutTrailingSlash(home.startsWith(QLatin1Char('/')) ? home : fallbackHome);
    d.configHome = baseDir(env, "XDG_CONFIG_HOME", d.home + QStringLiteral("/.config"));
    d.stateHome = baseDir(env, "XDG_STATE_HOME", d.home + QStringLiteral("/.local/state"));
    d.cacheHome = baseDir(env, "XDG_CACHE_HOME", d.home + QStringLiteral("/.cache"));
    return d;
}

QString userDirFromFile(const QByteArray& contents, const QString& key, const QString& home)
{
    const QByteArray prefix = key.toUtf8() + '=';
    QString value;
    bool found = false;
    for (const QByteArray& raw : contents.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (!line.startsWith(prefix))
            continue;
        QByteArray v = line.mid(prefix.size()).trimmed();
        if (v.size() < 2 || !v.startsWith('"') || !v.endsWith('"'))
            continue;
        value = QString::fromUtf8(v.mid(1, v.size() - 2));
        found = true;  // the last assignment counts, as when the shell reads the file
    }
    if (!found)
        return {};
    if (value == QLatin1String("$HOME") || value == QLatin1String("$HOME/"))
        return {};
    if (value.startsWith(QLatin1String("$HOME/")))
        value = home + value.mid(5);
    else if (!value.startsWith(QLatin1Char('/')))
        return {};
    value = withoutTrailingSlash(QDir::cleanPath(value));
    return value == withoutTrailingSlash(home) ? QString() : value;
}

QString musicFolder(const XdgDirs& dirs)
{
    QString music;
    if (const auto contents = readSmallFile(dirs.configHome + QStringLiteral("/user-dirs.dirs")))
        music = userDirFromFile(*contents, QStringLiteral("XDG_MUSIC_DIR"), dirs.home);
    if (music.isEmpty())
        music = dirs.home + QStringLiteral("/Music");
    return QFileInfo(music).isDir() ? music : QString();
}

QString musicOrHome(const XdgDirs& dirs)
{
    const QString music = musicFolder(dirs);
    return music.isEmpty() ? dirs.home : music;
}

bool makePrivateParentFolders(const QString& file)
{
    QStringList missing;
    for (QString dir = QFileInfo(file).absolutePath(); !QFileInfo::exists(dir); dir = QFileInfo(dir).absolutePath()) {
        missing.prepend(dir);
        if (dir == QLatin1String("/"))
            break;
    }
    for (const QString& dir : missing)
        if (::mkdir(QFile::encodeName(dir).constData(), 0700) != 0 && !QFileInfo(dir).isDir())
            return false;
    return true;
}
