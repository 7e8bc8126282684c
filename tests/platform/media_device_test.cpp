// The media device on SDL's "disk" audio driver, which writes exactly the samples it was given
// to a file at real-time pace: what is heard, positions, pause/resume/stop/close, and every
// refused command leaving the device as it was.
#include "platform/MediaDevice.h"
#include "platform/SdlMediaDevice.h"
#include "platform/WavFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

// Never zero, so the driver's silence is told apart from the sound.
qint16 patternSample(qint64 frame, int channel)
{
    const qint64 v = (frame * (channel + 1) + channel * 1234) % 30000 + 1;
    return qint16(channel % 2 ? -v : v);
}

QByteArray patternData(qint64 frames, int channels)
{
    QByteArray data(int(frames * channels * 2), Qt::Uninitialized);
    auto* p = reinterpret_cast<qint16*>(data.data());
    for (qint64 f = 0; f < frames; ++f)
        for (int c = 0; c < channels; ++c)
            *p++ = qToLittleEndian(patternSample(f, c));
    return data;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QString writePatternWav(const QString& path, int rate, int channels, double seconds, bool rf64 = false)
{
    const qint64 frames = qint64(rate * seconds);
    EXPECT_TRUE(writeFile(path, wavHeader(channels, rate, frames, rf64) + patternData(frames, channels)));
    return path;
}

class MediaDeviceTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString heard;
    std::unique_ptr<SdlMediaDevice> device;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        heard = dir.filePath("heard.raw");
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(heard));
        device = std::make_unique<SdlMediaDevice>();
    }
    void TearDown() override
    {
        device.reset();
        qunsetenv("SDL_DISKAUDIOFILE");
    }

    MediaResult send(const QString& command, int capacity = 128) { return device->send(command, capacity); }
    qint64 status(const QString& item)
    {
        const MediaResult r = send("status sound " + item);
        EXPECT_EQ(r.code, 0) << item.toStdString();
        return r.reply.toLongLong();
    }
    QString mode() { return send("status sound mode").reply; }

    // Polls `done` until it holds; false when it still does not after a generous deadline.
    static bool waitFor(const std::function<bool()>& done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > 15000)
                return false;
            QThread::msleep(5);
        }
        return true;
    }
    // Waits until the driver has taken at least `ms` more of sound or silence (it writes
    // silence while the device is paused), so that a position that must hold had time to move.
    bool deviceRuns(int ms, int rate, int channels)
    {
        const qint64 from = QFileInfo(heard).size();
        const qint64 bytes = qint64(ms) * rate / 1000 * channels * 2;
        return waitFor([&] { return QFileInfo(heard).size() >= from + bytes; });
    }

    // The frames the driver wrote, without the silence it writes while the device is paused.
    // Checks that what was heard is the file's frames from `firstFrame` on, none left out or
    // repeated: in one unbroken run, or with `gaps` of silence where the sound was paused.
    qint64 checkHeardRun(qint64 firstFrame, int channels, bool gaps = false)
    {
        QFile f(heard);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray raw = f.readAll();
        const auto* s = reinterpret_cast<const qint16*>(raw.constData());
        const qint64 frames = raw.size() / (2 * channels);
        auto silent = [&](qint64 i) {
            for (int c = 0; c < channels; ++c)
                if (s[i * channels + c] != 0)
                    return false;
            return true;
        };
        qint64 i = 0;
        while (i < frames && silent(i))
            ++i;
        qint64 run = 0;
        for (; i < frames && (gaps || !silent(i)); ++i) {
            if (silent(i))
                continue;
            for (int c = 0; c < channels; ++c) {
                const qint16 want = patternSample(firstFrame + run, c);
                if (qFromLittleEndian(s[i * channels + c]) != want) {
                    ADD_FAILURE() << "frame " << run << " channel " << c << ": heard "
                                  << s[i * channels + c] << ", file has " << want;
                    return run;
                }
            }
            ++run;
        }
        for (; i < frames; ++i)
            if (!silent(i)) {
                ADD_FAILURE() << "sound after the silence at frame " << i;
                break;
            }
        return run;
    }
};

TEST_F(MediaDeviceTest, PlaysExactlyTheFileFromTheRequestedPosition)
{
    const QString wav = writePatternWav(dir.filePath("counter.wav"), 44100, 2, 12.0);
    ASSERT_EQ(send("open " + wav + " alias sound").code, 0);
    EXPECT_EQ(device->driverName(), "disk");
    EXPECT_EQ(status("length"), 12000);
    EXPECT_EQ(status("position"), 0);
    EXPECT_EQ(mode(), "stopped");

    const MediaResult played = send("play sound from 10000", 0);
    EXPECT_EQ(played.code, 0);
    EXPECT_TRUE(played.reply.isEmpty());
    EXPECT_GE(status("position"), 10000);
    EXPECT_EQ(mode(), "playing");
    ASSERT_TRUE(waitFor([&] { return status("position") >= 10500; }));
    ASSERT_EQ(send("stop sound").code, 0);
    const qint64 stoppedAt = status("position");
    ASSERT_EQ(send("close sound").code, 0);  // flushes the driver's file

    const qint64 run = checkHeardRun(441000, 2);
    EXPECT_GT(run, 44100 / 10) << "hardly anything was played";
    // The position is exactly what went to the device.
    EXPECT_EQ(stoppedAt, (441000 + run) * 1000 / 44100);
}

