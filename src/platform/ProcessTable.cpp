#include "platform/ProcessTable.h"

#include <QByteArray>

#include <cctype>
#include <cstdio>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {
struct DirCloser {
    void operator()(DIR* d) const { ::closedir(d); }
};
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

bool allDigits(const char* s)
{
    if (!*s)
        return false;
    for (; *s; ++s)
        if (!std::isdigit(static_cast<unsigned char>(*s)))
            return false;
    return true;
}

// Reads a small /proc file; returns an empty array when it is gone.
QByteArray readSmall(const QByteArray& path)
{
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(path.constData(), "re"));
    if (!f)
        return {};
    char buf[512];
    const size_t got = std::fread(buf, 1, sizeof buf, f.get());
    return QByteArray(buf, static_cast<qsizetype>(got));
}

// The state letter of /proc/<pid>/stat comes after the name's closing parenthesis.
bool isZombie(const QByteArray& procDir)
{
    const QByteArray stat = readSmall(procDir + "/stat");
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0 || close + 2 >= stat.size())
        return true;  // gone while we looked
    const char state = stat.at(close + 2);
    return state == 'Z' || state == 'X';
}
}

bool isProcessNameRunning(const QString& name)
{
    const QByteArray wanted = name.toLocal8Bit().left(15).toLower();
    std::unique_ptr<DIR, DirCloser> proc(::opendir("/proc"));
    if (!proc)
        return false;
    while (const dirent* e = ::readdir(proc.get())) {
        if (!allDigits(e->d_name))
            continue;
        const QByteArray dir = QByteArray("/proc/") + e->d_name;
        QByteArray comm = readSmall(dir + "/comm");
        if (comm.endsWith('\n'))
            comm.chop(1);
        if (comm.toLower() == wanted && !isZombie(dir))
            return true;
    }
    return false;
}

QString ownProcessName()
{
    QByteArray comm = readSmall("/proc/self/comm");
    if (comm.endsWith('\n'))
        comm.chop(1);
    return QString::fromLocal8Bit(comm);
}

bool isOwnProcessNamed(qint64 pid, const QString& name)
{
    if (pid <= 0)
        return false;
    const QByteArray dir = "/proc/" + QByteArray::number(pid);
    struct stat st {};
    if (::stat(dir.constData(), &st) != 0 || st.st_uid != ::getuid())
        return false;
    QByteArray comm = readSmall(dir + "/comm");
    if (comm.endsWith('\n'))
        comm.chop(1);
    return !comm.isEmpty() && comm.toLower() == name.toLocal8Bit().left(15).toLower() && !isZombie(dir);
}
