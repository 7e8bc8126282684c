#include "coder/TempOutput.h"

#include "coder/AvHandles.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace coder {
namespace {

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

} // namespace

TempOutput::TempOutput(const std::string& target)
    : target_(target)
{
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        throw CoderError(target + ": is a folder");
    const std::string folder = folderOf(target);
    if (::stat(folder.c_str(), &st) != 0)
        throw CoderError(target + ": cannot write, folder " + folder + ": " + std::strerror(errno));
    if (!S_ISDIR(st.st_mode))
        throw CoderError(target + ": cannot write, " + folder + " is not a folder");

    std::string pattern = folder + "/.coder-XXXXXX.part";
    const int fd = ::mkstemps(pattern.data(), 5);
    if (fd < 0)
        throw CoderError(target + ": cannot write (" + std::strerror(errno) + ")");
    // mkstemp makes the file private; the finished output gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    ::close(fd);
    path_ = pattern;
    armCleanup(path_);
}

TempOutput::~TempOutput()
{
    if (!committed_) {
        ::unlink(path_.c_str());
        disarmCleanup();
    }
}

void TempOutput::commit(bool overwrite)
{
    int ret = 0;
    if (overwrite) {
        ret = ::rename(path_.c_str(), target_.c_str());
    } else {
        // Another program may have created the target meanwhile; never replace it then.
        ret = ::renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, target_.c_str(), RENAME_NOREPLACE);
        if (ret != 0 && errno == EINVAL) {
            // File systems without RENAME_NOREPLACE: link() also refuses an existing target.
            ret = ::link(path_.c_str(), target_.c_str());
            if (ret == 0)
                ::unlink(path_.c_str());
        }
    }
    if (ret != 0) {
        const int err = errno;
        if (err == EEXIST)
            throw CoderError(target_ + ": already exists (use -y to overwrite)");
        throw CoderError(target_ + ": cannot write (" + std::strerror(err) + ")");
    }
    committed_ = true;
    disarmCleanup();
}

} // namespace coder
