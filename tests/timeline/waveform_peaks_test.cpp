// Peaks per column from WAVs on disk (exact values, column boundaries, RF64, bad files, a
// reference scan for long columns) and the pixels of the drawn envelope.
#include "timeline/WaveformPeaks.h"

#include "platform/WavFile.h"
#include "support/SampleWav.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

class WaveformPeaksTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString write(const QString& name, int channels, const std::vector<qint16>& samples, bool rf64 = false)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(writeSampleWav(path, channels, 8000, samples, rf64));
        return path;
    }
};

TEST_F(WaveformPeaksTest, ExactPeaksPerColumnAcrossChannelsAndUnevenBoundaries)
{
    // 1003 stereo frames in 10 columns: columns start at frames 0,100,200,300,401,501,601,702,802,902.
    std::vector<qint16> s(2 * 1003, 0);
    auto at = [&](int frame, int channel) -> qint16& { return s[size_t(2 * frame + channel)]; };
    at(0, 0) = 1000;       // column 0, left
    at(99, 1) = -2000;     // column 0's last frame, right
    at(100, 0) = -32768;   // column 1's first frame
    at(400, 1) = 32767;    // still column 3: column 4 starts at 401
    at(401, 0) = 5;        // column 4
    at(401, 1) = 7;
    at(1002, 1) = -1;      // the very last sample, column 9
    for (int f = 702; f < 802; ++f)
        at(f, 0) = qint16(300 + f);  // column 7: a ramp 1002..1101 on the left only
    const WaveformPeaks p = computePeaks(write("a.wav", 2, s), 10);
    ASSERT_EQ(p.columns(), 10);
    const std::vector<qint16> low = {-2000, -32768, 0, 0, 0, 0, 0, 0, 0, -1};
    const std::vector<qint16> high = {1000, 0, 0, 32767, 7, 0, 0, 1101, 0, 0};
    EXPECT_EQ(p.low, low);
    EXPECT_EQ(p.high, high);
}

TEST_F(WaveformPeaksTest, LongColumnsMatchAPlainScan)
{
    // Columns of thousands of samples in odd sizes exercise the wide loop and its tail.
    const int channels = 3;
    const int frames = 100003;
    std::vector<qint16> s = randomSamples(size_t(frames * channels), 7, -20000, 20000);
    s[12345] = 32767;
    s[s.size() - 1] = -32768;
    for (bool rf64 : {false, true}) {
        const int columns = 37;
        const WaveformPeaks p = computePeaks(write(rf64 ? "r.wav" : "p.wav", channels, s, rf64), columns);
        ASSERT_EQ(p.columns(), columns);
        for (int c = 0; c < columns; ++c) {
            const qint64 from = qint64(frames) * c / columns * channels;
            const qint64 to = qint64(frames) * (c + 1) / columns * channels;
            const auto [lo, hi] = std::minmax_element(s.begin() + from, s.begin() + to);
            EXPECT_EQ(p.low[size_t(c)], *lo) << "column " << c;
            EXPECT_EQ(p.high[size_t(c)], *hi) << "column " << c;
        }
        EXPECT_EQ(p.high[size_t(12345 / channels * columns / frames)], 32767);
        EXPECT_EQ(p.low.back(), -32768);
    }
}

TEST_F(WaveformPeaksTest, FewerFramesThanColumnsLeavesEmptyColumnsAtZero)
{
    const WaveformPeaks p = computePeaks(write("tiny.wav", 1, {-5, 9, -3}), 6);
    // Frames land in columns 1, 3 and 5; the others have no frames.
    EXPECT_EQ(p.low, (std::vector<qint16>{0, -5, 0, 9, 0, -3}));
    EXPECT_EQ(p.high, (std::vector<qint16>{0, -5, 0, 9, 0, -3}));
    const WaveformPeaks none = computePeaks(write("empty.wav", 2, {}), 4);
    EXPECT_EQ(none.low, (std::vector<qint16>(4, 0)));
}

TEST_F(WaveformPeaksTest, FailuresGiveEmptyPeaks)
{
    EXPECT_TRUE(computePeaks(dir.filePath("missing.wav"), 728).isEmpty());
    const QString text = dir.filePath("text.wav");
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a wave file at all, just words");
    f.close();
    EXPECT_TRUE(computePeaks(text, 728).isEmpty());
    const QString ok = write("ok.wav", 1, {1, 2, 3, 4});
    EXPECT_TRUE(computePeaks(ok, 0).isEmpty());
    EXPECT_TRUE(computePeaks(ok, -3).isEmpty());
    const std::atomic<bool> cancelled{true};
    EXPECT_TRUE(computePeaks(ok, 2, &cancelled).isEmpty());
    EXPECT_EQ(computePeaks(ok, 2).columns(), 2);
}