TEST_F(MediaDeviceTest, MonoRf64AtAnotherRateIsPlayedAsWritten)
{
    const QString wav = writePatternWav(dir.filePath("mono.wav"), 8000, 1, 3.0, true);
    QFile check(wav);
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    ASSERT_EQ(check.read(4), QByteArray("RF64"));
    ASSERT_EQ(send("open " + wav + " alias sound").code, 0);
    EXPECT_EQ(status("length"), 3000);
    ASSERT_EQ(send("play sound from 1500", 0).code, 0);
    ASSERT_TRUE(waitFor([&] { return status("position") >= 1800; }));
    send("stop sound");
    const qint64 stoppedAt = status("position");
    send("close sound");
    const qint64 run = checkHeardRun(12000, 1);
    EXPECT_GT(run, 0);
    EXPECT_EQ(stoppedAt, (12000 + run) * 1000 / 8000);
}

TEST_F(MediaDeviceTest, PositionFollowsRealTimeAndHoldsWhilePausedOrStopped)
{
    const QString wav = writePatternWav(dir.filePath("clock.wav"), 44100, 2, 5.0);
    ASSERT_EQ(send("open " + wav + " alias sound").code, 0);
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(send("play sound").code, 0);
    ASSERT_TRUE(waitFor([&] { return status("position") >= 400; }));  // really moving
    const qint64 p1 = status("position");
    const qint64 elapsed = clock.elapsed();
    // Never ahead of the clock by more than the device's buffer (a slow machine only lags).
    EXPECT_LE(p1, elapsed * 105 / 100 + 100);

    ASSERT_EQ(send("pause sound").code, 0);
    EXPECT_EQ(mode(), "paused");
    const qint64 paused = status("position");
    ASSERT_TRUE(deviceRuns(150, 44100, 2));
    EXPECT_EQ(status("position"), paused);
    EXPECT_EQ(send("pause sound").code, 0);  // pausing again changes nothing

    ASSERT_EQ(send("resume sound").code, 0);
    EXPECT_EQ(mode(), "playing");
    EXPECT_TRUE(waitFor([&] { return status("position") > paused; }));

    ASSERT_EQ(send("stop sound").code, 0);
    EXPECT_EQ(mode(), "stopped");
    const qint64 stopped = status("position");
    ASSERT_TRUE(deviceRuns(100, 44100, 2));
    EXPECT_EQ(status("position"), stopped);
    EXPECT_EQ(send("resume sound").code, MediaError::NotApplicable);
    EXPECT_EQ(send("pause sound").code, MediaError::NotApplicable);
    EXPECT_EQ(status("position"), stopped);

    // "play" goes on from where it stopped.
    ASSERT_EQ(send("play sound").code, 0);
    EXPECT_TRUE(waitFor([&] { return status("position") > stopped; }));
    send("stop sound");
    send("close sound");
    const qint64 run = checkHeardRun(0, 2, true);  // pauses and stops lost or repeated nothing
    EXPECT_GT(run, 0);
}

TEST_F(MediaDeviceTest, PlaybackStopsAtTheEndAndStaysThere)
{
    const QString wav = writePatternWav(dir.filePath("short.wav"), 22050, 2, 0.3);
    ASSERT_EQ(send("open " + wav + " alias sound").code, 0);
    const qint64 length = status("length");
    EXPECT_EQ(length, 300);
    ASSERT_EQ(send("play sound").code, 0);
    ASSERT_TRUE(waitFor([&] { return mode() != "playing"; }));
    EXPECT_EQ(mode(), "stopped");
    EXPECT_EQ(status("position"), length);

    EXPECT_EQ(send("play sound").code, 0);  // at the end "play" has nothing left to play
    EXPECT_EQ(mode(), "stopped");
    EXPECT_EQ(send("resume sound").code, MediaError::NotApplicable);
    EXPECT_EQ(status("position"), length);

    EXPECT_EQ(send("play sound from 300", 0).code, 0);  // the very end is a valid place
    EXPECT_EQ(mode(), "stopped");
    EXPECT_EQ(status("position"), length);

    ASSERT_EQ(send("play sound from 0", 0).code, 0);
    EXPECT_EQ(mode(), "playing");
    EXPECT_LT(status("position"), length);
    send("stop sound");
    send("close sound");
    checkHeardRun(0, 2);
}

