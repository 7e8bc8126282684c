// With no usable audio output the media device still runs its clock on SDL's silent driver:
// a driver that starts but finds no device (ALSA without a sound card), and one that cannot
// start at all.
#include "platform/SdlMediaDevice.h"
#include "platform/WavFile.h"

#include <QTest>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class MediaFallbackTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString wav;
    void SetUp() override
    {
        wav = dir.filePath("tone.wav");
        QFile f(wav);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(wavHeader(2, 44100, 44100 * 2) + QByteArray(44100 * 2 * 4, '\x10'));
    }
    void TearDown() override { qunsetenv("SDL_AUDIODRIVER"); }

    // Opens and plays on a fresh device; returns the driver that ended up playing.
    QString playOn(const char* driver)
    {
        qputenv("SDL_AUDIODRIVER", driver);
        SdlMediaDevice device;
        EXPECT_EQ(device.driverName(), QString());  // nothing starts before the first open
        EXPECT_EQ(device.send("open " + wav + " alias sound").code, 0) << driver;
        EXPECT_EQ(device.send("play sound").code, 0) << driver;
        // The clock runs: the position leaves 0 (a generous deadline on a busy machine).
        EXPECT_TRUE(QTest::qWaitFor([&] { return device.send("status sound position").reply.toLongLong() > 0; }, 30000))
            << driver;
        EXPECT_GT(device.send("status sound position").reply.toLongLong(), 0) << driver;
        EXPECT_EQ(device.send("status sound length").reply, "2000") << driver;
        EXPECT_EQ(device.send("stop sound").code, 0);
        EXPECT_EQ(device.send("close sound").code, 0);
        return device.driverName();
    }
};

TEST_F(MediaFallbackTest, DriverThatCannotStartFallsBackToSilence)
{
    EXPECT_EQ(playOn("no-such-driver"), "dummy");
}

TEST_F(MediaFallbackTest, DriverWithoutADeviceFallsBackToSilence)
{
    QFile cards("/proc/asound/cards");
    if (cards.open(QIODevice::ReadOnly) && !cards.readAll().contains("no soundcards"))
        GTEST_SKIP() << "this machine has a sound card";
    EXPECT_EQ(playOn("alsa"), "dummy");
}

TEST_F(MediaFallbackTest, RequestedDriverIsUsedWhenItWorks)
{
    EXPECT_EQ(playOn("dummy"), "dummy");
}

}  // namespace
