// Where and how coder puts its output: through a symbolic link into the file it names, with
// the permissions of the file it replaces, never over a file the user may not write, and with
// nothing left behind by a run that is killed.
#include "coder/CoderHarness.h"
#include "coder/TempOutput.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace coder_test;

namespace {

class TempOutputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        write("in.wav", wavBytes(8000, 1, noise(8000, 4000, 3)));
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    static QByteArray contents(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static mode_t modeOf(const QString& file)
    {
        struct stat st {};
        return ::stat(file.toLocal8Bit().constData(), &st) == 0 ? st.st_mode & 07777 : 0;
    }

    static QStringList partsIn(const QString& folder)
    {
        return QDir(folder).entryList({".coder-*"}, QDir::Files | QDir::Hidden | QDir::System);
    }

    // A half-second cut of in.wav to out.
    static RunResult cut(const QString& in, const QString& out) { return runCoder({"-i", in, "-t", "0.5", "-y", out}); }

    QTemporaryDir dir;
};

TEST_F(TempOutputTest, ASymbolicLinkIsWrittenThroughToTheFileItNames)
{
    write("real.wav", "old");
    ASSERT_TRUE(QFile::link("real.wav", path("link.wav")));
    ASSERT_TRUE(QFile::link("link.wav", path("chain.wav")));
    const RunResult r = cut(path("in.wav"), path("chain.wav"));
    ASSERT_EQ(r.exitCode, 0) << r.output.constData();
    EXPECT_TRUE(QFileInfo(path("chain.wav")).isSymLink());
    EXPECT_TRUE(QFileInfo(path("link.wav")).isSymLink());
    EXPECT_EQ(readWav(path("real.wav")).samples.size(), 4000u);

    // A link to a file that does not exist yet makes that file.
    ASSERT_TRUE(QDir().mkpath(path("sub")));
    ASSERT_TRUE(QFile::link("sub/made.wav", path("dangling.wav")));
    ASSERT_EQ(cut(path("in.wav"), path("dangling.wav")).exitCode, 0);
    EXPECT_TRUE(QFileInfo(path("dangling.wav")).isSymLink());
    EXPECT_EQ(readWav(path("sub/made.wav")).samples.size(), 4000u);
    EXPECT_TRUE(partsIn(dir.path()).isEmpty());
    EXPECT_TRUE(partsIn(path("sub")).isEmpty());
}

TEST_F(TempOutputTest, AReplacedFileKeepsItsPermissions)
{
    for (const mode_t mode : {0640, 0600, 0664}) {
        write("kept.wav", "old");
        ASSERT_EQ(::chmod(path("kept.wav").toLocal8Bit().constData(), mode), 0);
        ASSERT_EQ(cut(path("in.wav"), path("kept.wav")).exitCode, 0);
        EXPECT_EQ(modeOf(path("kept.wav")), mode);
        EXPECT_EQ(readWav(path("kept.wav")).samples.size(), 4000u);
    }
    // A new file gets the usual permissions, like any other file the user makes.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ASSERT_EQ(cut(path("in.wav"), path("new.wav")).exitCode, 0);
    EXPECT_EQ(modeOf(path("new.wav")), 0666 & ~mask);
}

TEST_F(TempOutputTest, AFileTheUserMayNotWriteIsNotReplaced)
{
    // As root the run drops to an ordinary user, who owns both files in a folder open to all.
    const QString shared = path("shared");
    ASSERT_TRUE(QDir().mkpath(shared));
    ASSERT_EQ(::chmod(shared.toLocal8Bit().constData(), 0777), 0);
    ASSERT_EQ(::chmod(dir.path().toLocal8Bit().constData(), 0755), 0);
    ASSERT_TRUE(QFile::copy(path("in.wav"), shared + "/in.wav"));
    write("shared/readonly.wav", "keep");
    write("shared/writable.wav", "old");
    ASSERT_EQ(::chmod((shared + "/in.wav").toLocal8Bit().constData(), 0644), 0);
    ASSERT_EQ(::chmod((shared + "/readonly.wav").toLocal8Bit().constData(), 0444), 0);
    ASSERT_EQ(::chmod((shared + "/writable.wav").toLocal8Bit().constData(), 0644), 0);
    if (::geteuid() == 0) {
        for (const char* name : {"/readonly.wav", "/writable.wav"})
            ASSERT_EQ(::chown((shared + name).toLocal8Bit().constData(), 65534, 65534), 0);
    }

    const RunResult allowed = runCoderUnprivileged({"-i", shared + "/in.wav", "-t", "0.5", "-y", shared + "/writable.wav"}, shared);
    ASSERT_EQ(allowed.exitCode, 0) << allowed.output.constData();
    EXPECT_EQ(readWav(shared + "/writable.wav").samples.size(), 4000u);

    const RunResult refused = runCoderUnprivileged({"-i", shared + "/in.wav", "-t", "0.5", "-y", shared + "/readonly.wav"}, shared);
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_TRUE(refused.output.contains("readonly.wav: cannot write (Permission denied)")) << refused.output.constData();
    EXPECT_EQ(contents(shared + "/readonly.wav"), "keep");
    EXPECT_EQ(modeOf(shared + "/readonly.wav"), 0444u);
    EXPECT_TRUE(partsIn(shared).isEmpty());
}

TEST_F(TempOutputTest, AKilledDecodeLeavesNothingInTheOutputFolder)
{
    // The input is a pipe that never ends, fed until coder shows progress: a long decode on
    // any machine, however loaded.
    QTemporaryDir out;
    const QString fifo = path("endless.wav");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(coderPath(), {"-i", fifo, "-y", "-vn", out.filePath("open.wav")});
    ASSERT_TRUE(p.waitForStarted());
    const int fd = ::open(fifo.toLocal8Bit().constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    const QByteArray header = wavBytes(44100, 2, {}, 0xFFFFFFFFu);
    ASSERT_EQ(::write(fd, header.constData(), static_cast<size_t>(header.size())), header.size());
    const std::vector<std::int16_t> chunk = noise(4096, 3000, 9);
    QByteArray seen;
    QElapsedTimer clock;
    clock.start();
    while (!seen.contains("size=") && p.state() == QProcess::Running && clock.elapsed() < 60000) {
        if (::write(fd, chunk.data(), chunk.size() * 2) < 0 && errno != EAGAIN)
            break;
        p.waitForReadyRead(10);
        seen += p.readAll();
    }
    ASSERT_TRUE(seen.contains("size=")) << seen.constData();
    ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
    ASSERT_TRUE(p.waitForFinished(20000));
    ::close(fd);

    const int probe = ::open(out.path().toLocal8Bit().constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (probe >= 0) {
        ::close(probe);
        EXPECT_TRUE(QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                        .isEmpty());
        return;
    }
    // A file system without unnamed files keeps the killed run's part until a later run
    // there finds it stale.
    const QStringList parts = partsIn(out.path());
    ASSERT_EQ(parts.size(), 1);
    QFile part(out.filePath(parts[0]));
    ASSERT_TRUE(part.open(QIODevice::ReadWrite));
    ASSERT_TRUE(part.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    part.close();
    ASSERT_EQ(cut(path("in.wav"), out.filePath("later.wav")).exitCode, 0);
    EXPECT_TRUE(partsIn(out.path()).isEmpty());
}

TEST_F(TempOutputTest, PartsOfDeadRunsAreRemovedByTheNextRunThere)
{
    // Dead and alive, an hour old; and one just made, which its run may not have locked yet.
    const QDateTime hourAgo = QDateTime::currentDateTime().addSecs(-3600);
    for (const char* name : {".coder-dead01.part", ".coder-live01.part", ".coder-notes.txt", ".coder-fresh1.part"}) {
        write(name, "half a file");
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        const bool fresh = QByteArray(name) == ".coder-fresh1.part";
        ASSERT_TRUE(fresh || f.setFileTime(hourAgo, QFileDevice::FileModificationTime));
    }
    // A run that is still writing holds the lock of its part.
    const int live = ::open(path(".coder-live01.part").toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);
    ASSERT_EQ(cut(path("in.wav"), path("out.wav")).exitCode, 0);
    EXPECT_EQ(partsIn(dir.path()), QStringList({".coder-fresh1.part", ".coder-live01.part", ".coder-notes.txt"}));
    ::close(live);
    ASSERT_EQ(cut(path("in.wav"), path("out.wav")).exitCode, 0);
    EXPECT_EQ(partsIn(dir.path()), QStringList({".coder-fresh1.part", ".coder-notes.txt"}));
}

TEST_F(TempOutputTest, WhereNoUnnamedFileCanBeMadeANamedPartStandsIn)
{
    const QByteArray bytes = "RIFF and the rest";
    {
        coder::TempOutput named(path("named.wav").toStdString(), coder::TempOutput::Kind::Named);
        EXPECT_EQ(named.kind(), coder::TempOutput::Kind::Named);
        EXPECT_EQ(partsIn(dir.path()).size(), 1);
        QFile f(QString::fromStdString(named.path()));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        EXPECT_FALSE(QFile::exists(path("named.wav")));
        named.commit(true);
    }
    EXPECT_EQ(contents(path("named.wav")), bytes);
    {
        coder::TempOutput abandoned(path("abandoned.wav").toStdString(), coder::TempOutput::Kind::Named);
        EXPECT_EQ(partsIn(dir.path()).size(), 1);
    }
    EXPECT_FALSE(QFile::exists(path("abandoned.wav")));
    EXPECT_TRUE(partsIn(dir.path()).isEmpty());
}

} // namespace
