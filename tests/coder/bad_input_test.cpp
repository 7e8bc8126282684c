// Inputs and outputs that must fail cleanly, damaged input that must not, and hostile names.
#include "coder/CoderHarness.h"
#include "support/WithoutRootFileAccess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <unistd.h>

using namespace coder_test;

namespace {

class BadInput : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "sine=frequency=500:duration=6:sample_rate=44100", path("good.wav")}));
        ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "sine=frequency=500:duration=6:sample_rate=44100", "-b:a", "128k",
                            path("good.mp3")}));
    }
    static void TearDownTestSuite() { dir_.reset(); }

    static QString path(const QString& name) { return dir_->filePath(name); }

    static void write(const QString& name, const QByteArray& bytes)
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    // A failed run: non-zero, no crash or hang, a message on the pipe naming the file and the
    // reason, nothing left at the output's name nor beside it.
    static void expectCleanFailure(const QStringList& args, const QString& named, const char* reason,
                                   const QString& output)
    {
        const RunResult r = runCoder(args, 20000);
        EXPECT_FALSE(r.crashed);
        EXPECT_FALSE(r.timedOut);
        EXPECT_NE(r.exitCode, 0) << r.output.constData();
        const QString text = QString::fromUtf8(r.output);
        EXPECT_TRUE(text.contains(named)) << text.toStdString();
        EXPECT_EQ(text.count("coder: "), 1) << "one error line: " << text.toStdString();
        EXPECT_TRUE(text.contains(QLatin1String(reason))) << text.toStdString();
        EXPECT_FALSE(QFile::exists(output)) << output.toStdString();
        EXPECT_TRUE(QDir(QFileInfo(output).absolutePath()).entryList({".coder-*"}, QDir::Hidden | QDir::Files).isEmpty());
    }

    static std::unique_ptr<QTemporaryDir> dir_;
};

std::unique_ptr<QTemporaryDir> BadInput::dir_;

TEST_F(BadInput, InputsThatAreNotSoundFail)
{
    write("empty.mp3", {});
    write("text.mp3", "This is a letter, not a song.\nIt only pretends to be one by its name.\n");
    QByteArray noise(200000, '\0');
    std::uint32_t x = 12345;
    for (char& c : noise) {
        x = x * 1103515245u + 12345u;
        c = static_cast<char>(x >> 24);
    }
    write("random.mp3", noise);
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "testsrc=duration=2:size=64x48:rate=10", "-c:v", "mpeg4",
                        path("silent.mp4")}));

    const QString out = path("out.wav");
    expectCleanFailure({"-i", path("missing.mp3"), "-y", "-vn", out}, "missing.mp3", "No such file", out);
    expectCleanFailure({"-i", path("empty.mp3"), "-y", "-vn", out}, "empty.mp3", "not a media file", out);
    expectCleanFailure({"-i", path("text.mp3"), "-y", "-vn", out}, "text.mp3", "not a media file", out);
    expectCleanFailure({"-i", path("random.mp3"), "-y", "-vn", out}, "random.mp3", "not a media file", out);
    expectCleanFailure({"-i", path("silent.mp4"), "-y", "-vn", out}, "silent.mp4", "no audio stream", out);
    expectCleanFailure({"-i", dir_->path(), "-y", "-vn", out}, dir_->path(), "folder", out);
}

TEST_F(BadInput, OutputsThatCannotBeWrittenFail)
{
    expectCleanFailure({"-i", path("good.wav"), "-y", path("no/such/folder/o.mp3")}, "o.mp3", "No such file",
                       path("no/such/folder/o.mp3"));
    write("plain-file", "x");
    expectCleanFailure({"-i", path("good.wav"), "-y", path("plain-file/o.wav")}, "o.wav", "not a folder",
                       path("plain-file/o.wav"));
    // /proc refuses new files even to root.
    expectCleanFailure({"-i", path("good.wav"), "-y", "/proc/coder-test.wav"}, "/proc/coder-test.wav",
                       "cannot write", "/proc/coder-test.wav");
    expectCleanFailure({"-i", path("good.wav"), "-y", path("o.unknownext")}, "o.unknownext", "format", path("o.unknownext"));
    expectCleanFailure({"-i", path("good.wav"), "-y", "-ar", "44100", path("o.amr")}, "o.amr", "8000 Hz",
                       path("o.amr"));
}

