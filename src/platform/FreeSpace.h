#pragma once
#include <QString>

#include <optional>

// The room left on the file system that holds `folder`: the bytes an ordinary user may still
// write there (blocks free to unprivileged users times the fragment size), as statvfs tells.
// nullopt when the file system cannot be asked (e.g. the folder does not exist).
std::optional<qint64> freeBytes(const QString& folder);
