#pragma once
#include "settings/IniText.h"

#include <QString>
#include <QStringList>

// What the program remembers of the user's files: the recent files (newest first, at most
// kMaxRecent), the folder of the last opened file and the folder of the last save; and, for
// this run only, the file that is open now. Kept in an INI file (Qt's settings format) that is
// read again before every change, so that two running programs add to one list; a store that is
// no regular file or larger than 1 MiB reads as an empty history and is replaced by the next
// change. Owns nothing but its values.
class FileHistory {
public:
    static constexpr int kMaxRecent = 8;

    // `storeFile`: where the history is kept (missing folders are made, private to the user);
    // empty: nothing is read or written and the history lasts for the run. `firstOpenFolder`:
    // where the open dialog starts while no opened file's folder is known.
    FileHistory(QString storeFile, QString firstOpenFolder);

    // The recent files, newest first, as last read from the store.
    QStringList recentFiles();
    // `file` was opened: it becomes the newest recent file (once), its folder the open dialog's
    // folder, and it is the current file.
    void noteOpened(const QString& file);
    // The current file was closed.
    void noteClosed();
    // A save to `file` succeeded: its folder becomes the save dialog's folder.
    void noteSaved(const QString& file);
    // Drops `file` from the recent files (it was found missing).
    void forget(const QString& file);

    // The file open now; empty when none is.
    QString currentFile() const { return current_; }
    // Where the open dialog starts: the folder of the last opened file while it exists, else
    // the first open folder.
    QString openDialogFolder();
    // Where the save dialog starts: the folder of the last save while it exists, else the
    // current file's folder while it exists, else the open dialog's folder.
    QString saveDialogFolder();
    // The name the save dialog offers for the current file (see ringToneName); empty when no
    // file is open.
    QString suggestedSaveName() const;

private:
    void load();
    void store();

    QString storeFile_;
    QString firstOpenFolder_;
    QString current_;
    QStringList recent_;
    QString openFolder_;
    QString saveFolder_;
    IniValues stored_;  // everything the store held when last read
};

// `list` with `file` moved (or added) to the front and cut to `max` entries.
QStringList withRecentFile(QStringList list, const QString& file, int max);

// The ring tone's name for a source file: its name without the last extension, then
// " (ring tone).mp3" ("/music/Song.mp3" gives "Song (ring tone).mp3"). Empty for an empty path.
QString ringToneName(const QString& sourceFile);

// The caption of recent entry `index` (0 for the newest) in the File menu: "&1 " and the path,
// with "&" doubled so that it shows, and the middle of a path longer than `maxChars` replaced by
// "...".
QString recentMenuCaption(int index, const QString& file, int maxChars = 70);
