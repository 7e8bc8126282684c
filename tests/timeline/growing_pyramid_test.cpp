// The peak pyramid of a WAV that is still being written (the slow writer helper): partial
// pyramids of whole blocks while it grows, the finished one equal to the pyramid of the
// complete file, a writer killed half way, and failures.
#include "timeline/GrowingPyramid.h"

#include "platform/ChildOutput.h"
#include "platform/WavFile.h"
#include "support/SampleWav.h"
#include "support/SlowWavWriter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr int kDeadlineMs = 15000;

bool waitFor(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > kDeadlineMs)
            return false;
        QThread::msleep(2);
    }
    return true;
}

// Runs followPeakPyramid on a thread of its own and keeps every update.
class Follower {
public:
    explicit Follower(const QString& path)
    {
        PyramidFollowPace pace;
        pace.updateEvery = std::chrono::milliseconds(10);
        pace.nap = std::chrono::milliseconds(2);
        thread_ = std::thread([this, path, pace] {
            PeakPyramid p = followPeakPyramid(path, &cancel_, [this](const PeakPyramid& u) {
                std::lock_guard<std::mutex> lock(mutex_);
                updates_.push_back(u);
            }, pace);
            std::lock_guard<std::mutex> lock(mutex_);
            result_ = std::move(p);
            done_ = true;
        });
    }
    ~Follower()
    {
        cancel_ = true;
        thread_.join();
    }
    bool done()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return done_;
    }
    // The frames of the newest update, 0 before any.
    qint64 shownFrames()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return updates_.empty() ? 0 : updates_.back().frames();
    }
    std::vector<PeakPyramid> updates()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return updates_;
    }
    PeakPyramid result()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return result_;
    }
    void cancel() { cancel_ = true; }

private:
    std::atomic<bool> cancel_{false};
    std::mutex mutex_;
    std::vector<PeakPyramid> updates_;
    PeakPyramid result_;
    bool done_ = false;
    std::thread thread_;
};

class GrowingPyramidTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
};

TEST_F(GrowingPyramidTest, FillsInAsTheFileGrowsAndEndsEqualToTheCompleteFilesPyramid)
{
    SlowWavWriter writer(dir.path(), "open.wav", 2, 44100, SlowWavWriter::Place::Unnamed);
    ASSERT_TRUE(writer.ok());
    ASSERT_TRUE(writer.header(25));
    const std::optional<ChildOutput> output = findChildOutput(pid_t(writer.pid()), dir.path());
    ASSERT_TRUE(output);
    Follower follower(output->procPath());
    const int block = pyramidBlockFrames(44100);  // 220

    ASSERT_TRUE(writer.header());
    ASSERT_TRUE(writer.frames(10000));  // 45 whole blocks and 100 frames
    ASSERT_TRUE(waitFor([&] { return follower.shownFrames() == 45 * block; }));
    ASSERT_TRUE(writer.bytes(3));  // a torn frame
    ASSERT_TRUE(writer.frames(5 * 44100));
    ASSERT_TRUE(waitFor([&] { return follower.shownFrames() == (10000 + 5 * 44100) / block * block; }));
    EXPECT_FALSE(follower.done());
    ASSERT_TRUE(writer.frames(12345));
    ASSERT_TRUE(writer.finish());
    ASSERT_TRUE(waitFor([&] { return follower.done(); }));

    const PeakPyramid complete = buildPeakPyramid(dir.filePath("open.wav"));
    ASSERT_FALSE(complete.isEmpty());
    EXPECT_EQ(complete.frames(), 10000 + 5 * 44100 + 12345);
    const PeakPyramid result = follower.result();
    EXPECT_EQ(result, complete);  // every level, entry for entry

    // Each update covered whole blocks of what was written, each a prefix of the final one.
    const std::vector<PeakPyramid> updates = follower.updates();
    ASSERT_GE(updates.size(), 2u);
    qint64 before = 0;
    for (const PeakPyramid& u : updates) {
        EXPECT_GT(u.frames(), before);
        before = u.frames();
        EXPECT_EQ(u.frames() % block, 0);
        ASSERT_EQ(u.blocks(0), u.frames() / block);
        EXPECT_EQ(u.sampleRate(), 44100);
        for (qint64 i = 0; i < u.blocks(0); ++i)
            ASSERT_EQ(u.at(0, i), complete.at(0, i)) << "block " << i << " of " << u.blocks(0);
        EXPECT_EQ(u.range(0, u.blocks(0)), complete.range(0, u.blocks(0)));
    }
}

TEST_F(GrowingPyramidTest, AKilledWriterLeavesAPartialPyramidUntilCancelled)
{
    SlowWavWriter writer(dir.path(), "open.wav", 1, 8000, SlowWavWriter::Place::Direct);
    ASSERT_TRUE(writer.ok());
    ASSERT_TRUE(writer.frames(4000));
    Follower follower(dir.filePath("open.wav"));
    ASSERT_TRUE(writer.frames(1001));
    writer.kill();
    ASSERT_TRUE(waitFor([&] { return follower.shownFrames() == 5000; }));  // 40-frame blocks
    EXPECT_FALSE(follower.done());
    follower.cancel();
    ASSERT_TRUE(waitFor([&] { return follower.done(); }));
    EXPECT_TRUE(follower.result().isEmpty());
}

TEST_F(GrowingPyramidTest, CompleteFilesFailuresAndCancelledWaits)
{
    // A complete file, longer than one step of the scan: the same pyramid as at once.
    const std::vector<qint16> samples = randomSamples(size_t(2 * 44100 * 60), 3, -32768, 32767);
    ASSERT_TRUE(writeSampleWav(dir.filePath("done.wav"), 2, 44100, samples));
    std::atomic<bool> cancel{false};
    int updates = 0;
    const PeakPyramid followed = followPeakPyramid(dir.filePath("done.wav"), &cancel,
                                                   [&](const PeakPyramid&) { ++updates; });
    EXPECT_FALSE(followed.isEmpty());
    EXPECT_EQ(followed, buildPeakPyramid(dir.filePath("done.wav")));

    // Without frames, missing, not a WAV: empty, without waiting.
    ASSERT_TRUE(writeSampleWav(dir.filePath("empty.wav"), 1, 8000, {}));
    EXPECT_TRUE(followPeakPyramid(dir.filePath("empty.wav"), &cancel).isEmpty());
    EXPECT_TRUE(followPeakPyramid(dir.filePath("missing.wav"), &cancel).isEmpty());
    QFile text(dir.filePath("text.wav"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("RIFX and then some words that are no header at all");
    text.close();
    EXPECT_TRUE(followPeakPyramid(dir.filePath("text.wav"), &cancel).isEmpty());

    // Waiting for a header that does not come ends with the cancel.
    SlowWavWriter writer(dir.path(), "slow.wav", 1, 8000, SlowWavWriter::Place::Direct);
    ASSERT_TRUE(writer.ok());
    ASSERT_TRUE(writer.header(30));
    Follower follower(dir.filePath("slow.wav"));
    follower.cancel();
    ASSERT_TRUE(waitFor([&] { return follower.done(); }));
    EXPECT_TRUE(follower.result().isEmpty());
}

}  // namespace
