#include "coder/TempOutput.h"

#include "coder/AvHandles.h"
#include "coder/PartFiles.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace coder {
namespace {

// A run that dies leaves its part file for this long before another run may take it for stale:
// a new part is locked right after it is made, never later than that.
constexpr std::chrono::seconds stalePartAge{10};

// A signal handler can only reach a fixed buffer; one run writes one output, so one slot.
char pendingPath[4096];

extern "C" void removePendingAndDie(int sig)
{
    if (pendingPath[0] != '\0')
        ::unlink(pendingPath);
    ::signal(sig, SIG_DFL);
    ::raise(sig);
}

void armCleanup(const std::string& path)
{
    if (path.size() >= sizeof pendingPath)
        return;
    std::memcpy(pendingPath, path.c_str(), path.size() + 1);
    struct sigaction sa {};
    sa.sa_handler = removePendingAndDie;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        sigaction(sig, &sa, nullptr);
}

void disarmCleanup()
{
    pendingPath[0] = '\0';
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string errorText(int err)
{
    return std::strerror(err);
}

} // namespace

std::string resolveTarget(const std::string& target)
{
    std::string path = target;
    // As many links as the kernel follows before it gives up with ELOOP.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= link.size())
            return path;
        link.resize(static_cast<std::size_t>(n));
        path = link[0] == '/' ? link : folderOf(path) + "/" + link;
    }
    throw CoderError(target + ": cannot write (" + errorText(ELOOP) + ")");
}

TempOutput::TempOutput(const std::string& target, Kind preferred)
    : target_(target)
    , final_(resolveTarget(target))
    , folder_(folderOf(final_))
{
    struct stat st {};
    if (::stat(final_.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            throw CoderError(target + ": is a folder");
        if (!S_ISREG(st.st_mode))
            throw CoderError(target + ": is not a regular file, it is not replaced");
        // The user's own right to change the file, not what the folder lets a rename do.
        if (::faccessat(AT_FDCWD, final_.c_str(), W_OK, AT_EACCESS) != 0)
            throw CoderError(target + ": cannot write (" + errorText(errno) + ")");
    }
    if (::stat(folder_.c_str(), &st) != 0)
        throw CoderError(target + ": cannot write, folder " + folder_ + ": " + errorText(errno));
    if (!S_ISDIR(st.st_mode))
        throw CoderError(target + ": cannot write, " + folder_ + " is not a folder");

    removeStaleParts(folder_, stalePartAge);
    if (preferred == Kind::Unnamed)
        createUnnamed();
    if (fd_ < 0)
        createNamed();
}

void TempOutput::createUnnamed()
{
    const int fd = ::open(folder_.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    if (fd < 0) {
        // EOPNOTSUPP: the file system has no unnamed files; EISDIR: nor has the kernel.
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)
            return;
        throw CoderError(target_ + ": cannot write (" + errorText(errno) + ")");
    }
    // The writer opens it, and commit links it, by its /proc name: without /proc, use a part.
    const std::string proc = "/proc/self/fd/" + std::to_string(fd);
    if (::access(proc.c_str(), F_OK) != 0) {
        ::close(fd);
        return;
    }
    // Locked like a part file, for the moment commit gives it a name of that form.
    ::flock(fd, LOCK_EX | LOCK_NB);
    fd_ = fd;
    path_ = proc;
    kind_ = Kind::Unnamed;
}

void TempOutput::createNamed()
{
    fd_ = createPart(folder_, path_);
    if (fd_ < 0)
        throw CoderError(target_ + ": cannot write (" + errorText(errno) + ")");
    kind_ = Kind::Named;
    armCleanup(path_);
}

TempOutput::~TempOutput()
{
    if (!committed_ && kind_ == Kind::Named) {
        ::unlink(path_.c_str());
        disarmCleanup();
    }
    if (fd_ >= 0)
        ::close(fd_);
}

void TempOutput::keepPermissionsOf(const std::string& replaced)
{
    struct stat st {};
    if (::stat(replaced.c_str(), &st) != 0)
        return;
    // Owner and group where the user may set them (a change of owner clears set-id bits, so
    // it comes first); failing that, the file is the user's, as any new file would be.
    if (::fchown(fd_, st.st_uid, st.st_gid) != 0 && errno != EPERM)
        return;
    ::fchmod(fd_, st.st_mode & 0777);
}

// Links the unnamed file over an existing target: under a part name first, then renamed,
// since link() never replaces. Returns 0 or -1 with errno set.
int TempOutput::linkReplacing()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string part = folder_ + "/.coder-" + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".part";
        if (::linkat(AT_FDCWD, path_.c_str(), AT_FDCWD, part.c_str(), AT_SYMLINK_FOLLOW) != 0) {
            if (errno == EEXIST)
                continue;
            return -1;
        }
        if (::rename(part.c_str(), final_.c_str()) == 0)
            return 0;
        const int err = errno;
        ::unlink(part.c_str());
        errno = err;
        return -1;
    }
    errno = EEXIST;
    return -1;
}

void TempOutput::commit(bool overwrite)
{
    if (overwrite)
        keepPermissionsOf(final_);
    int ret = 0;
    if (kind_ == Kind::Unnamed) {
        ret = ::linkat(AT_FDCWD, path_.c_str(), AT_FDCWD, final_.c_str(), AT_SYMLINK_FOLLOW);
        if (ret != 0 && errno == EEXIST && overwrite)
            ret = linkReplacing();
    } else if (overwrite) {
        ret = ::rename(path_.c_str(), final_.c_str());
    } else {
        // Another program may have created the target meanwhile; never replace it then.
        ret = ::renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, final_.c_str(), RENAME_NOREPLACE);
        if (ret != 0 && errno == EINVAL) {
            // File systems without RENAME_NOREPLACE: link() also refuses an existing target.
            ret = ::link(path_.c_str(), final_.c_str());
            if (ret == 0)
                ::unlink(path_.c_str());
        }
    }
    if (ret != 0) {
        const int err = errno;
        if (err == EEXIST)
            throw CoderError(target_ + ": already exists (use -y to overwrite)");
        throw CoderError(target_ + ": cannot write (" + errorText(err) + ")");
    }
    committed_ = true;
    if (kind_ == Kind::Named)
        disarmCleanup();
}

} // namespace coder
