#pragma once
#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

// Files the user asks to open without the open dialog: dropped on the window, given on the
// command line, chosen among the recent files.

// The file a drop names: the first URL that is a local file and not a folder. Nothing when
// none is (folders, web links and other URLs are ignored).
std::optional<QString> droppedFile(const QList<QUrl>& urls);

// What the open dialog would say of `path` before anything is decoded: the text of its
// "file not found" message when `path` names nothing or a folder; empty when it is a file.
QString fileNotFoundText(const QString& path);
