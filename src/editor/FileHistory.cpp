#include "editor/FileHistory.h"

#include "platform/XdgDirs.h"

#include <QFileInfo>
#include <QSettings>

#include <utility>

namespace {
const QString kRecentKey = QStringLiteral("recent/files");
const QString kOpenFolderKey = QStringLiteral("folders/open");
const QString kSaveFolderKey = QStringLiteral("folders/save");

bool isFolder(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }
QString folderOf(const QString& file) { return QFileInfo(file).absolutePath(); }
}  // namespace

FileHistory::FileHistory(QString storeFile, QString firstOpenFolder)
    : storeFile_(std::move(storeFile)), firstOpenFolder_(std::move(firstOpenFolder))
{
    load();
}

void FileHistory::load()
{
    if (storeFile_.isEmpty())
        return;
    const QSettings s(storeFile_, QSettings::IniFormat);
    QStringList recent;
    for (const QString& f : s.value(kRecentKey).toStringList())
        if (!f.isEmpty() && !recent.contains(f))
            recent << f;
    recent_ = recent.mid(0, kMaxRecent);
    openFolder_ = s.value(kOpenFolderKey).toString();
    saveFolder_ = s.value(kSaveFolderKey).toString();
}

void FileHistory::store() const
{
    // Remembering is a convenience: a store that cannot be written is left as it is.
    if (storeFile_.isEmpty() || !makePrivateParentFolders(storeFile_))
        return;
    QSettings s(storeFile_, QSettings::IniFormat);
    if (recent_.isEmpty())
        s.remove(kRecentKey);
    else
        s.setValue(kRecentKey, recent_);
    s.setValue(kOpenFolderKey, openFolder_);
    s.setValue(kSaveFolderKey, saveFolder_);
    s.sync();
}

QStringList FileHistory::recentFiles()
{
    load();
    return recent_;
}

void FileHistory::noteOpened(const QString& file)
{
    const QString path = QFileInfo(file).absoluteFilePath();
    load();
    recent_ = withRecentFile(recent_, path, kMaxRecent);
    openFolder_ = folderOf(path);
    current_ = path;
    store();
}

void FileHistory::noteClosed() { current_.clear(); }

void FileHistory::noteSaved(const QString& file)
{
    load();
    saveFolder_ = folderOf(QFileInfo(file).absoluteFilePath());
    store();
}

void FileHistory::forget(const QString& file)
{
    load();
    if (recent_.removeAll(file) > 0)
        store();
}

QString FileHistory::openDialogFolder()
{
    load();
    return isFolder(openFolder_) ? openFolder_ : firstOpenFolder_;
}

QString FileHistory::saveDialogFolder()
{
    load();
    if (isFolder(saveFolder_))
        return saveFolder_;
    if (!current_.isEmpty() && isFolder(folderOf(current_)))
        return folderOf(current_);
    return openDialogFolder();
}

QString FileHistory::suggestedSaveName() const { return ringToneName(current_); }

QStringList withRecentFile(QStringList list, const QString& file, int max)
{
    list.removeAll(file);
    list.prepend(file);
    return list.mid(0, max);
}

QString ringToneName(const QString& sourceFile)
{
    const QFileInfo info(sourceFile);
    QString base = info.fileName();
    if (base.isEmpty())
        return {};
    // Only the last extension goes ("a.b.mp3" keeps "a.b"); a leading dot is part of the name.
    const qsizetype dot = base.lastIndexOf(QLatin1Char('.'));
    if (dot > 0)
        base.truncate(dot);
    return base + QStringLiteral(" (ring tone).mp3");
}

QString recentMenuCaption(int index, const QString& file, int maxChars)
{
    QString shown = file;
    if (maxChars > 3 && shown.size() > maxChars) {
        const qsizetype keep = maxChars - 3;
        const qsizetype head = keep / 3;
        shown = shown.left(head) + QStringLiteral("...") + shown.right(keep - head);
    }
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 ").arg(index + 1) + shown;
}
