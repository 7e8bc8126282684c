#pragma once
#include <QString>

// The private temporary folder that holds the decoded WAV.

// The default location for the current user: $XDG_RUNTIME_DIR/tunesnip when that is usable,
// else /tmp/tunesnip-<uid>. The path holds no spaces or quotes.
QString defaultTempFolder();

// Creates `dir` (one level, mode 0700) if it is missing and checks that it is a real folder
// owned by this user and private to it. Existing contents are left alone.
// Returns false (and a reason in *error when given) if the folder cannot be used safely.
bool ensurePrivateFolder(const QString& dir, QString* error = nullptr);
