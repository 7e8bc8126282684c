#pragma once
// FIFOs where a program expects its small files, for tests of readers that must never wait on
// one. A reader that does wait (in open(), for a writer) is let go again by the test, so that a
// fault shows as a failed expectation instead of a test that hangs until it is killed.
#include <QFile>
#include <QString>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

// Makes a FIFO (mode 0600) at `path`; false when it cannot.
inline bool makeFifo(const QString& path) { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; }

// True when `path` is a FIFO.
inline bool isFifo(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

// Runs `read` on a thread of its own and gives its result when it returns within `limit`;
// nullopt when it did not. In that case every FIFO in `fifos` is opened for writing and closed
// again until `read` has returned, which lets a reader waiting on one of them go (it then
// reads an empty file).
template <typename Read>
auto returnsWithoutWaiting(Read read, std::initializer_list<QString> fifos,
                           std::chrono::seconds limit = std::chrono::seconds(20))
    -> std::optional<decltype(read())>
{
    auto result = std::async(std::launch::async, read);
    if (result.wait_for(limit) == std::future_status::ready)
        return result.get();
    while (result.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
        for (const QString& fifo : fifos) {
            const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0)
                ::close(fd);
        }
    result.get();
    return std::nullopt;
}
