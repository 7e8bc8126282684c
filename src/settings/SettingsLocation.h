#pragma once
#include "platform/InstallLayout.h"

#include <QString>

#include <functional>

// Where setup.ini lives. In the build's application folder it stays beside the program, as it
// always did, while that folder can be written. An installed program, or one whose folder
// cannot be written, keeps it in <configHome>/tunesnip/setup.ini. A setup.ini already in that
// folder always wins, so settings stored there once are never lost to a file beside the program.

// True when this process may create files in `dir` (permissions and read-only mounts count).
bool folderWritable(const QString& dir);

// The path of setup.ini for a program in `appDir` of the given layout, with the XDG config
// folder `configHome`; `writable` tells whether a folder can be written. Nothing is created.
QString setupIniLocation(ProgramLayout layout, const QString& appDir, const QString& configHome,
                         const std::function<bool(const QString&)>& writable = folderWritable);
