#pragma once
#include "platform/XdgDirs.h"

#include <QString>

// The private folder that holds the decoded WAV (and the preview WAV) of each running instance.

// The folder for a user with the folders `dirs`: <cacheHome>/tunesnip, on disk, where a long
// song's decoded sound (about 10 MB a minute) does not take the machine's memory. It is made
// here, with any missing folders above it private to the user (mode 0700), and must then be a
// real folder (no link) owned by this user and private to it. When it cannot be made so, or its
// path holds a blank or a quote, the answer is /tmp/tunesnip-<uid> (checked later by
// ensurePrivateFolder). The path returned holds no blanks or quotes.
QString defaultTempFolder(const XdgDirs& dirs);

// Creates `dir` (one level, mode 0700) if it is missing and checks that it is a real folder
// owned by this user and private to it. Existing contents are left alone.
// Returns false (and a reason in *error when given) if the folder cannot be used safely.
bool ensurePrivateFolder(const QString& dir, QString* error = nullptr);
