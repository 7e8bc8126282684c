// Playing a WAV while another process still writes it, through the media device's
// "open <path> alias sound growing": on SDL's "disk" driver, which consumes in real time like
// the dummy driver and keeps what it was given, so a test sees the position wait at the
// written end (silence, still playing), go on as data arrives, and what was heard.
#include "platform/ChildOutput.h"
#include "platform/MediaDevice.h"
#include "platform/SdlMediaDevice.h"
#include "support/SlowWavWriter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kDeadlineMs = 15000;

class SdlPlaybackTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString heard;
    std::unique_ptr<SdlMediaDevice> device;
    std::unique_ptr<SlowWavWriter> writer;
    std::optional<ChildOutput> output;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        heard = dir.filePath("heard.raw");
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(heard));
        device = std::make_unique<SdlMediaDevice>();
        writer = std::make_unique<SlowWavWriter>(dir.path(), "open.wav", kChannels, kRate,
                                                 SlowWavWriter::Place::Unnamed);
        ASSERT_TRUE(writer->ok());
    }
    void TearDown() override
    {
        device.reset();
        qunsetenv("SDL_DISKAUDIOFILE");
        qputenv("SDL_AUDIODRIVER", "dummy");
    }

    // Finds the writer's file and opens it as the growing sound.
    int openGrowing()
    {
        if (!output)
            output = findChildOutput(pid_t(writer->pid()), dir.path());
        EXPECT_TRUE(output);
        return output ? send("open " + output->procPath() + " alias sound growing").code : -1;
    }
    MediaResult send(const QString& command) { return device->send(command); }
    qint64 status(const QString& item)
    {
        const MediaResult r = send("status sound " + item);
        EXPECT_EQ(r.code, 0) << item.toStdString();
        return r.reply.toLongLong();
    }
    QString mode() { return send("status sound mode").reply; }

    static bool waitFor(const std::function<bool()>& done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > kDeadlineMs)
                return false;
            QThread::msleep(5);
        }
        return true;
    }
    qint64 heardBytes() const { return QFileInfo(heard).size(); }
    // Waits until the device has taken at least `ms` more of sound or silence.
    bool deviceRuns(int ms)
    {
        const qint64 from = heardBytes();
        return waitFor([&] { return heardBytes() >= from + qint64(ms) * kRate / 1000 * kChannels * 2; });
    }

    // What the driver was given, without its silences, must be the writer's frames from
    // `first` on, none left out or repeated. Returns how many were heard.
    qint64 heardRun(qint64 first)
    {
        QFile f(heard);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray raw = f.readAll();
        const auto* s = reinterpret_cast<const qint16*>(raw.constData());
        const qint64 frames = raw.size() / (2 * kChannels);
        qint64 run = 0;
        for (qint64 i = 0; i < frames; ++i) {
            if (s[i * kChannels] == 0 && s[i * kChannels + 1] == 0)
                continue;  // the silence of a device that waits or is paused
            for (int c = 0; c < kChannels; ++c) {
                const qint16 want = growingWavSample(first + run, c);
                if (qFromLittleEndian(s[i * kChannels + c]) != want) {
                    ADD_FAILURE() << "frame " << first + run << " channel " << c;
                    return run;
                }
            }
            ++run;
        }
        return run;
    }
};

TEST_F(SdlPlaybackTest, PlaysAsFarAsWrittenWaitsThereAndGoesOnAsDataArrives)
{
    ASSERT_TRUE(writer->header(30));
    EXPECT_EQ(openGrowing(), MediaError::InvalidFile);  // no header yet: nothing to play
    ASSERT_TRUE(writer->frames(kRate / 2));
    ASSERT_EQ(openGrowing(), 0);
    EXPECT_EQ(status("length"), 500);
    EXPECT_EQ(mode(), "stopped");

    ASSERT_EQ(send("play sound").code, 0);
    ASSERT_TRUE(waitFor([&] { return status("position") >= 500; }));
    EXPECT_EQ(status("position"), 500);  // never beyond what is written
    ASSERT_TRUE(deviceRuns(300));        // the device goes on running, given silence
    EXPECT_EQ(status("position"), 500);
    EXPECT_EQ(mode(), "playing");

    // More arrives while playing: the sound goes on, the length follows the writer.
    ASSERT_TRUE(writer->frames(kRate + 7) && writer->bytes(3));
    ASSERT_TRUE(waitFor([&] { return status("position") > 600; }));
    EXPECT_EQ(mode(), "playing");
    ASSERT_TRUE(waitFor([&] { return status("length") == 1500; }));
    ASSERT_TRUE(writer->frames(kRate / 2));
    ASSERT_TRUE(waitFor([&] { return status("length") == 2000; }));

    // Once the writer is done it ends like a complete file.
    ASSERT_TRUE(writer->finish());
    ASSERT_TRUE(waitFor([&] { return mode() == "stopped"; }));
    EXPECT_EQ(status("length"), 2000);
    EXPECT_EQ(status("position"), 2000);
    EXPECT_EQ(send("play sound").code, 0);  // at the end "play" has nothing left to play
    EXPECT_EQ(mode(), "stopped");
    ASSERT_EQ(send("close sound").code, 0);
    EXPECT_EQ(heardRun(0), 2 * kRate + 7);  // every whole frame once, nothing of the torn last one
}

