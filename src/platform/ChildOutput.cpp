#include "platform/ChildOutput.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

constexpr char kDeleted[] = " (deleted)";

// The target of a symbolic link (or a /proc magic link) as text; empty when unreadable.
QByteArray linkText(const QByteArray& path)
{
    QByteArray text(4096, Qt::Uninitialized);
    const ssize_t n = ::readlink(path.constData(), text.data(), size_t(text.size()));
    if (n <= 0 || n >= text.size())
        return {};
    text.truncate(int(n));
    return text;
}

// Whether the descriptor is open for writing, from the flags in /proc/<pid>/fdinfo/<n> (octal).
bool openForWriting(const QByteArray& fdinfoPath)
{
    QFile info(QFile::decodeName(fdinfoPath));
    if (!info.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : info.readAll().split('\n')) {
        if (!line.startsWith("flags:"))
            continue;
        bool ok = false;
        const uint flags = line.mid(6).trimmed().toUInt(&ok, 8);
        return ok && (flags & O_ACCMODE) != O_RDONLY;
    }
    return false;
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The folder opened without following a link, and its path as the kernel names it (the form
// /proc shows in the links of the child's descriptors).
struct Folder {
    UniqueFd fd;
    struct stat st {};
    QByteArray canonical;
};

std::optional<Folder> openFolder(const QString& folder)
{
    Folder f;
    f.fd.reset(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!f.fd.isValid() || ::fstat(f.fd.get(), &f.st) != 0 || !S_ISDIR(f.st.st_mode))
        return std::nullopt;
    f.canonical = linkText("/proc/self/fd/" + QByteArray::number(f.fd.get()));
    if (f.canonical.isEmpty() || f.canonical.endsWith(kDeleted))
        return std::nullopt;
    if (!f.canonical.endsWith('/'))
        f.canonical += '/';
    return f;
}

// Opens the file behind descriptor `n` of process `pid` when it is a file the child writes
// inside the folder; an invalid descriptor otherwise.
UniqueFd openIfOutput(const QByteArray& procFd, const QByteArray& fdinfo, const Folder& folder, bool& unnamed)
{
    const QByteArray target = linkText(procFd);
    if (!target.startsWith(folder.canonical))
        return {};
    QByteArray name = target.mid(folder.canonical.size());
    if (name.isEmpty() || !openForWriting(fdinfo))
        return {};
    // stat() follows the magic link to the open file itself, which is checked before it is
    // opened: opening a FIFO or a device could block or have effects.
    struct stat before {};
    if (::stat(procFd.constData(), &before) != 0 || !S_ISREG(before.st_mode) || before.st_uid != ::geteuid()
        || before.st_dev != folder.st.st_dev)
        return {};
    UniqueFd fd(::open(procFd.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat st {};
    if (!fd.isValid() || ::fstat(fd.get(), &st) != 0 || !sameFile(st, before))
        return {};
    // The link's text names the place: a file linked in the folder itself, found there without
    // following links, or a file without a name there any more.
    struct stat named {};
    if (!name.contains('/') && ::fstatat(folder.fd.get(), name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0
        && S_ISREG(named.st_mode) && sameFile(named, st)) {
        unnamed = false;
        return fd;
    }
    if (!name.endsWith(kDeleted))
        return {};
    name.chop(int(sizeof kDeleted - 1));
    if (name.isEmpty() || name.contains('/'))
        return {};
    const bool tmpName = name.startsWith('#') && name.mid(1) == QByteArray::number(quint64(st.st_ino));
    if (st.st_nlink != 0 && !tmpName)
        return {};
    unnamed = true;
    return fd;
}

}  // namespace

QString ChildOutput::procPath() const
{
    return QStringLiteral("/proc/self/fd/%1").arg(fd.get());
}

std::optional<ChildOutput> findChildOutput(pid_t pid, const QString& folder)
{
    if (pid <= 0)
        return std::nullopt;
    const std::optional<Folder> f = openFolder(folder);
    if (!f)
        return std::nullopt;
    const QByteArray base = "/proc/" + QByteArray::number(pid);
    DIR* dir = ::opendir((base + "/fd").constData());
    if (!dir)
        return std::nullopt;
    std::optional<ChildOutput> found;
    long lowest = -1;
    while (const dirent* entry = ::readdir(dir)) {
        char* end = nullptr;
        const long n = std::strtol(entry->d_name, &end, 10);
        if (end == entry->d_name || *end != '\0' || n < 0 || (lowest >= 0 && n > lowest))
            continue;
        const QByteArray number = QByteArray::number(qlonglong(n));
        bool unnamed = false;
        UniqueFd fd = openIfOutput(base + "/fd/" + number, base + "/fdinfo/" + number, *f, unnamed);
        if (!fd.isValid())
            continue;
        lowest = n;
        found = ChildOutput{std::move(fd), unnamed};
    }
    ::closedir(dir);
    return found;
}
