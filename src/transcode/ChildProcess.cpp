#include "transcode/ChildProcess.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// The program file for args[0]: itself when it holds a slash, else the first executable
// regular file of that name in a PATH folder. Empty when there is none.
QByteArray programFile(const QByteArray& name)
{
    if (name.isEmpty() || name.contains('/'))
        return name;
    QByteArray path = qgetenv("PATH");
    if (path.isEmpty())
        path = "/usr/local/bin:/usr/bin:/bin";
    for (const QByteArray& dir : path.split(':')) {
        const QByteArray candidate = (dir.isEmpty() ? QByteArray(".") : dir) + '/' + name;
        struct stat st {};
        if (::stat(candidate.constData(), &st) == 0 && S_ISREG(st.st_mode) && ::access(candidate.constData(), X_OK) == 0)
            return candidate;
    }
    return {};
}

int highestDescriptorLimit()
{
    rlimit lim{};
    if (::getrlimit(RLIMIT_NOFILE, &lim) == 0 && lim.rlim_cur != RLIM_INFINITY && lim.rlim_cur < 65536)
        return static_cast<int>(lim.rlim_cur);
    return 65536;
}

// Everything the child does between fork and exec: only calls that are safe after a fork in
// a program with threads. Never returns; a failure is written to errorFd as an errno.
[[noreturn]] void becomeProgram(const char* file, char* const* argv, int nullFd, int outFd, int errorFd,
                                pid_t parent, int fdLimit)
{
    int failure = 0;
    ::setpgid(0, 0);
    if (::prctl(PR_SET_PDEATHSIG, SIGTERM) != 0)
        failure = errno;
    else if (::getppid() != parent)
        ::_exit(127);  // the program died before the death signal was set up: nobody to serve
    if (!failure && (::dup2(nullFd, 0) < 0 || ::dup2(outFd, 1) < 0 || ::dup2(outFd, 2) < 0))
        failure = errno;
    if (!failure) {
        // Every descriptor but the three and the error pipe, which the exec closes itself.
        const auto error = static_cast<unsigned>(errorFd);
        const bool ranges = (error == 3 || ::syscall(SYS_close_range, 3U, error - 1, 0U) == 0) &&
                            ::syscall(SYS_close_range, error + 1, ~0U, 0U) == 0;
        if (!ranges) {
            for (int fd = 3; fd < fdLimit; ++fd) {
                if (fd != errorFd)
                    ::close(fd);
            }
        }
        struct sigaction dfl {};
        dfl.sa_handler = SIG_DFL;
        for (int sig = 1; sig < NSIG; ++sig)
            ::sigaction(sig, &dfl, nullptr);
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        ::execve(file, argv, environ);
        failure = errno;
    }
    if (::write(errorFd, &failure, sizeof failure) < 0) {
        // nothing more can be said
    }
    ::_exit(127);
}

}  // namespace

ChildProcess::~ChildProcess()
{
    if (pidFd_ >= 0)
        ::close(pidFd_);
    if (pid_ > 0 && !exit_.exited && !tryReap()) {
        const pid_t pid = pid_;
        std::thread([pid] { ::waitpid(pid, nullptr, 0); }).detach();
    }
}

int ChildProcess::start(const QStringList& args, int outFd)
{
    if (args.isEmpty())
        return EINVAL;
    std::vector<QByteArray> bytes;
    bytes.reserve(static_cast<size_t>(args.size()));
    for (const QString& a : args)
        bytes.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    const QByteArray file = programFile(bytes.front());
    if (file.isEmpty())
        return ENOENT;

    const int nullFd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (nullFd < 0)
        return errno;
    // The child reports a failed exec through this pipe; a successful exec closes it.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        const int e = errno;
        ::close(nullFd);
        return e;
    }
    const int fdLimit = highestDescriptorLimit();
    const pid_t parent = ::getpid();

    // No handler of this program may run in the child before it has reset them.
    sigset_t all;
    sigset_t old;
    sigfillset(&all);
    ::pthread_sigmask(SIG_SETMASK, &all, &old);
    const pid_t pid = ::fork();
    if (pid == 0)
        becomeProgram(file.constData(), argv.data(), nullFd, outFd, report[1], parent, fdLimit);
    const int forkError = pid < 0 ? errno : 0;
    ::pthread_sigmask(SIG_SETMASK, &old, nullptr);
    ::close(report[1]);
    ::close(nullFd);
    if (pid < 0) {
        ::close(report[0]);
        return forkError;
    }
    // Also put it in its group from here, so that signalling the group works at once.
    ::setpgid(pid, pid);

    int childError = 0;
    ssize_t got;
    do
        got = ::read(report[0], &childError, sizeof childError);
    while (got < 0 && errno == EINTR);
    ::close(report[0]);
    if (got == sizeof childError) {
        ::waitpid(pid, nullptr, 0);
        return childError ? childError : ENOEXEC;
    }
    pid_ = pid;
    exit_.started = true;
    pidFd_ = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
    if (pidFd_ >= 0)
        ::fcntl(pidFd_, F_SETFD, FD_CLOEXEC);
    return 0;
}

bool ChildProcess::tryReap()
{
    if (exit_.exited)
        return true;
    if (pid_ <= 0)
        return false;
    int status = 0;
    pid_t r;
    do
        r = ::waitpid(pid_, &status, WNOHANG);
    while (r < 0 && errno == EINTR);
    if (r == 0)
        return false;
    exit_.exited = true;
    if (r == pid_ && WIFEXITED(status)) {
        exit_.exitCode = WEXITSTATUS(status);
        exit_.signal = 0;
    } else if (r == pid_ && WIFSIGNALED(status)) {
        exit_.exitCode = -1;
        exit_.signal = WTERMSIG(status);
    }
    if (pidFd_ >= 0) {
        ::close(pidFd_);
        pidFd_ = -1;
    }
    return true;  // reaped here, or by someone else (ECHILD): either way no longer ours
}

void ChildProcess::signalGroup(int sig)
{
    if (pid_ <= 0 || exit_.exited)
        return;
    if (::kill(-pid_, sig) != 0)
        ::kill(pid_, sig);  // it may not have made its group yet
}
