#pragma once
// Running a piece of a test in a forked child that has a mount namespace of its own, where it
// may mount a small tmpfs or make a folder read-only without touching the machine or the other
// tests. Root (as in CI) gets one directly; another user through a user namespace, where the
// kernel allows that. The child tells its outcome by its exit status only.
#include <cerrno>
#include <fcntl.h>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

// The exit status of a child that could not have a mount namespace of its own.
inline constexpr int kNoMountNamespace = 77;

namespace own_mount_namespace_detail {
inline bool writeProcFile(const char* path, const std::string& text)
{
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    return ok;
}
}  // namespace own_mount_namespace_detail

// Runs `body` (returning an int from 0 to 255) in a forked child with a private mount namespace
// and returns its exit status: what `body` returned, kNoMountNamespace when the namespace could
// not be had, 128 + the signal when the child was killed, -1 when no child could be started.
template <typename Body>
int inOwnMountNamespace(Body body)
{
    using own_mount_namespace_detail::writeProcFile;
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    const pid_t pid = ::fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        if (uid == 0) {
            if (::unshare(CLONE_NEWNS) != 0)
                ::_exit(kNoMountNamespace);
        } else {
            if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 || !writeProcFile("/proc/self/setgroups", "deny") ||
                !writeProcFile("/proc/self/uid_map", std::to_string(uid) + " " + std::to_string(uid) + " 1") ||
                !writeProcFile("/proc/self/gid_map", std::to_string(gid) + " " + std::to_string(gid) + " 1"))
                ::_exit(kNoMountNamespace);
        }
        // Nothing mounted here reaches the parent's namespace.
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            ::_exit(kNoMountNamespace);
        ::_exit(body());
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
