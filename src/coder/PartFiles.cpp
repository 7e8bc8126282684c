#include "coder/PartFiles.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace coder {
namespace {

constexpr const char* prefix = ".coder-";
constexpr const char* suffix = ".part";

struct DirCloser {
    void operator()(DIR* d) const { ::closedir(d); }
};

// Closes a descriptor when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd)
        : fd_(fd)
    {
    }
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

bool isPartName(const std::string& name)
{
    const std::string head = prefix;
    const std::string tail = suffix;
    return name.size() > head.size() + tail.size() && name.compare(0, head.size(), head) == 0
        && name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
}

int createPart(const std::string& folder, std::string& path)
{
    std::string pattern = folder + "/" + prefix + "XXXXXX" + suffix;
    const int fd = ::mkostemps(pattern.data(), static_cast<int>(std::char_traits<char>::length(suffix)), O_CLOEXEC);
    if (fd < 0)
        return -1;
    // A new file nobody else has opened yet: the lock cannot be refused.
    ::flock(fd, LOCK_EX | LOCK_NB);
    // mkstemp makes the file private; the finished output gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    path = pattern;
    return fd;
}

int removeStaleParts(const std::string& folder, std::chrono::seconds minAge)
{
    std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
    if (!dir)
        return 0;
    const int dirFd = ::dirfd(dir.get());
    const std::time_t now = std::time(nullptr);
    int removed = 0;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (!isPartName(name))
            continue;
        const Fd fd(::openat(dirFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat st {};
        if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || now - st.st_mtime < minAge.count())
            continue;
        // A run holds the lock of its part while it lives; when it ends, even by SIGKILL, the
        // kernel releases the lock.
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0)
            continue;
        struct stat named {};
        if (::fstatat(dirFd, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && named.st_dev == st.st_dev
            && named.st_ino == st.st_ino && ::unlinkat(dirFd, name.c_str(), 0) == 0)
            ++removed;
    }
    return removed;
}

} // namespace coder
