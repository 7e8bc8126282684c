// The peak pyramid: every level against a direct scan of the WAV, range queries, failures, and
// the drawn waveform of a view (the whole file exactly as the one-level drawing, zoomed detail).
#include "timeline/PeakPyramid.h"

#include "support/SampleWav.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

class PeakPyramidTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString write(const QString& name, int channels, int rate, const std::vector<qint16>& samples)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(writeSampleWav(path, channels, rate, samples));
        return path;
    }
};

// Lowest and highest sample of frames [from, to) of interleaved samples.
PeakRange direct(const std::vector<qint16>& s, int channels, qint64 from, qint64 to)
{
    PeakRange r;
    for (qint64 i = from * channels; i < to * channels; ++i) {
        r.low = std::min(r.low, s[size_t(i)]);
        r.high = std::max(r.high, s[size_t(i)]);
    }
    return r;
}

const WaveformColours kColours{QColor(38, 150, 170, 190), QColor(14, 96, 120)};

}  // namespace

TEST_F(PeakPyramidTest, EveryLevelMatchesADirectScan)
{
    // 8 kHz: 40-frame blocks. 40017 stereo frames: 1001 blocks, the last one 17 frames long.
    const int channels = 2;
    const qint64 frames = 40017;
    std::vector<qint16> s = randomSamples(size_t(frames * channels), 11, -30000, 30000);
    s[size_t(2 * 20000 + 1)] = 32767;  // right channel only
    s[size_t(2 * 39000)] = -32768;
    for (qint64 i = 40000 * channels; i < frames * channels; ++i)
        s[size_t(i)] = qint16(1000 + i % 50);  // the short last block: nothing of silence in it
    const PeakPyramid p = buildPeakPyramid(write("p.wav", channels, 8000, s));
    ASSERT_EQ(p.blockFrames(), 40);
    ASSERT_EQ(p.levels(), 11);  // 1001, 501, 251, 126, 63, 32, 16, 8, 4, 2, 1
    EXPECT_DOUBLE_EQ(p.seconds(), 40017.0 / 8000);
    for (int level = 0; level < p.levels(); ++level) {
        const qint64 span = qint64(40) << level;
        ASSERT_EQ(p.blocks(level), (frames + span - 1) / span) << level;
        for (qint64 i = 0; i < p.blocks(level); ++i)
            ASSERT_EQ(p.at(level, i), direct(s, channels, i * span, std::min(frames, (i + 1) * span)))
                << "level " << level << " entry " << i;
    }
    EXPECT_EQ(p.at(p.levels() - 1, 0), (PeakRange{-32768, 32767}));
}

TEST_F(PeakPyramidTest, RangesMergeTheFewestEntriesExactly)
{
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> dist(-32768, 32767);
    std::vector<PeakRange> base(777);
    for (auto& b : base) {
        const qint16 a = qint16(dist(rng)), c = qint16(dist(rng));
        b = {std::min(a, c), std::max(a, c)};
    }
    const PeakPyramid p(8000, 777 * 40, 40, base);
    std::uniform_int_distribution<int> at(0, 777);
    for (int i = 0; i < 3000; ++i) {
        int first = at(rng), last = at(rng);
        if (first > last)
            std::swap(first, last);
        PeakRange want;
        for (int b = first; b < last; ++b)
            want.merge(base[size_t(b)]);
        ASSERT_EQ(p.range(first, last), want) << first << ".." << last;
    }
    EXPECT_EQ(p.range(-10, 10000), p.at(p.levels() - 1, 0));  // limited to the blocks there are
    EXPECT_TRUE(PeakPyramid().range(0, 10).isEmpty());
}