TEST_F(BadInput, ReadOnlyFolderIsRefused)
{
    // As root (CI), the permission bits are made to count for this process and its children.
    WithoutRootFileAccess asOwner;
    ASSERT_TRUE(asOwner.ready());
    ASSERT_TRUE(QDir().mkpath(path("ro")));
    ASSERT_TRUE(QFile::setPermissions(path("ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    expectCleanFailure({"-i", path("good.wav"), "-y", path("ro/o.wav")}, "o.wav", "Permission denied", path("ro/o.wav"));
    QFile::setPermissions(path("ro"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(BadInput, CommandLineMistakesFail)
{
    const QString out = path("cli.wav");
    expectCleanFailure({"-i", path("good.wav"), "-frobnicate", "1", out}, "-frobnicate", "unknown option", out);
    expectCleanFailure({"-i", path("good.wav"), "-ab", "loud", out}, "loud", "bit rate", out);
    expectCleanFailure({"-i", path("good.wav"), "-ss", "-3", out}, "-3", "-ss", out);
    expectCleanFailure({"-i", path("good.wav")}, "output", "no output", out);
    expectCleanFailure({"-i", path("good.wav"), "-ss", "6", "-t", "1", "-y", out}, "nothing to write", "cli.wav", out);
    expectCleanFailure({"-i", path("good.mp3"), "-ss", "9", "-y", out}, "nothing to write", "good.mp3", out);
}

TEST_F(BadInput, ExistingOutputIsKeptWithoutYesAndWhenARunFails)
{
    write("keep.wav", "precious");
    const RunResult r = runCoder({"-i", path("good.wav"), path("keep.wav")});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.output.contains("already exists")) << r.output.constData();
    QFile f(path("keep.wav"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "precious");
    f.close();

    const RunResult failed = runCoder({"-i", path("good.wav"), "-ss", "10", "-y", path("keep.wav")});
    EXPECT_NE(failed.exitCode, 0);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "precious");
    f.close();

    const RunResult replaced = runCoder({"-i", path("good.wav"), "-t", "1", "-y", path("keep.wav")});
    EXPECT_EQ(replaced.exitCode, 0);
    EXPECT_EQ(readWav(path("keep.wav")).samples.size(), 44100u);
}

TEST_F(BadInput, TheInputIsNeverAlsoTheOutput)
{
    QFile good(path("good.wav"));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray original = good.readAll();
    ASSERT_TRUE(QFile::copy(path("good.wav"), path("mine.wav")));
    ASSERT_EQ(::link(path("mine.wav").toLocal8Bit().constData(), path("mine-hardlink.wav").toLocal8Bit().constData()), 0);
    ASSERT_TRUE(QFile::link(path("mine.wav"), path("mine-symlink.wav")));
    for (const QString& out : {path("mine.wav"), path("mine-hardlink.wav"), path("mine-symlink.wav"),
                               dir_->path() + "/./mine.wav"}) {
        const RunResult r = runCoder({"-i", path("mine.wav"), "-ss", "1", "-t", "2", "-y", out});
        EXPECT_NE(r.exitCode, 0) << out.toStdString();
        EXPECT_TRUE(r.output.contains("is the input file itself")) << r.output.constData();
        QFile f(path("mine.wav"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.readAll() == original) << out.toStdString();
    }
    EXPECT_TRUE(QFileInfo(path("mine-symlink.wav")).isSymLink());
}

TEST_F(BadInput, DamagedMp3IsConvertedWithAWarning)
{
    QFile good(path("good.mp3"));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray bytes = good.readAll();
    write("truncated.mp3", bytes.left(bytes.size() / 2));
    QByteArray damaged = bytes;
    for (qsizetype i = damaged.size() / 3; i < damaged.size() / 3 + 4000; ++i)
        damaged[i] = static_cast<char>(i * 7919 % 251);
    write("damaged.mp3", damaged);

    const RunResult t = runCoder({"-i", path("truncated.mp3"), "-y", "-vn", path("t.wav")});
    EXPECT_EQ(t.exitCode, 0) << t.output.constData();
    const double half = static_cast<double>(readWav(path("t.wav")).samples.size()) / 44100;
    EXPECT_NEAR(half, 3.0, 0.1);

    const RunResult d = runCoder({"-i", path("damaged.mp3"), "-y", "-vn", path("d.wav")});
    EXPECT_EQ(d.exitCode, 0) << d.output.constData();
    EXPECT_TRUE(d.output.contains("warning")) << d.output.constData();
    EXPECT_GT(readWav(path("d.wav")).samples.size(), 44100u * 4);
}

TEST_F(BadInput, JoinedMp3sOfDifferentShapesConvertInOrder)
{
    // 2 s of 44.1 kHz stereo followed by 2 s of 22.05 kHz mono in one file, as `cat` joins them.
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=2:sample_rate=44100", "-ac", "2",
                        path("part1.mp3")}));
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "sine=frequency=300:duration=2:sample_rate=22050", "-ac", "1",
                        path("part2.mp3")}));
    QFile a(path("part1.mp3")), b(path("part2.mp3"));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    write("joined.mp3", a.readAll() + b.readAll());
    const RunResult r = runCoder({"-i", path("joined.mp3"), "-y", "-vn", path("joined.wav")});
    EXPECT_FALSE(r.crashed) << r.output.constData();
    ASSERT_EQ(r.exitCode, 0) << r.output.constData();
    const WavData w = readWav(path("joined.wav"));
    EXPECT_EQ(w.sampleRate, 44100);
    EXPECT_EQ(w.channels, 2);
    EXPECT_NEAR(static_cast<double>(w.samples.size()) / 2 / 44100, 4.0, 0.1);
}

