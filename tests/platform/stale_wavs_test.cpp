#include "platform/StaleWavs.h"

#include "support/ProcessProbes.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>

namespace {
void touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("RIFF");
}

// A child that carries `name`: returns once /proc shows it under that name (the kernel keeps
// 15 bytes of it), or, with a failure, when it does not within a generous deadline.
pid_t namedChild(const QByteArray& name)
{
    const pid_t pid = startNamedChild(name);
    if (pid <= 0)
        return pid;
    const bool named = QTest::qWaitFor(
        [&] {
            QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
            return comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == name.left(15);
        },
        30000);
    if (!named)
        ADD_FAILURE() << "the child never took the name " << name.constData();
    return pid;
}

QByteArray ownName()
{
    QFile comm(QStringLiteral("/proc/self/comm"));
    if (!comm.open(QIODevice::ReadOnly))
        return {};
    return comm.readAll().trimmed();
}
}

TEST(StaleWavs, RemovesOnlyTheWavsOfInstancesThatAreGone)
{
    QTemporaryDir root;
    const QString dir = root.filePath("tunesnip");
    ASSERT_TRUE(QDir().mkdir(dir));
    ::chmod(QFile::encodeName(dir).constData(), 0700);

    const pid_t running = namedChild(ownName());  // another instance of this program
    const pid_t other = namedChild("tsNotUs");    // a live process of another program
    const pid_t dead = namedChild("tsGone");
    ASSERT_GT(running, 0);
    ASSERT_GT(other, 0);
    ASSERT_GT(dead, 0);
    ::kill(dead, SIGKILL);
    ::waitpid(dead, nullptr, 0);
    auto wav = [&](qint64 pid) { return dir + QStringLiteral("/open-%1.wav").arg(pid); };
    touch(wav(QCoreApplication::applicationPid()));
    touch(wav(running));
    touch(wav(other));
    touch(wav(dead));
    touch(wav(999999999));
    touch(dir + "/open-x.wav");
    touch(dir + "/notes.txt");
    // A selection rendered with its effects goes with its instance too.
    const QString preview = dir + QStringLiteral("/preview-%1.wav").arg(dead);
    const QString ownPreview = dir + QStringLiteral("/preview-%1.wav").arg(QCoreApplication::applicationPid());
    touch(preview);
    touch(ownPreview);

    EXPECT_EQ(removeStaleWavs(dir), 4);
    EXPECT_FALSE(QFile::exists(preview));
    EXPECT_TRUE(QFile::exists(ownPreview));
    EXPECT_TRUE(QFile::exists(wav(QCoreApplication::applicationPid())));  // ours
    EXPECT_TRUE(QFile::exists(wav(running)));
    EXPECT_FALSE(QFile::exists(wav(other)));  // the pid was taken by something else
    EXPECT_FALSE(QFile::exists(wav(dead)));
    EXPECT_FALSE(QFile::exists(wav(999999999)));
    EXPECT_TRUE(QFile::exists(dir + "/open-x.wav"));
    EXPECT_TRUE(QFile::exists(dir + "/notes.txt"));

    // Once that instance has ended too, its WAV goes at the next start.
    ::kill(running, SIGKILL);
    ::waitpid(running, nullptr, 0);
    EXPECT_EQ(removeStaleWavs(dir), 1);
    EXPECT_FALSE(QFile::exists(wav(running)));
    ::kill(other, SIGKILL);
    ::waitpid(other, nullptr, 0);
}

TEST(StaleWavs, LeavesAFolderThatIsNotPrivateAlone)
{
    QTemporaryDir root;
    const QString elsewhere = root.filePath("elsewhere");
    ASSERT_TRUE(QDir().mkdir(elsewhere));
    touch(elsewhere + "/open-999999999.wav");
    ASSERT_TRUE(QFile::link(elsewhere, root.filePath("tunesnip")));
    EXPECT_EQ(removeStaleWavs(root.filePath("tunesnip")), 0);
    EXPECT_TRUE(QFile::exists(elsewhere + "/open-999999999.wav"));
}
