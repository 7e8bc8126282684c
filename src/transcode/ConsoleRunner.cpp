#include "transcode/ConsoleRunner.h"

#include "transcode/CommandLine.h"
#include "transcode/ProcessTable.h"
#include "transcode/PumpTimer.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {
constexpr int kChunkBytes = 1024;
constexpr int kPollMs = 50;
// After the pipe broke the child is normally exiting; wait this long for its status.
constexpr int kExitGraceMs = 2000;
constexpr int kExitStepMs = 5;

class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : fd_(fd) {}
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { reset(); }
    int get() const { return fd_; }
    void reset()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

struct FileActionsDeleter {
    void operator()(posix_spawn_file_actions_t* fa) const { posix_spawn_file_actions_destroy(fa); }
};
struct SpawnAttrDeleter {
    void operator()(posix_spawnattr_t* a) const { posix_spawnattr_destroy(a); }
};

// Starts args[0] (searched on PATH when it holds no slash) with stdout and stderr on `outFd`,
// stdin on /dev/null, no other descriptor and default signal handling.
// Returns 0, or the errno of the failed start (glibc reports a failed exec here too).
int spawnChild(const QStringList& args, int outFd, pid_t* pid)
{
    std::vector<QByteArray> bytes;
    bytes.reserve(static_cast<size_t>(args.size()));
    for (const QString& a : args)
        bytes.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t faStore;
    if (int e = posix_spawn_file_actions_init(&faStore))
        return e;
    std::unique_ptr<posix_spawn_file_actions_t, FileActionsDeleter> fa(&faStore);
    posix_spawnattr_t attrStore;
    if (int e = posix_spawnattr_init(&attrStore))
        return e;
    std::unique_ptr<posix_spawnattr_t, SpawnAttrDeleter> attr(&attrStore);

    int e = posix_spawn_file_actions_addopen(fa.get(), 0, "/dev/null", O_RDONLY, 0);
    if (!e)
        e = posix_spawn_file_actions_adddup2(fa.get(), outFd, 1);
    if (!e)
        e = posix_spawn_file_actions_adddup2(fa.get(), outFd, 2);
    if (!e)
        e = posix_spawn_file_actions_addclosefrom_np(fa.get(), 3);
    sigset_t all;
    sigset_t none;
    sigfillset(&all);
    sigemptyset(&none);
    if (!e)
        e = posix_spawnattr_setsigdefault(attr.get(), &all);
    if (!e)
        e = posix_spawnattr_setsigmask(attr.get(), &none);
    if (!e)
        e = posix_spawnattr_setflags(attr.get(), POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    if (e)
        return e;
    return posix_spawnp(pid, argv[0], fa.get(), attr.get(), argv.data(), environ);
}

// Something to read: bytes in the pipe, or a broken pipe (a failed query counts as well).
bool dataWaiting(int fd)
{
    int count = 0;
    if (::ioctl(fd, FIONREAD, &count) != 0 || count > 0)
        return true;
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 0) < 0)
        return errno != EINTR;
    return (p.revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)) != 0;
}
}

ConsoleRunner::ConsoleRunner(MessageBoxes& boxes, QObject* parent)
    : QObject(parent), boxes_(boxes), processName_(QStringLiteral("coder"))
{
    // Children that outlive their run are reaped from here, so none stays a zombie.
    reaper_.setInterval(100);
    connect(&reaper_, &QTimer::timeout, this, &ConsoleRunner::reapPending);
}

ConsoleRunner::~ConsoleRunner()
{
    for (const pid_t pid : std::vector<pid_t>(pending_)) {
        if (!tryReap(pid))
            std::thread([pid] { ::waitpid(pid, nullptr, 0); }).detach();
    }
}

bool ConsoleRunner::IsProcessRunning(const QString& name) const
{
    return isProcessNameRunning(name);
}

void ConsoleRunner::fail(const QString& text)
{
    boxes_.show(text, QStringLiteral("TuneSnip"), MsgButtons::Ok, MsgIcon::Error);
}

