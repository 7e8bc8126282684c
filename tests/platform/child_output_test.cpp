// Finding the file a child process writes in a private folder through /proc: the unnamed
// O_TMPFILE and the named part file, the same file still read after it is put into place or
// after its writer was killed, and every file that must not be taken.
#include "platform/ChildOutput.h"

#include "platform/WavFile.h"
#include "support/SlowWavWriter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct stat statOf(int fd)
{
    struct stat st {};
    EXPECT_EQ(::fstat(fd, &st), 0);
    return st;
}

class ChildOutputTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
};

TEST_F(ChildOutputTest, FindsTheUnnamedFileAndKeepsReadingItOnceLinkedIntoPlace)
{
    SlowWavWriter writer(dir.path(), "open.wav", 2, 8000, SlowWavWriter::Place::Unnamed);
    ASSERT_TRUE(writer.ok());
    ASSERT_TRUE(writer.header(10));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());  // no name yet
    std::optional<ChildOutput> found = findChildOutput(pid_t(writer.pid()), dir.path());
    ASSERT_TRUE(found);
    EXPECT_TRUE(found->unnamed);
    EXPECT_EQ(::fcntl(found->fd.get(), F_GETFL) & O_ACCMODE, O_RDONLY);
    EXPECT_EQ(found->procPath(), QStringLiteral("/proc/self/fd/%1").arg(found->fd.get()));
    EXPECT_EQ(statOf(found->fd.get()).st_size, 10);

    ASSERT_TRUE(writer.frames(1234));
    auto wav = WavFile::openGrowing(found->procPath());
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->frames(), 1234);
    EXPECT_FALSE(wav->isFinal());

    ASSERT_TRUE(writer.finish());
    struct stat placed {};
    ASSERT_EQ(::stat(QFile::encodeName(dir.filePath("open.wav")).constData(), &placed), 0);
    EXPECT_EQ(placed.st_ino, statOf(found->fd.get()).st_ino);
    EXPECT_EQ(wav->refresh(), 1234);
    EXPECT_TRUE(wav->isFinal());
}

TEST_F(ChildOutputTest, FindsTheNamedPartFileAndFollowsItThroughTheRename)
{
    SlowWavWriter writer(dir.path(), "open.wav", 1, 8000, SlowWavWriter::Place::Named);
    ASSERT_TRUE(writer.ok());
    ASSERT_TRUE(writer.frames(100));
    std::optional<ChildOutput> found = findChildOutput(pid_t(writer.pid()), dir.path());
    ASSERT_TRUE(found);
    EXPECT_FALSE(found->unnamed);
    auto wav = WavFile::openGrowing(found->procPath());
    ASSERT_TRUE(wav);
    ASSERT_TRUE(writer.frames(50));
    ASSERT_TRUE(writer.finish());
    EXPECT_EQ(wav->refresh(), 150);
    EXPECT_TRUE(wav->isFinal());
    struct stat placed {};
    ASSERT_EQ(::stat(QFile::encodeName(dir.filePath("open.wav")).constData(), &placed), 0);
    EXPECT_EQ(placed.st_ino, statOf(found->fd.get()).st_ino);
}

TEST_F(ChildOutputTest, AFileKilledHalfWayStaysReadableThroughTheDescriptor)
{
    SlowWavWriter writer(dir.path(), "open.wav", 2, 8000, SlowWavWriter::Place::Unnamed);
    ASSERT_TRUE(writer.ok());
    ASSERT_TRUE(writer.frames(800));
    std::optional<ChildOutput> found = findChildOutput(pid_t(writer.pid()), dir.path());
    ASSERT_TRUE(found);
    auto wav = WavFile::openGrowing(found->procPath());
    ASSERT_TRUE(wav);
    ASSERT_TRUE(writer.bytes(4 * 200 + 1));
    const qint64 pid = writer.pid();
    writer.kill();
    EXPECT_FALSE(findChildOutput(pid_t(pid), dir.path()));  // the process is gone
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_EQ(wav->refresh(), 1000);
    EXPECT_FALSE(wav->isFinal());
    std::vector<qint16> last(2);
    ASSERT_EQ(wav->readFrames(999, last.data(), 1), 1);
    EXPECT_EQ(qFromLittleEndian(last[1]), growingWavSample(999, 1));
}

TEST_F(ChildOutputTest, TakesNothingOutsideTheFolderOrNotWrittenOrNotOurs)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("private"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("elsewhere"));
    const QString folder = dir.filePath("private");

    // A file in another folder, and one reached through a link in the folder.
    SlowWavWriter other(dir.filePath("elsewhere"), "x.wav", 1, 8000, SlowWavWriter::Place::Direct);
    ASSERT_TRUE(other.ok());
    EXPECT_FALSE(findChildOutput(pid_t(other.pid()), folder));
    EXPECT_TRUE(findChildOutput(pid_t(other.pid()), dir.filePath("elsewhere")));
    ASSERT_TRUE(QFile::link(dir.filePath("elsewhere/y.wav"), dir.filePath("private/link.wav")));
    SlowWavWriter throughLink(folder, "link.wav", 1, 8000, SlowWavWriter::Place::Direct);
    ASSERT_TRUE(throughLink.ok());
    ASSERT_TRUE(QFile::exists(dir.filePath("elsewhere/y.wav")));
    EXPECT_FALSE(findChildOutput(pid_t(throughLink.pid()), folder));

    // A folder given by a symbolic link.
    SlowWavWriter inside(folder, "open.wav", 1, 8000, SlowWavWriter::Place::Direct);
    ASSERT_TRUE(inside.ok());
    EXPECT_TRUE(findChildOutput(pid_t(inside.pid()), folder));
    ASSERT_TRUE(QFile::link(folder, dir.filePath("alias")));
    EXPECT_FALSE(findChildOutput(pid_t(inside.pid()), dir.filePath("alias")));

    // A file the child only reads.
    const QString input = dir.filePath("private/in.wav");
    ASSERT_TRUE(QFile(input).open(QIODevice::WriteOnly));
    QProcess reader;
    reader.setStandardInputFile(input);
    reader.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    ASSERT_TRUE(reader.waitForStarted(10000));
    EXPECT_FALSE(findChildOutput(pid_t(reader.processId()), folder));
    reader.kill();
    reader.waitForFinished(10000);

    // No such process.
    EXPECT_FALSE(findChildOutput(0, folder));
    EXPECT_FALSE(findChildOutput(pid_t(reader.processId()), folder));

    // A file that belongs to another user (checked where the test may give files away).
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(dir.filePath("private/open.wav")).constData(), 65534, 65534), 0);
        EXPECT_FALSE(findChildOutput(pid_t(inside.pid()), folder));
    }
}

}  // namespace
