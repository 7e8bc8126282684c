#pragma once
#include <QByteArray>
#include <QString>

#include <functional>

// The user's folders after the XDG base directory and user directory conventions.

// Reads one environment variable; an unset variable reads as empty.
using EnvLookup = std::function<QString(const char* name)>;

// The process's environment.
EnvLookup processEnvironment();

struct XdgDirs {
    QString home;        // the home folder
    QString configHome;  // $XDG_CONFIG_HOME, else <home>/.config
    QString stateHome;   // $XDG_STATE_HOME, else <home>/.local/state
    QString cacheHome;   // $XDG_CACHE_HOME, else <home>/.cache
};

// The folders for the variables `env` gives. HOME falls back to `fallbackHome`; a base
// variable that is unset, empty or not an absolute path is ignored, as the convention asks.
// Paths come back without a trailing slash.
XdgDirs xdgDirs(const EnvLookup& env, const QString& fallbackHome);

// The value of `key` (e.g. "XDG_MUSIC_DIR") in the contents of a user-dirs.dirs file: the quoted
// text after "KEY=", with a leading "$HOME" replaced by `home`. Empty when the key is missing,
// the value is not "$HOME/..." or an absolute path, or names the home folder itself (which the
// convention uses to switch the folder off).
QString userDirFromFile(const QByteArray& contents, const QString& key, const QString& home);

// Creates the missing folders above `file`, each private to the user (mode 0700), as the
// convention asks of the folders a program makes for its settings and state. Returns false when
// one cannot be made.
bool makePrivateParentFolders(const QString& file);

// The user's music folder: XDG_MUSIC_DIR of <configHome>/user-dirs.dirs, else <home>/Music.
// A user-dirs.dirs that is no regular file or larger than 1 MiB is passed over (never waited on).
// Empty when that folder does not exist (the caller then uses the home folder).
QString musicFolder(const XdgDirs& dirs);

// Where a user's media files are looked for first: the music folder, else the home folder.
QString musicOrHome(const XdgDirs& dirs);
