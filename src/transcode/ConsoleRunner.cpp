#include "transcode/ConsoleRunner.h"

#include "transcode/CommandLine.h"
#include "transcode/PumpTimer.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QPointer>
#include <QStringDecoder>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <time.h>
#include <unistd.h>

namespace {
constexpr int kChunkBytes = 1024;
constexpr int kPollMs = 50;
// A child asked to stop gets this long to end on SIGTERM before it is killed.
constexpr qint64 kStopGraceMs = 1000;

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

// Waits one poll interval without Qt's event loop, woken at once by output on the pipe or by
// the child's end; so what the loop still handles (a stop, a second quit signal) is not held up.
void waitWithoutEvents(int pipeFd, bool pipeOpen, const ChildProcess& child)
{
    pollfd fds[2];
    nfds_t n = 0;
    if (pipeOpen)
        fds[n++] = {pipeFd, POLLIN, 0};
    if (child.endNotifier() >= 0)
        fds[n++] = {child.endNotifier(), POLLIN, 0};
    ::poll(n ? fds : nullptr, n, kPollMs);
}

qint64 nowMs()
{
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<qint64>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}
}

ConsoleRunner::ConsoleRunner(MessageBoxes& boxes, QObject* parent) : QObject(parent), boxes_(boxes) {}

ConsoleRunner::~ConsoleRunner() = default;

void ConsoleRunner::fail(const QString& text)
{
    boxes_.show(text, QStringLiteral("TuneSnip"), MsgButtons::Ok, MsgIcon::Error);
}

void ConsoleRunner::stop()
{
    if (!run_ || run_->child.reaped() || run_->stopAskedMs >= 0)
        return;
    run_->stopAskedMs = nowMs();
    run_->child.signalGroup(SIGTERM);
}

QString ConsoleRunner::ExecuteCommand(const QString& commandLine)
{
    // A run that fails to start must not leave the previous child's status behind.
    lastExit_ = RunExit{};
    if (!commandLine.isEmpty())
        commandLine_ = commandLine;
    if (commandLine_.isEmpty()) {
        fail(tr("Command Line empty"));
        return {};
    }

    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        fail(tr("CreatePipe failed. Error: ") + QString::number(errno));
        return {};
    }
    UniqueFd readEnd(fds[0]);
    UniqueFd writeEnd(fds[1]);
    // Reads happen only when something is waiting; non-blocking guards against a wrong answer.
    ::fcntl(readEnd.get(), F_SETFL, ::fcntl(readEnd.get(), F_GETFL) | O_NONBLOCK);

    const QStringList args = splitCommandLine(commandLine_);
    Run run;
    if (args.isEmpty() || run.child.start(args, writeEnd.get()) != 0) {
        fail(tr("File or command not found"));
        return {};
    }
    lastExit_.started = true;
    writeEnd.reset();  // the pipe breaks when the child (and its children) end
    outputs_.clear();

    // Handlers run nested in this call and may even delete the runner; `self` notices that.
    QPointer<ConsoleRunner> self(this);
    ++depth_;
    struct RunScope {
        QPointer<ConsoleRunner> runner;
        Run* outer;
        ~RunScope()
        {
            if (!runner)
                return;  // and `run` reaps its child itself
            --runner->depth_;
            runner->run_ = outer;
        }
    } scope{self, run_};
    run_ = &run;

    QStringDecoder decoder(QStringDecoder::System);  // keeps split multi-byte characters whole
    std::optional<clsPumpTimer> pump;
    char buffer[kChunkBytes];
    bool pipeOpen = true;
    bool eventLoopWaits = true;
    for (;;) {
        bool readSomething = false;
        if (pipeOpen && dataWaiting(readEnd.get())) {
            const ssize_t got = ::read(readEnd.get(), buffer, sizeof buffer);
            if (got > 0) {
                readSomething = true;
                QString chunk = decoder.decode(QByteArrayView(buffer, got));
                outputs_ += chunk;
                Q_EMIT ReceiveOutputs(chunk);
                if (!self)
                    return {};
            } else if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
                pipeOpen = false;  // every writer has gone (or the pipe failed): nothing more to read
            }
        }
        // Reaped first, looked at the pipe second: what the child wrote before it ended is read.
        if (!readSomething && run.child.tryReap() && (!pipeOpen || !dataWaiting(readEnd.get())))
            break;
        if (run.stopAskedMs >= 0 && nowMs() - run.stopAskedMs > kStopGraceMs)
            run.child.signalGroup(SIGKILL);

        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (!self)
            return {};
        if (eventLoopWaits) {
            if (!pump)
                pump.emplace();
            eventLoopWaits = pump->Wait(kPollMs);
            if (!self)
                return {};
        } else {
            waitWithoutEvents(readEnd.get(), pipeOpen, run.child);
        }
    }

    lastExit_ = run.child.exit();
    lastExit_.stopped = run.stopAskedMs >= 0;
    readEnd.reset();
    pump.reset();

    const QString result = outputs_;
    Q_EMIT CommandOver();
    return result;
}
