#include "platform/QuitSignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr std::array<int, 3> kQuitSignals{SIGTERM, SIGINT, SIGHUP};

// A signal handler can reach only what is global; it is set while a QuitSignals lives.
volatile sig_atomic_t writeFd = -1;
struct sigaction previous[3];

extern "C" void forwardQuitSignal(int sig)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(sig);
    if (writeFd >= 0 && ::write(writeFd, &byte, 1) < 0) {
        // a full pipe already holds a quit request
    }
    errno = savedErrno;
}
}

QuitSignals::QuitSignals(QObject* parent) : QObject(parent)
{
    int fds[2];
    if (writeFd >= 0 || ::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    readFd_ = fds[0];
    writeFd = fds[1];
    notifier_ = std::make_unique<QSocketNotifier>(readFd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &QuitSignals::drain);

    struct sigaction sa {};
    sa.sa_handler = forwardQuitSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    active_ = true;
    for (std::size_t i = 0; i < kQuitSignals.size(); ++i)
        active_ = ::sigaction(kQuitSignals[i], &sa, &previous[i]) == 0 && active_;
}

QuitSignals::~QuitSignals()
{
    if (readFd_ < 0)
        return;
    for (std::size_t i = 0; i < kQuitSignals.size(); ++i)
        ::sigaction(kQuitSignals[i], &previous[i], nullptr);
    notifier_.reset();
    const int fd = writeFd;
    writeFd = -1;
    ::close(fd);
    ::close(readFd_);
}

void QuitSignals::drain()
{
    unsigned char bytes[16];
    ssize_t got;
    while ((got = ::read(readFd_, bytes, sizeof bytes)) > 0) {
        for (ssize_t i = 0; i < got; ++i)
            Q_EMIT quitRequested(bytes[i]);
    }
}
