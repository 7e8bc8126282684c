#include "editor/FileHistory.h"

#include "settings/IniText.h"
#include "settings/SettingsFile.h"

#include <QFileInfo>
#include <QCoreApplication>

#include <utility>

namespace {
const QString kRecentKey = QStringLiteral("recent/files");
const QString kOpenFolderKey = QStringLiteral("folders/open");
const QString kSaveFolderKey = QStringLiteral("folders/save");

bool isFolder(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }
QString folderOf(const QString& file) { return QFileInfo(file).absolutePath(); }
// A value that holds one text: that text, else the empty text.
QString textOf(const QStringList& value) { return value.size() == 1 ? value.first() : QString(); }
}  // namespace

FileHistory::FileHistory(QString storeFile, QString firstOpenFolder)
    : storeFile_(std::move(storeFile)), firstOpenFolder_(std::move(firstOpenFolder))
{
    load();
}

// The store is read as bytes first (a regular file of at most 1 MiB, never waited on), so a
// FIFO, a device or a huge file there reads as an empty history instead of holding the program.
void FileHistory::load()
{
    if (storeFile_.isEmpty())
        return;
    stored_ = parseIniText(readSettingsFile(storeFile_));
    // The first kMaxRecent different names; the rest of a long list is never looked at.
    QStringList recent;
    for (const QString& f : stored_.value(kRecentKey)) {
        if (f.isEmpty() || recent.contains(f))
            continue;
        recent << f;
        if (recent.size() == kMaxRecent)
            break;
    }
    recent_ = recent;
    openFolder_ = textOf(stored_.value(kOpenFolderKey));
    saveFolder_ = textOf(stored_.value(kSaveFolderKey));
}

void FileHistory::store()
{
    // Remembering is a convenience: a store that cannot be written is left as it is. Keys this
    // class does not know are kept.
    if (storeFile_.isEmpty())
        return;
    if (recent_.isEmpty())
        stored_.remove(kRecentKey);
    else
        stored_[kRecentKey] = recent_;
    stored_[kOpenFolderKey] = QStringList{openFolder_};
    stored_[kSaveFolderKey] = QStringList{saveFolder_};
    writeSettingsFile(storeFile_, iniText(stored_));
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
    return base + QCoreApplication::translate("FileHistory", " (ring tone).mp3");
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
