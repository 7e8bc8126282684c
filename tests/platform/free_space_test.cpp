// The room left on the file system of a folder, which the decode checks before it writes.
#include "platform/FreeSpace.h"

#include "support/ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {
// What stat(1) tells of the file system of `path`: blocks free to ordinary users times the
// fragment size; nullopt when it cannot be run.
std::optional<qint64> statAvailable(const QString& path)
{
    QProcess stat;
    stat.start("stat", {"-f", "-c", "%a %S", path});
    if (!stat.waitForFinished(30000) || stat.exitCode() != 0)
        return std::nullopt;
    const QStringList f = QString::fromLatin1(stat.readAllStandardOutput()).split(' ', Qt::SkipEmptyParts);
    if (f.size() != 2)
        return std::nullopt;
    return f[0].toLongLong() * f[1].trimmed().toLongLong();
}
}  // namespace

TEST(FreeSpace, NothingToTellWithoutAFolder)
{
    QTemporaryDir dir;
    EXPECT_FALSE(freeBytes(dir.filePath("missing")).has_value());
    EXPECT_FALSE(freeBytes(dir.filePath("missing/deeper")).has_value());
    EXPECT_FALSE(freeBytes(QString()).has_value());
}

TEST(FreeSpace, TellsWhatStatTellsOfTheTemporaryFolder)
{
    // Other programs write on this file system too: a reading counts when stat(1) tells the
    // same before and after it.
    QTemporaryDir dir;
    bool agreed = false;
    for (int attempt = 0; attempt < 50 && !agreed; ++attempt) {
        const std::optional<qint64> before = statAvailable(dir.path());
        ASSERT_TRUE(before.has_value()) << "stat -f cannot be run";
        const std::optional<qint64> ours = freeBytes(dir.path());
        if (statAvailable(dir.path()) != before)
            continue;  // something was written meanwhile
        EXPECT_EQ(ours, before);
        agreed = true;
    }
    EXPECT_TRUE(agreed) << "the file system never stood still long enough to compare";
}

TEST(FreeSpace, FollowsWhatIsWrittenOnAFileSystemOfKnownSize)
{
    // A tmpfs of 1 MiB in 4 KiB pages: all of it free, then 256 KiB less once a file holds them.
    QTemporaryDir dir;
    const QString mount = dir.filePath("mnt");
    ASSERT_TRUE(QDir().mkpath(mount));
    const QByteArray mountPath = QFile::encodeName(mount);
    const int outcome = inOwnMountNamespace([&] {
        if (::mount("tmpfs", mountPath.constData(), "tmpfs", 0, "size=1m,mode=0700") != 0)
            return 10;
        if (freeBytes(mount) != 1024 * 1024)
            return 11;
        const int fd = ::open((mountPath + "/wav").constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        const QByteArray bytes(256 * 1024, 'w');
        if (fd < 0 || ::write(fd, bytes.constData(), bytes.size()) != bytes.size())
            return 12;
        ::close(fd);
        if (freeBytes(mount) != 768 * 1024)
            return 13;
        if (freeBytes(mount + "/wav") != 768 * 1024)  // a file tells of its file system too
            return 14;
        return 0;
    });
    if (outcome == kNoMountNamespace)
        GTEST_SKIP() << "this user may not have a mount namespace of its own (root may)";
    EXPECT_EQ(outcome, 0) << "10: no tmpfs, 11: not all free, 12: no file written, 13: the file not counted, "
                             "14: a file path not answered";
}