TEST_F(MediaDeviceTest, RefusedCommandsHaveNoEffect)
{
    // Nothing open yet.
    for (const char* c : {"play sound", "play sound from 1000", "pause sound", "resume sound", "stop sound",
                          "close sound", "status sound length", "status sound position"}) {
        const MediaResult r = send(c);
        EXPECT_EQ(r.code, MediaError::UnknownAlias) << c;
        EXPECT_TRUE(r.reply.isEmpty()) << c;
    }
    EXPECT_EQ(send("open " + dir.filePath("missing.wav") + " alias sound").code, MediaError::FileNotFound);
    EXPECT_EQ(send("open  alias sound").code, MediaError::FileNotFound);  // the empty short path
    const QString text = dir.filePath("notes.wav");
    ASSERT_TRUE(writeFile(text, "these are not samples"));
    EXPECT_EQ(send("open " + text + " alias sound").code, MediaError::InvalidFile);
    const QString eightBit = dir.filePath("eight.wav");
    QByteArray header = wavHeader(1, 8000, 100);
    header[34] = 8;  // bits per sample
    ASSERT_TRUE(writeFile(eightBit, header + QByteArray(100, '\x80')));
    EXPECT_EQ(send("open " + eightBit + " alias sound").code, MediaError::InvalidFile);
    EXPECT_EQ(send("status sound length").code, MediaError::UnknownAlias);

    const QString wav = writePatternWav(dir.filePath("ok.wav"), 44100, 2, 2.0);
    const QString other = writePatternWav(dir.filePath("other.wav"), 44100, 2, 1.0);
    ASSERT_EQ(send("open " + wav + " alias sound").code, 0);
    EXPECT_EQ(send("open " + other + " alias SOUND").code, MediaError::DuplicateAlias);
    EXPECT_EQ(status("length"), 2000);  // still the first file
    EXPECT_EQ(send("status music length").code, MediaError::UnknownAlias);
    EXPECT_EQ(send("seek sound to 5").code, MediaError::UnrecognizedCommand);
    EXPECT_EQ(send("play sound from -1000", 0).code, MediaError::BadInteger);

    ASSERT_EQ(send("play sound from 500", 0).code, 0);
    EXPECT_EQ(send("play sound from 2001", 0).code, MediaError::OutOfRange);
    EXPECT_EQ(mode(), "playing");  // refused seek: still playing where it was
    const qint64 p = status("position");
    EXPECT_GE(p, 500);
    EXPECT_LT(p, 2000);

    // Replies are cut to the caller's buffer, keeping room for the terminating NUL.
    EXPECT_EQ(send("status sound length", 6).reply, "2000");
    EXPECT_EQ(send("status sound length", 5).reply, "2000");
    EXPECT_EQ(send("status sound length", 4).code, MediaError::ReplyTooSmall);
    EXPECT_EQ(send("status sound length", 0).code, MediaError::ReplyTooSmall);

    ASSERT_EQ(send("close sound").code, 0);
    EXPECT_EQ(send("close sound").code, MediaError::UnknownAlias);
    EXPECT_EQ(send("status sound position").code, MediaError::UnknownAlias);
    // The alias is free again.
    ASSERT_EQ(send("open " + other + " alias sound").code, 0);
    EXPECT_EQ(status("length"), 1000);
}

TEST_F(MediaDeviceTest, PathsWithSpacesQuotesAndOtherAliases)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath("my music/alias dir"));
    const QString wav = writePatternWav(dir.filePath("my music/alias dir/a song alias b.wav"), 11025, 2, 1.0);
    ASSERT_EQ(send("open " + wav + " alias sound").code, 0);
    EXPECT_EQ(status("length"), 1000);
    ASSERT_EQ(send("open \"" + wav + "\" alias chime").code, 0);
    EXPECT_EQ(send("status chime length").reply, "1000");
    ASSERT_EQ(send("play chime").code, 0);
    EXPECT_EQ(send("status chime mode").reply, "playing");
    EXPECT_EQ(mode(), "stopped");  // the other alias is untouched
    ASSERT_EQ(send("close chime").code, 0);
    EXPECT_EQ(status("length"), 1000);
}

TEST_F(MediaDeviceTest, DestroyingTheDeviceWhilePlayingIsClean)
{
    const QString wav = writePatternWav(dir.filePath("long.wav"), 48000, 2, 3.0);
    ASSERT_EQ(send("open " + wav + " alias sound").code, 0);
    ASSERT_EQ(send("play sound").code, 0);
    ASSERT_TRUE(waitFor([&] { return status("position") > 0; }));
    device.reset();  // closes the device and joins the reader while the callback is busy
    device = std::make_unique<SdlMediaDevice>();  // SDL audio starts again in the same process
    ASSERT_EQ(send("open " + wav + " alias sound").code, 0);
    EXPECT_EQ(status("length"), 3000);
}

TEST_F(MediaDeviceTest, AFileThatShrinksWhilePlayingEndsWhereItsDataEnds)
{
    const QString wav = writePatternWav(dir.filePath("shrinking.wav"), 8000, 1, 6.0);
    ASSERT_EQ(send("open " + wav + " alias sound").code, 0);
    ASSERT_TRUE(QFile::resize(wav, 44 + 2 * 4000));  // half a second is left of six
    ASSERT_EQ(send("play sound from 5000", 0).code, 0);  // beyond what is left
    ASSERT_TRUE(waitFor([&] { return mode() != "playing"; }));
    EXPECT_EQ(mode(), "stopped");
    EXPECT_EQ(status("position"), 5000);  // nothing was played past the end of the data
}

}  // namespace