bool ConsoleRunner::tryReap(pid_t pid)
{
    int status = 0;
    pid_t r;
    do
        r = ::waitpid(pid, &status, WNOHANG);
    while (r < 0 && errno == EINTR);
    if (r == 0)
        return false;
    pending_.erase(std::remove(pending_.begin(), pending_.end(), pid), pending_.end());
    if (r == pid && pid == lastPid_) {
        lastExit_.exited = true;
        if (WIFEXITED(status)) {
            lastExit_.exitCode = WEXITSTATUS(status);
            lastExit_.signal = 0;
        } else if (WIFSIGNALED(status)) {
            lastExit_.exitCode = -1;
            lastExit_.signal = WTERMSIG(status);
        }
    }
    return true;  // reaped, or reaped by someone else (ECHILD): either way no longer ours
}

void ConsoleRunner::reapPending()
{
    for (const pid_t pid : std::vector<pid_t>(pending_))
        tryReap(pid);
    if (pending_.empty())
        reaper_.stop();
}

QString ConsoleRunner::ExecuteCommand(const QString& commandLine)
{
    // A run that fails to start must not leave the previous child's status behind.
    lastExit_ = RunExit{};
    lastPid_ = 0;
    if (!commandLine.isEmpty())
        commandLine_ = commandLine;
    if (commandLine_.isEmpty()) {
        fail(QStringLiteral("Command Line empty"));
        return {};
    }

    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        fail(QStringLiteral("CreatePipe failed. Error: ") + QString::number(errno));
        return {};
    }
    UniqueFd readEnd(fds[0]);
    UniqueFd writeEnd(fds[1]);
    // Reads happen only when something is waiting; non-blocking guards against a wrong answer.
    ::fcntl(readEnd.get(), F_SETFL, ::fcntl(readEnd.get(), F_GETFL) | O_NONBLOCK);

    const QStringList args = splitCommandLine(commandLine_);
    pid_t pid = 0;
    if (args.isEmpty() || spawnChild(args, writeEnd.get(), &pid) != 0) {
        fail(QStringLiteral("File or command not found"));
        return {};
    }
    pending_.push_back(pid);
    lastPid_ = pid;
    lastExit_.started = true;
    writeEnd.reset();  // the pipe breaks when the child (and its children) end
    outputs_.clear();

    // Handlers run nested in this call and may even delete the runner; `self` notices that.
    QPointer<ConsoleRunner> self(this);
    ++depth_;
    struct RunScope {
        QPointer<ConsoleRunner> runner;
        ~RunScope()
        {
            if (!runner)
                return;
            --runner->depth_;
            if (!runner->pending_.empty())
                runner->reaper_.start();
        }
    } scope{self};

    QStringDecoder decoder(QStringDecoder::System);  // keeps split multi-byte characters whole
    std::optional<clsPumpTimer> pump;
    char buffer[kChunkBytes];
    bool going = true;
    bool broken = false;
    while (going) {
        if (dataWaiting(readEnd.get())) {
            ssize_t got = ::read(readEnd.get(), buffer, sizeof buffer);
            if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
                got = 0;  // nothing after all; not an end
            } else {
                if (got <= 0) {
                    going = false;
                    broken = true;
                    got = 0;
                }
                QString chunk = decoder.decode(QByteArrayView(buffer, got));
                outputs_ += chunk;
                Q_EMIT ReceiveOutputs(chunk);
                if (!self)
                    return {};
            }
        } else if (!IsProcessRunning(processName_) && !dataWaiting(readEnd.get())) {
            // Looked again: a child that wrote its last words and ended between the two
            // tests would otherwise lose them.
            going = false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (!self)
            return {};
        if (!pump)
            pump.emplace();
        pump->Wait(kPollMs);
        if (!self)
            return {};
    }

    if (!tryReap(pid) && broken) {
        for (int waited = 0; waited < kExitGraceMs && !tryReap(pid); waited += kExitStepMs) {
            pump->Wait(kExitStepMs);
            if (!self)
                return {};
        }
    }
    readEnd.reset();
    pump.reset();
    if (!pending_.empty())
        reaper_.start();

    const QString result = outputs_;
    Q_EMIT CommandOver();
    return result;
}
