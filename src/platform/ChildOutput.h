#pragma once
#include "platform/UniqueFd.h"

#include <QString>

#include <optional>
#include <sys/types.h>

// The file a child process is writing, opened read-only by this process. Holding the
// descriptor keeps reading the same file (inode) whatever the child does with its name: an
// unnamed O_TMPFILE that is linked into place at the end, a part file renamed over the
// output, or a file removed because the child failed.
struct ChildOutput {
    UniqueFd fd;
    bool unnamed = false;  // the file had no name in the folder when found (O_TMPFILE, or removed)

    // "/proc/self/fd/<n>": a path that opens this very file again, for WavFile::openGrowing()
    // and for the media device's "open <path> alias <name> growing". Valid while `fd` is held.
    QString procPath() const;
};

// Looks through the descriptors of process `pid` (/proc/<pid>/fd) for a regular file it has
// open for writing directly inside `folder`, either under a name there or unnamed (shown as
// "<folder>/#<inode> (deleted)"), and opens that file read-only. Only a regular file owned by
// this user, on the folder's file system and (when named) linked in the folder itself, is
// taken; the folder must be a real folder (not a symbolic link). Among several, the lowest
// descriptor wins. Call while `pid` is an unreaped child of this process.
// Returns nothing when there is no such file (yet), the process is gone, or /proc cannot be
// read.
std::optional<ChildOutput> findChildOutput(pid_t pid, const QString& folder);