TEST_F(PeakPyramidTest, FailuresGiveAnEmptyPyramid)
{
    EXPECT_TRUE(buildPeakPyramid(dir.filePath("missing.wav")).isEmpty());
    EXPECT_TRUE(buildPeakPyramid(write("empty.wav", 1, 8000, {})).isEmpty());
    const QString ok = write("ok.wav", 1, 8000, std::vector<qint16>(1000, 3));
    const std::atomic<bool> cancelled{true};
    EXPECT_TRUE(buildPeakPyramid(ok, &cancelled).isEmpty());
    EXPECT_EQ(buildPeakPyramid(ok).blocks(0), 25);
    EXPECT_EQ(pyramidBlockFrames(44100), 220);
    EXPECT_EQ(pyramidBlockFrames(100), 1);
}

TEST_F(PeakPyramidTest, TheWholeFileLooksAsTheOneLevelDrawing)
{
    // 91 s at 8 kHz: 728000 frames, 25 blocks to a pixel; a ramp of swells and noise.
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> noise(-500, 500);
    std::vector<qint16> s(728000);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = qint16(std::clamp<long>(long((i % 40000) * 32767 / 40000) * ((i / 40000) % 2 ? 1 : -1) + noise(rng),
                                       -32768, 32767));
    const QString wav = write("song.wav", 1, 8000, s);
    const PeakPyramid p = buildPeakPyramid(wav);
    const QSize size(728, 282);
    const QImage pyramidImage = renderWaveform(p, wholeView(91), size, kColours);
    const QImage columnImage = renderWaveform(computePeaks(wav, 728), size, kColours);
    ASSERT_EQ(pyramidImage.size(), size);
    ASSERT_EQ(pyramidImage.format(), columnImage.format());
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            ASSERT_EQ(pyramidImage.pixel(x, y), columnImage.pixel(x, y)) << x << "," << y;
}

TEST_F(PeakPyramidTest, ZoomedViewsDrawTheirOwnStretchInDetail)
{
    // Silence with one loud sample at 12.0 s (frame 96000) of a 91-s sound.
    std::vector<qint16> s(728000, 0);
    s[96000] = 30000;
    const PeakPyramid p = buildPeakPyramid(write("click.wav", 1, 8000, s));
    const QSize size(728, 101);
    const int middle = int(32767LL * 100 / 65535);  // silence
    const int loud = int((32767LL - 30000) * 100 / 65535);
    auto topRow = [](const QImage& image, int x) {
        for (int y = 0; y < image.height(); ++y)
            if (qAlpha(image.pixel(x, y)) != 0)
                return y;
        return -1;
    };
    // At one second per 100 px the click is in exactly one column, 200 px after 10 s.
    const QImage zoomed = renderWaveform(p, {10, 7.28}, size, kColours);
    EXPECT_EQ(topRow(zoomed, 200), loud);
    EXPECT_EQ(topRow(zoomed, 199), middle);
    EXPECT_EQ(topRow(zoomed, 201), middle);
    // The whole-file view merges it into the column of 12 s: Left 96.
    const QImage whole = renderWaveform(p, wholeView(91), size, kColours);
    EXPECT_EQ(topRow(whole, 96), loud);
    EXPECT_EQ(topRow(whole, 95), middle);
    // Before the sound's start and past its end nothing is drawn.
    const QImage before = renderWaveform(p, {-10, 20}, size, kColours);
    EXPECT_EQ(topRow(before, 363), -1);
    EXPECT_EQ(topRow(before, 364), middle);
    const QImage beyond = renderWaveform(p, {0, 182}, size, kColours);
    EXPECT_EQ(topRow(beyond, 363), middle);
    EXPECT_EQ(topRow(beyond, 364), -1);
    EXPECT_EQ(topRow(beyond, 727), -1);
    // Nothing to draw: a transparent image, or a null one for an empty size.
    EXPECT_EQ(topRow(renderWaveform(PeakPyramid(), wholeView(91), size, kColours), 10), -1);
    EXPECT_EQ(topRow(renderWaveform(p, TimelineView{}, size, kColours), 10), -1);
    EXPECT_TRUE(renderWaveform(p, wholeView(91), QSize(0, 5), kColours).isNull());
}