TEST_F(SdlPlaybackTest, StartsBeyondTheWrittenPartGoBackToItsLastSecond)
{
    ASSERT_TRUE(writer->frames(3 * kRate));
    ASSERT_EQ(openGrowing(), 0);
    EXPECT_EQ(status("length"), 3000);
    ASSERT_EQ(send("play sound from 10000").code, 0);  // not refused while growing
    const qint64 at = status("position");
    EXPECT_GE(at, 2000);
    EXPECT_LT(at, 3000);
    EXPECT_EQ(mode(), "playing");
    ASSERT_TRUE(writer->frames(2 * kRate));
    ASSERT_TRUE(waitFor([&] { return status("length") == 5000; }));
    ASSERT_EQ(send("play sound from 4500").code, 0);  // inside the part written: exactly there
    EXPECT_GE(status("position"), 4500);
    ASSERT_TRUE(waitFor([&] { return status("position") == 5000; }));
    EXPECT_EQ(mode(), "playing");

    // The last piece and the final header: the length and the range of starts are the final
    // ones at once, and the sound then ends like a complete file.
    ASSERT_TRUE(writer->frames(kRate / 2));
    ASSERT_TRUE(writer->finish());
    EXPECT_EQ(status("length"), 5500);
    EXPECT_EQ(send("play sound from 5501").code, MediaError::OutOfRange);
    ASSERT_TRUE(waitFor([&] { return mode() == "stopped"; }));
    EXPECT_EQ(status("position"), 5500);
    EXPECT_EQ(send("play sound from 5500").code, 0);
    EXPECT_EQ(mode(), "stopped");
    ASSERT_EQ(send("play sound from 4000").code, 0);
    ASSERT_EQ(send("stop sound").code, 0);
    ASSERT_EQ(send("close sound").code, 0);
}

TEST_F(SdlPlaybackTest, AWriterKilledHalfWayLeavesASoundThatWaitsAndClosesCleanly)
{
    ASSERT_TRUE(writer->frames(kRate / 4));
    ASSERT_EQ(openGrowing(), 0);
    ASSERT_TRUE(writer->bytes(kChannels * 2 * 1000 + 1));
    writer->kill();
    ASSERT_TRUE(waitFor([&] { return status("length") == (kRate / 4 + 1000) * 1000 / kRate; }));
    ASSERT_EQ(send("play sound").code, 0);
    const qint64 end = status("length");
    ASSERT_TRUE(waitFor([&] { return status("position") == end; }));
    ASSERT_TRUE(deviceRuns(200));
    EXPECT_EQ(mode(), "playing");  // it never becomes final: still waiting
    EXPECT_EQ(status("position"), end);
    ASSERT_EQ(send("pause sound").code, 0);
    ASSERT_EQ(send("resume sound").code, 0);
    ASSERT_EQ(send("stop sound").code, 0);
    EXPECT_EQ(mode(), "stopped");
    ASSERT_EQ(send("play sound from 100").code, 0);
    ASSERT_EQ(send("close sound").code, 0);
    EXPECT_EQ(send("status sound length").code, MediaError::UnknownAlias);

    // Destroying the device while such a sound waits is clean too.
    ASSERT_EQ(send("open " + output->procPath() + " alias sound growing").code, 0);
    ASSERT_EQ(send("play sound").code, 0);
    device.reset();
}

TEST_F(SdlPlaybackTest, TheLengthFollowsTheWriterWhileStoppedAndTheOldOpenIsUnchanged)
{
    ASSERT_TRUE(writer->frames(kRate));
    ASSERT_EQ(openGrowing(), 0);
    // The same file opened the usual way is taken as it is now: its end is where data ends.
    ASSERT_EQ(send("open " + output->procPath() + " alias still").code, 0);
    EXPECT_EQ(send("status still length").reply, "1000");
    ASSERT_TRUE(writer->frames(kRate));
    ASSERT_TRUE(waitFor([&] { return status("length") == 2000; }));
    EXPECT_EQ(send("status still length").reply, "1000");
    EXPECT_EQ(send("play still from 1001").code, MediaError::OutOfRange);
    EXPECT_EQ(status("position"), 0);
    EXPECT_EQ(mode(), "stopped");
}

}  // namespace
