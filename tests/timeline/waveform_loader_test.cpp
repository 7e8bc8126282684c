// The background peaks loader: delivery on the owning thread, newer requests winning over
// older ones, cancelling, and destruction while a scan is running.
#include "timeline/WaveformLoader.h"

#include "platform/WavFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

namespace {

class WaveformLoaderTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    // A mono WAV whose samples all hold `value`.
    QString write(const QString& name, qint16 value, qint64 frames)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(wavHeader(1, 44100, frames));
        QByteArray block(1 << 16, Qt::Uninitialized);
        for (int i = 0; i < block.size(); i += 2) {
            block[i] = char(value & 0xFF);
            block[i + 1] = char((value >> 8) & 0xFF);
        }
        for (qint64 left = frames * 2; left > 0; left -= block.size())
            f.write(block.constData(), qMin<qint64>(left, block.size()));
        return path;
    }
    static bool waitFor(const std::function<bool()>& done, int ms = 5000)
    {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return done();
    }
};

TEST_F(WaveformLoaderTest, DeliversOnTheOwningThread)
{
    const QString wav = write("a.wav", 1234, 44100);
    WaveformLoader loader;
    QThread* deliveredOn = nullptr;
    WaveformPeaks got;
    int deliveries = 0;
    QObject::connect(&loader, &WaveformLoader::ready, [&](const WaveformPeaks& p) {
        deliveredOn = QThread::currentThread();
        got = p;
        ++deliveries;
    });
    loader.request(wav, 728);
    EXPECT_TRUE(loader.busy());
    EXPECT_EQ(deliveries, 0);  // never delivered from inside request()
    ASSERT_TRUE(waitFor([&] { return deliveries > 0; }));
    EXPECT_EQ(deliveredOn, QThread::currentThread());
    EXPECT_FALSE(loader.busy());
    ASSERT_EQ(got.columns(), 728);
    EXPECT_EQ(got.low.front(), 1234);
    EXPECT_EQ(got.high.back(), 1234);
    QCoreApplication::processEvents();
    EXPECT_EQ(deliveries, 1);
}

TEST_F(WaveformLoaderTest, BuildsThePyramidInTheBackground)
{
    const QString wav = write("p.wav", -77, 44100 * 3);
    WaveformLoader loader;
    QList<std::shared_ptr<const PeakPyramid>> pyramids;
    int peaks = 0;
    QThread* deliveredOn = nullptr;
    QObject::connect(&loader, &WaveformLoader::ready, [&] { ++peaks; });
    QObject::connect(&loader, &WaveformLoader::pyramidReady, [&](std::shared_ptr<const PeakPyramid> p) {
        deliveredOn = QThread::currentThread();
        pyramids << p;
    });
    loader.request(wav, 728);  // replaced by the pyramid request: never delivered
    loader.requestPyramid(wav);
    EXPECT_TRUE(loader.busy());
    EXPECT_TRUE(pyramids.isEmpty());
    ASSERT_TRUE(waitFor([&] { return !pyramids.isEmpty(); }));
    EXPECT_EQ(deliveredOn, QThread::currentThread());
    EXPECT_FALSE(loader.busy());
    ASSERT_TRUE(pyramids[0]);
    EXPECT_EQ(pyramids[0]->blocks(0), 44100 * 3 / 220 + 1);
    EXPECT_EQ(pyramids[0]->range(0, pyramids[0]->blocks(0)), (PeakRange{-77, -77}));

    loader.requestPyramid(dir.filePath("missing.wav"));  // a failure is an empty pyramid
    ASSERT_TRUE(waitFor([&] { return pyramids.size() == 2; }));
    ASSERT_TRUE(pyramids[1]);
    EXPECT_TRUE(pyramids[1]->isEmpty());
    QThread::msleep(50);
    QCoreApplication::processEvents();
    EXPECT_EQ(peaks, 0);
    EXPECT_EQ(pyramids.size(), 2);
}

TEST_F(WaveformLoaderTest, OnlyTheNewestRequestIsDelivered)
{
    const QString big = write("big.wav", 111, 44100 * 60);
    const QString small = write("small.wav", 222, 4410);
    WaveformLoader loader;
    QList<WaveformPeaks> results;
    QObject::connect(&loader, &WaveformLoader::ready, [&](const WaveformPeaks& p) { results << p; });
    loader.request(big, 728);
    loader.request(small, 100);
    loader.request(big, 50);
    loader.request(small, 300);
    ASSERT_TRUE(waitFor([&] { return !results.isEmpty(); }));
    QThread::msleep(100);  // let any superseded scan finish and try to deliver
    QCoreApplication::processEvents();
    ASSERT_EQ(results.size(), 1);
    EXPECT_EQ(results[0].columns(), 300);
    EXPECT_EQ(results[0].high[0], 222);
}

TEST_F(WaveformLoaderTest, CancelledAndFailedRequests)
{
    const QString wav = write("c.wav", 5, 44100);
    WaveformLoader loader;
    QList<WaveformPeaks> results;
    QObject::connect(&loader, &WaveformLoader::ready, [&](const WaveformPeaks& p) { results << p; });
    loader.request(wav, 728);
    loader.cancel();
    EXPECT_FALSE(loader.busy());
    QThread::msleep(100);
    QCoreApplication::processEvents();
    EXPECT_TRUE(results.isEmpty());

    loader.request(dir.filePath("missing.wav"), 728);  // a failure is still an answer
    ASSERT_TRUE(waitFor([&] { return !results.isEmpty(); }));
    EXPECT_TRUE(results[0].isEmpty());
}

TEST_F(WaveformLoaderTest, DestroyedWhileScanning)
{
    const QString big = write("big.wav", 7, 44100 * 120);  // about 10 MB
    int deliveries = 0;
    for (int round = 0; round < 5; ++round) {
        auto loader = std::make_unique<WaveformLoader>();
        QObject::connect(loader.get(), &WaveformLoader::ready, [&] { ++deliveries; });
        loader->request(big, 728);
        if (round % 2)
            QThread::msleep(1);  // sometimes mid-scan, sometimes before it began
        loader.reset();
    }
    // Also after a result has been posted but not yet delivered.
    auto loader = std::make_unique<WaveformLoader>();
    QObject::connect(loader.get(), &WaveformLoader::ready, [&] { ++deliveries; });
    loader->request(write("tiny.wav", 1, 10), 728);
    QThread::msleep(200);
    loader.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(deliveries, 0);
}

}  // namespace
