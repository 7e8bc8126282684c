#pragma once
#include <QByteArray>
#include <QString>

// Reading and writing the small settings files (setup.ini, effects.ini, history.ini) whole.

// The contents of `path` when it is a regular file of at most 1 MiB (kMaxSmallFileBytes);
// empty when it is missing, unreadable, larger, or anything but a regular file (a FIFO there is
// never waited on). Its reader then keeps its defaults.
QByteArray readSettingsFile(const QString& path);

// Replaces `path` with `contents` at once (a complete new file or the old one), making the missing
// folders above it first (mode 0700). Whatever stood at `path` (a FIFO too) gives way to a
// regular file. Returns false when it cannot be written; the old file is then left as it was.
bool writeSettingsFile(const QString& path, const QByteArray& contents);
