#pragma once
#include <QFile>
#include <QString>

// The path the media device is given for a file: the path itself when the file exists, else
// the empty text.
inline QString shortPathOf(const QString& path)
{
    return QFile::exists(path) ? path : QString();
}
