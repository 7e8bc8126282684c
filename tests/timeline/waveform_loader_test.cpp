// The background peaks loader: delivery on the owning thread, newer requests winning over
// older ones, cancelling, destruction while a scan is running, and the pyramid of a file that
// is still being written.
#include "timeline/WaveformLoader.h"

#include "platform/WavFile.h"
#include "support/SlowWavWriter.h"

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
    static bool waitFor(const std::function<bool()>& done, int ms = 15000)
    {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return done();
    }
    // Waits until every worker thread of `loader`, superseded and cancelled ones included, has
    // ended, then hands out what they posted: after this nothing more can arrive.
    static bool settle(WaveformLoader& loader)
    {
        const bool ended = waitFor([&] { return !loader.working(); });
        QCoreApplication::sendPostedEvents();
        return ended;
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
    ASSERT_TRUE(settle(loader));
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
    ASSERT_TRUE(settle(loader));  // every superseded scan has finished and tried to deliver
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
    ASSERT_TRUE(settle(loader));  // the cancelled scan has ended, whatever it posted is handed out
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
            QThread::yieldCurrentThread();  // sometimes mid-scan, sometimes before it began
        loader.reset();
    }
    // Also after a result has been posted but not yet delivered.
    auto loader = std::make_unique<WaveformLoader>();
    QObject::connect(loader.get(), &WaveformLoader::ready, [&] { ++deliveries; });
    loader->request(write("tiny.wav", 1, 10), 728);
    QElapsedTimer clock;  // waits without handing out posted events: posted, not delivered
    clock.start();
    while (loader->working() && clock.elapsed() < 15000)
        QThread::msleep(1);
    ASSERT_FALSE(loader->working());
    loader.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(deliveries, 0);
}

TEST_F(WaveformLoaderTest, APyramidOfAFileStillWrittenFillsInThenIsTheCompleteOne)
{
    SlowWavWriter writer(dir.path(), "grow.wav", 1, 44100, SlowWavWriter::Place::Direct);
    ASSERT_TRUE(writer.ok());
    WaveformLoader loader;
    QList<std::shared_ptr<const PeakPyramid>> partial;
    QList<std::shared_ptr<const PeakPyramid>> finished;
    QThread* deliveredOn = nullptr;
    QObject::connect(&loader, &WaveformLoader::pyramidGrowing, [&](std::shared_ptr<const PeakPyramid> p) {
        deliveredOn = QThread::currentThread();
        EXPECT_TRUE(loader.busy());
        partial << p;
    });
    QObject::connect(&loader, &WaveformLoader::pyramidReady, [&](std::shared_ptr<const PeakPyramid> p) {
        finished << p;
    });
    loader.requestGrowingPyramid(dir.filePath("grow.wav"), 20);
    ASSERT_TRUE(writer.frames(44100));
    ASSERT_TRUE(waitFor([&] { return !partial.isEmpty() && partial.back()->frames() == 44000; }));  // 200 blocks
    EXPECT_EQ(deliveredOn, QThread::currentThread());
    ASSERT_TRUE(writer.frames(22050));
    ASSERT_TRUE(waitFor([&] { return partial.back()->frames() == 66000; }));  // whole 220-frame blocks
    EXPECT_TRUE(finished.isEmpty());
    ASSERT_TRUE(writer.finish());
    ASSERT_TRUE(waitFor([&] { return !finished.isEmpty(); }));
    EXPECT_FALSE(loader.busy());
    ASSERT_TRUE(finished[0]);
    EXPECT_EQ(*finished[0], buildPeakPyramid(dir.filePath("grow.wav")));
    const qsizetype updates = partial.size();
    ASSERT_TRUE(settle(loader));
    EXPECT_EQ(partial.size(), updates);  // nothing after the finished pyramid
    EXPECT_EQ(finished.size(), 1);

    // A writer that dies leaves a request that only a cancel ends; nothing comes after it.
    SlowWavWriter dying(dir.path(), "dying.wav", 1, 8000, SlowWavWriter::Place::Direct);
    ASSERT_TRUE(dying.ok());
    ASSERT_TRUE(dying.frames(8000));
    loader.requestGrowingPyramid(dir.filePath("dying.wav"), 20);
    ASSERT_TRUE(waitFor([&] { return partial.size() > updates && partial.back()->frames() == 8000; }));
    dying.kill();
    EXPECT_TRUE(loader.busy());
    loader.cancel();
    const qsizetype before = partial.size();
    ASSERT_TRUE(settle(loader));
    EXPECT_EQ(partial.size(), before);
    EXPECT_EQ(finished.size(), 1);
}

}  // namespace
