#pragma once
#include <QByteArray>
#include <QString>

// Reading and writing the small settings files (setup.ini, effects.ini) whole.

// The first 4096 bytes of `path`; empty when it cannot be read.
QByteArray readSettingsFile(const QString& path);

// Replaces `path` with `contents` at once (a complete new file or the old one), making the missing
// folders above it first (mode 0700). Returns false when it cannot be written; the old file is
// then left as it was.
bool writeSettingsFile(const QString& path, const QByteArray& contents);
