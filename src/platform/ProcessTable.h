#pragma once
#include <QString>

// Looks through /proc for a live process whose name (/proc/<pid>/comm, the executable's file
// name cut to 15 bytes) equals `name`, ignoring letter case. Processes that have ended but are
// not yet reaped (zombies) do not count. Returns false when /proc cannot be read.
bool isProcessNameRunning(const QString& name);

// The name (/proc/<pid>/comm) of this process.
QString ownProcessName();

// True when `pid` is a live process (not a zombie) of this user whose name equals `name`,
// ignoring case. False when it is gone or cannot be looked at.
bool isOwnProcessNamed(qint64 pid, const QString& name);
