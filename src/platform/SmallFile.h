#pragma once
#include <QByteArray>
#include <QString>

#include <optional>

// Reading the program's small text files (setup.ini, effects.ini, history.ini, user-dirs.dirs)
// whole, without ever waiting on them.

// The most any of these files may hold. A real one is a few hundred bytes; a larger file is
// not the program's and reads as unreadable, so its defaults apply.
inline constexpr qint64 kMaxSmallFileBytes = 1024 * 1024;

// The whole contents of `path` when it is a regular file (a link to one counts) of at most
// `maxBytes` bytes. nullopt when it is missing, cannot be opened or read, is anything but a
// regular file (a FIFO, a socket, a device, a folder: opened without waiting and never read), or
// holds more than `maxBytes` bytes. Takes time in proportion to the bytes read.
std::optional<QByteArray> readSmallFile(const QString& path, qint64 maxBytes = kMaxSmallFileBytes);