QRgb pixel(const QImage& image, int x, int y) { return image.pixel(x, y); }

TEST(WaveformRender, DrawsOneSpanPerColumnOnATransparentImage)
{
    WaveformPeaks p;
    p.low = {0, -32768, 0, -16384};
    p.high = {0, 32767, 16384, 100};
    const QColor fill(0, 200, 0);
    const QColor edge(255, 0, 0);
    const QImage image = renderWaveform(p, QSize(4, 100), {fill, edge});
    ASSERT_EQ(image.size(), QSize(4, 100));
    EXPECT_TRUE(image.hasAlphaChannel());
    // Row of sample s: (32767 - s) * 99 / 65535.
    auto expectSpan = [&](int x, int top, int bottom) {
        for (int y = 0; y < 100; ++y) {
            const QRgb want = y == top || y == bottom ? edge.rgba()
                : (y > top && y < bottom)             ? fill.rgba()
                                                      : qRgba(0, 0, 0, 0);
            ASSERT_EQ(pixel(image, x, y), want) << "x " << x << " y " << y;
        }
    };
    expectSpan(0, 49, 49);   // silence: a single pixel on the middle row
    expectSpan(1, 0, 99);    // full scale
    expectSpan(2, 24, 49);
    expectSpan(3, 49, 74);
}

TEST(WaveformRender, MergesOrStretchesColumnsToTheWidth)
{
    WaveformPeaks p;
    p.low = {-100, -32768, 0, 0};
    p.high = {100, 0, 0, 32767};
    const QColor fill(10, 20, 30, 255);
    const QImage narrow = renderWaveform(p, QSize(2, 11), {fill, {}});
    // Pixel 0 merges columns 0 and 1 (-32768..100: rows 4..10), pixel 1 columns 2 and 3
    // (0..32767: rows 0..4). Without an edge colour the ends take the fill.
    EXPECT_EQ(pixel(narrow, 0, 3), qRgba(0, 0, 0, 0));
    EXPECT_EQ(pixel(narrow, 0, 4), fill.rgba());
    EXPECT_EQ(pixel(narrow, 0, 10), fill.rgba());
    EXPECT_EQ(pixel(narrow, 1, 0), fill.rgba());
    EXPECT_EQ(pixel(narrow, 1, 4), fill.rgba());
    EXPECT_EQ(pixel(narrow, 1, 5), qRgba(0, 0, 0, 0));

    const QImage wide = renderWaveform(p, QSize(8, 11), {fill, {}});
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(pixel(wide, x, 0) == fill.rgba(), x >= 6) << x;  // only column 3 reaches the top
}

TEST(WaveformRender, ADenseScreenGetsAColumnPerDevicePixel)
{
    WaveformPeaks p;
    p.low = {-100, -32768, 0, 0};
    p.high = {100, 0, 0, 32767};
    const QColor fill(10, 20, 30, 255);
    // Two logical pixels at two device pixels each: the four columns unmerged, the rows of 21.
    const QImage dense = renderWaveform(p, QSize(2, 11), {fill, {}}, 2);
    ASSERT_EQ(dense.size(), QSize(4, 22));
    EXPECT_EQ(dense.devicePixelRatio(), 2.0);
    EXPECT_EQ(dense.deviceIndependentSize(), QSizeF(2, 11));
    // Row of s: (32767 - s) * 21 / 65535. Column 0: rows 10..10, 1: 10..21, 2: 10, 3: 0..10.
    const int tops[4] = {10, 10, 10, 0};
    const int bottoms[4] = {10, 21, 10, 10};
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 22; ++y)
            ASSERT_EQ(pixel(dense, x, y) == fill.rgba(), y >= tops[x] && y <= bottoms[x]) << x << "," << y;
    EXPECT_TRUE(renderWaveform(p, QSize(2, 11), {fill, {}}, 0).isNull());
}

TEST(WaveformRender, NothingToDrawGivesATransparentImage)
{
    const QImage image = renderWaveform({}, QSize(728, 50), {Qt::white, Qt::black});
    ASSERT_EQ(image.size(), QSize(728, 50));
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 728; ++x)
            ASSERT_EQ(qAlpha(image.pixel(x, y)), 0);
    EXPECT_TRUE(renderWaveform({}, QSize(0, 10), {Qt::white, {}}).isNull());
}

}  // namespace