TEST_F(BadInput, InterruptedRunLeavesNothingBehind)
{
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=900:sample_rate=44100", path("long.wav")}));
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(coderPath(), {"-i", path("long.wav"), "-y", "-ab", "128k", path("stopped.mp3")});
    ASSERT_TRUE(p.waitForStarted());
    // The first progress line shows the run is under way and its temporary file exists.
    QByteArray seen;
    while (!seen.contains("size=") && p.waitForReadyRead(20000))
        seen += p.readAll();
    ASSERT_TRUE(seen.contains("size=")) << seen.constData();
    p.terminate();
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_FALSE(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0);
    EXPECT_FALSE(QFile::exists(path("stopped.mp3")));
    EXPECT_TRUE(QDir(dir_->path()).entryList({".coder-*"}, QDir::Hidden | QDir::Files).isEmpty());
}

TEST_F(BadInput, HostileNamesAreJustNames)
{
    const QStringList names = {"with space.wav", "quote \"in\" name.wav", "-leading dash.wav", "$(touch pwned).wav",
                               "`id`;rm -rf x.wav", QString::fromUtf8("\u00fcnïcode \u65e5\u672c.wav"),
                               "concat:good.wav", "a'b.wav"};
    for (const QString& name : names) {
        ASSERT_TRUE(QFile::copy(path("good.wav"), path(name))) << name.toStdString();
        const QString out = path("out " + name).replace(".wav", ".mp3");
        const RunResult r = runCoder({"-i", path(name), "-ss", "1", "-t", "2", "-y", "-ab", "128k", "-ar", "44100",
                                      "-ac", "1", out});
        EXPECT_EQ(r.exitCode, 0) << name.toStdString() << ": " << r.output.constData();
        EXPECT_EQ(probeStream(out, "codec_name"), "mp3") << name.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("pwned")));
    EXPECT_FALSE(QFile::exists("pwned"));

    // Relative names that look like protocols or options are files too.
    const RunResult rel = runCoder({"-i", "concat:good.wav", "-t", "1", "-y", "--", "-out.wav"}, 20000, dir_->path());
    EXPECT_EQ(rel.exitCode, 0) << rel.output.constData();
    EXPECT_EQ(readWav(path("-out.wav")).samples.size(), 44100u);
}

} // namespace
