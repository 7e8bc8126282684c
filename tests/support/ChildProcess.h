#pragma once
// Running a piece of a test in a forked child that the test may change for good: one with a
// mount namespace of its own, where it may mount a small tmpfs or make a folder read-only without
// touching the machine or the other tests; or one where root has given up its power over file
// permissions. The child tells its outcome by its exit status only.
#include <linux/capability.h>
#include <sys/syscall.h>

#include <cerrno>
#include <fcntl.h>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

// The exit status of a child that could not have a mount namespace of its own.
inline constexpr int kNoMountNamespace = 77;
// The exit status of a child that could not give up root's file capabilities.
inline constexpr int kCapabilitiesKept = 78;

namespace child_process_detail {
inline bool writeProcFile(const char* path, const std::string& text)
{
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    return ok;
}

// The exit status of child `pid` once it has ended: its exit code, 128 + the signal that
// killed it, -1 when there is no such child.
inline int exitStatus(pid_t pid)
{
    if (pid < 0)
        return -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
}  // namespace child_process_detail

// Runs `body` (returning an int from 0 to 255) in a forked child with a private mount namespace
// and returns its exit status: what `body` returned, kNoMountNamespace when the namespace could
// not be had, 128 + the signal when the child was killed, -1 when no child could be started.
// Root (as in CI) gets the namespace directly; another user through a user namespace, where the
// kernel allows that.
template <typename Body>
int inOwnMountNamespace(Body body)
{
    using child_process_detail::writeProcFile;
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    const pid_t pid = ::fork();
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
    return child_process_detail::exitStatus(pid);
}

// Runs `body` in a forked child that has none of the capabilities by which root passes over file
// permissions (CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER), neither in effect nor
// permitted, so that access(2), which asks on behalf of the real user with the permitted set,
// answers by the permission bits for root too. For other users the child is an ordinary one.
// Returns the child's exit status as inOwnMountNamespace does, kCapabilitiesKept when the
// capabilities could not be given up.
template <typename Body>
int withoutRootFileAccessForGood(Body body)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::geteuid() == 0) {
            __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
            __user_cap_data_struct caps[2] = {};
            if (::syscall(SYS_capget, &header, caps) != 0)
                ::_exit(kCapabilitiesKept);
            const unsigned drop = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);
            caps[0].effective &= ~drop;
            caps[0].permitted &= ~drop;
            caps[0].inheritable &= ~drop;
            if (::syscall(SYS_capset, &header, caps) != 0)
                ::_exit(kCapabilitiesKept);
        }
        ::_exit(body());
    }
    return child_process_detail::exitStatus(pid);
}
