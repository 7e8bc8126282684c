#pragma once
// Looking at processes from a test: whether one has ended, a child under a chosen name, and
// the CPU time the calling thread has used.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <ctime>
#include <sys/prctl.h>
#include <unistd.h>

// A process that is gone or only waits to be reaped.
inline bool processEnded(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray s = stat.readAll();
    const qsizetype close = s.lastIndexOf(')');
    return close < 0 || close + 2 >= s.size() || s.at(close + 2) == 'Z' || s.at(close + 2) == 'X';
}

// CPU time used so far by the calling thread, in milliseconds.
inline double threadCpuMs()
{
    timespec ts{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// A forked child that carries `name` (/proc/<pid>/comm) and waits until it is killed.
inline pid_t startNamedChild(const QByteArray& name)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::prctl(PR_SET_NAME, name.constData(), 0, 0, 0);
        for (;;)
            ::pause();
    }
    return pid;
}