TEST(PeakPyramidExtend, GrowingInAnyStepsGivesThePyramidBuiltAtOnce)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> sample(-32768, 32767);
    for (qint64 total : {1, 2, 3, 5, 64, 65, 1000, 1025}) {
        std::vector<PeakRange> base(static_cast<size_t>(total));
        for (auto& b : base) {
            const qint16 a = qint16(sample(rng)), c = qint16(sample(rng));
            b = PeakRange{std::min(a, c), std::max(a, c)};
        }
        const PeakPyramid whole(8000, total * 40 - 3, 40, base);
        for (int round = 0; round < 4; ++round) {
            PeakPyramid grown(8000, 0, 40, {});
            EXPECT_TRUE(grown.isEmpty());
            std::uniform_int_distribution<qint64> step(1, round == 0 ? 1 : std::max<qint64>(1, total / 3));
            for (qint64 have = 0; have < total;) {
                const qint64 next = std::min(total, have + step(rng));
                grown.extend(std::vector<PeakRange>(base.begin() + have, base.begin() + next), next * 40);
                have = next;
                // Every state on the way is the pyramid of the blocks so far.
                ASSERT_EQ(grown, PeakPyramid(8000, have * 40, 40, std::vector<PeakRange>(base.begin(), base.begin() + have)))
                    << total << " blocks, " << have << " so far";
            }
            grown.extend({}, total * 40 - 3);  // the end: the last block turns out shorter
            EXPECT_EQ(grown, whole) << total;
        }
    }
}

TEST(PeakPyramidRender, ADenseScreenGetsTwiceTheColumnsOfDetail)
{
    // 20 s at 8 kHz in 40-frame blocks (200 a second), each block a step higher than the one
    // before it, in runs of 16.
    std::vector<PeakRange> base(4000);
    for (size_t i = 0; i < base.size(); ++i) {
        const auto h = qint16(2000 * (1 + i % 16));
        base[i].low = qint16(-h);
        base[i].high = h;
    }
    const PeakPyramid p(8000, 4000 * 40, 40, std::move(base));
    // 1456 blocks over the 728 px of the narrowest view: two to a pixel, one to a device pixel.
    const TimelineView view{2, 7.28};
    const QSize size(728, 141);
    const QImage one = renderWaveform(p, view, size, kColours);
    const QImage two = renderWaveform(p, view, size, kColours, 2);
    ASSERT_EQ(one.size(), size);
    ASSERT_EQ(two.size(), size * 2);
    EXPECT_EQ(two.devicePixelRatio(), 2.0);
    EXPECT_EQ(two.deviceIndependentSize(), QSizeF(size));

    auto topRow = [](const QImage& image, int x) {
        for (int y = 0; y < image.height(); ++y)
            if (qAlpha(image.pixel(x, y)) != 0)
                return y;
        return -1;
    };
    auto inkedColumns = [&](const QImage& image) {
        int n = 0;
        for (int x = 0; x < image.width(); ++x)
            n += topRow(image, x) >= 0;
        return n;
    };
    EXPECT_EQ(inkedColumns(one), 728);
    EXPECT_EQ(inkedColumns(two), 1456);
    // Every device column shows its own block, not a copy of its neighbour: the pair under one
    // logical pixel differs, and the taller of the two is the 1x column's height.
    auto rowOf = [](int s, int height) { return int((32767LL - s) * (height - 1) / 65535); };
    for (int x = 0; x < 728; ++x) {
        const int block = 400 + 2 * x;
        const auto h0 = 2000 * (1 + block % 16), h1 = 2000 * (1 + (block + 1) % 16);
        ASSERT_EQ(topRow(two, 2 * x), rowOf(h0, 282)) << x;
        ASSERT_EQ(topRow(two, 2 * x + 1), rowOf(h1, 282)) << x;
        ASSERT_EQ(topRow(one, x), rowOf(std::max(h0, h1), 141)) << x;
    }
}
