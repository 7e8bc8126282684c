// Trimming silence to the millisecond: the threshold rule, exact edges on files with known
// silent heads and tails, fades, quiet files, and selections without sound.
#include "analysis/SilenceTrim.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

using namespace analysis;

namespace {

// A file of `frames` frames, silent unless set.
struct TestFile {
    int rate;
    int channels;
    std::vector<std::int16_t> samples;

    TestFile(int r, int c, std::int64_t frames) : rate(r), channels(c), samples(std::size_t(frames * c), 0) {}
    std::int16_t& at(std::int64_t frame, int channel) { return samples[std::size_t(frame * channels + channel)]; }
    // A 440 Hz tone of amplitude amp on every channel over [first, last].
    void tone(std::int64_t first, std::int64_t last, double amp)
    {
        for (std::int64_t f = first; f <= last; ++f)
            for (int c = 0; c < channels; ++c)
                at(f, c) = std::int16_t(std::lround(amp * std::sin(2 * std::numbers::pi * 440 * double(f) / rate)));
    }
    MemorySource source() const { return MemorySource(samples, rate, channels); }
};

// The kept range contains the instants of `first` and `last` and is tight around them: moving
// either edge inward by a millisecond would lose one of them.
void expectTightAround(const MsRange& r, std::int64_t first, std::int64_t last, int rate)
{
    EXPECT_LE(r.beginMs * rate, first * 1000) << "begin cuts the first sound frame";
    EXPECT_GT((r.beginMs + 1) * rate, first * 1000) << "begin could move on";
    EXPECT_GE(r.endMs * rate, last * 1000) << "end cuts the last sound frame";
    EXPECT_LT((r.endMs - 1) * rate, last * 1000) << "end could move back";
}

TEST(SilenceThreshold, IsMinus50DbfsOr40DbUnderAQuieterFilesPeak)
{
    // Full scale 32768: -50 dBFS is 103.6, so 104 is the smallest sound sample.
    EXPECT_EQ(soundThreshold(32768), 104);
    EXPECT_EQ(soundThreshold(10362), 104); // -10 dBFS: both rules agree
    EXPECT_EQ(soundThreshold(10000), 100); // a quieter file: peak / 100
    EXPECT_EQ(soundThreshold(1000), 10);
    EXPECT_EQ(soundThreshold(1001), 11);
    EXPECT_EQ(soundThreshold(50), 1);
    EXPECT_EQ(soundThreshold(0), 1); // a zero sample is always silent
    EXPECT_NEAR(silenceThresholdDb(32768), -50.0, 1e-9);
    EXPECT_NEAR(silenceThresholdDb(1000), 20 * std::log10(1000.0 / 32768) - 40, 1e-9);
}

TEST(SilenceTrim, EdgesAreExactToTheMillisecondAroundTheSound)
{
    for (int rate : {44100, 48000, 8000, 22050}) {
        TestFile file(rate, 2, std::int64_t(rate) * 5);
        const std::int64_t first = std::int64_t(rate * 1.2345) + 7;
        const std::int64_t last = std::int64_t(rate * 3.7) + 3;
        file.tone(first, last, 20000);
        file.at(first, 0) = 5000; // the tone starts at phase 0 there; make the edges sound
        file.at(last, 1) = -5000;
        MemorySource source = file.source();
        const auto r = trimSilence(source, {0, 5000}, 20000);
        ASSERT_TRUE(r) << rate;
        expectTightAround(*r, first, last, rate);
    }
}

TEST(SilenceTrim, KnownEdgesAt44100)
{
    TestFile file(44100, 1, 44100 * 4);
    file.tone(54440, 100000, 8000);
    file.at(54440, 0) = 200;
    file.at(100000, 0) = 200;
    MemorySource source = file.source();
    // 54440 / 44.1 = 1234.47 ms, 100000 / 44.1 = 2267.57 ms.
    EXPECT_EQ(trimSilence(source, {0, 4000}, 8000), (MsRange{1234, 2268}));
    // A sound frame on a whole millisecond keeps that millisecond on both sides.
    TestFile exact(48000, 1, 48000 * 2);
    exact.at(48, 0) = 1000;   // 1 ms
    exact.at(960, 0) = -1000; // 20 ms
    MemorySource exactSource = exact.source();
    EXPECT_EQ(trimSilence(exactSource, {0, 2000}, 1000), (MsRange{1, 20}));
}

TEST(SilenceTrim, ASampleAtTheThresholdIsSoundOneBelowIsSilence)
{
    TestFile file(44100, 2, 44100 * 2);
    file.at(1000, 1) = 103;   // below -50 dBFS: silence
    file.at(2000, 0) = -104;  // at it: sound
    file.at(30000, 1) = 104;
    file.at(40000, 0) = -103;
    file.at(50000, 0) = 32767; // the file's peak is near full scale
    MemorySource source = file.source();
    const auto r = trimSilence(source, {0, 1000}, 32767);
    ASSERT_TRUE(r);
    expectTightAround(*r, 2000, 30000, 44100);
}

TEST(SilenceTrim, AFadeInAndOutCrossTheThresholdWhereTheirSamplesDo)
{
    // A square wave rising linearly from 0 to 16000 over two seconds and falling back: its
    // samples are known, so the first and last at or above 104 are too.
    constexpr int rate = 44100;
    TestFile file(rate, 2, rate * 6);
    const std::int64_t start = rate / 2;
    const std::int64_t ramp = 2 * rate;
    std::int64_t firstLoud = -1;
    std::int64_t lastLoud = -1;
    for (std::int64_t i = 0; i < 2 * ramp; ++i) {
        const double level = i < ramp ? double(i) / ramp : double(2 * ramp - i) / ramp;
        const auto v = std::int16_t(std::lround(16000 * level) * ((i / 50) % 2 ? 1 : -1));
        file.at(start + i, 0) = v;
        file.at(start + i, 1) = std::int16_t(v / 2);
        if (std::abs(int(v)) >= 104) {
            if (firstLoud < 0)
                firstLoud = start + i;
            lastLoud = start + i;
        }
    }
    // The fade's first samples are sound in a quiet file but silence in a full-scale one.
    MemorySource source = file.source();
    const auto r = trimSilence(source, {0, 6000}, 32768);
    ASSERT_TRUE(r);
    expectTightAround(*r, firstLoud, lastLoud, rate);
    EXPECT_GT(firstLoud, start + 200); // the threshold, not the first non-zero sample, decides
}

TEST(SilenceTrim, AQuietFilesThresholdFollowsItsPeak)
{
    // Peak 1000 (-30.3 dBFS): the threshold is 40 dB under it, 10.
    TestFile file(44100, 1, 44100 * 3);
    for (std::int64_t f = 0; f < 44100 * 3; ++f)
        file.at(f, 0) = std::int16_t((f % 7) - 3 + ((f % 2) ? 6 : -6)); // hiss of at most 9
    file.at(44100, 0) = 10;
    file.at(80000, 0) = -10;
    file.at(60000, 0) = 1000;
    MemorySource source = file.source();
    const auto r = trimSilence(source, {0, 3000}, 1000);
    ASSERT_TRUE(r);
    expectTightAround(*r, 44100, 80000, 44100);
    // With a loud file's threshold the same hiss and the quiet edges are silence.
    EXPECT_EQ(trimSilence(source, {0, 3000}, 32768), (MsRange{1360, 1361}));
}

TEST(SilenceTrim, OneSoundingChannelOfEightIsSound)
{
    TestFile file(44100, 8, 44100);
    file.at(10000, 7) = 3000;
    file.at(20000, 3) = -3000;
    MemorySource source = file.source();
    const auto r = trimSilence(source, {0, 1000}, 3000);
    ASSERT_TRUE(r);
    expectTightAround(*r, 10000, 20000, 44100);
}

TEST(SilenceTrim, EdgesNeverMoveOutwardAndSoundAtTheSelectionsEdgesKeepsThem)
{
    TestFile file(44100, 2, 44100 * 4);
    file.tone(0, 44100 * 4 - 1, 10000);
    MemorySource source = file.source();
    for (const MsRange sel : {MsRange{500, 2500}, MsRange{1001, 1002}, MsRange{0, 3999}}) {
        const auto r = trimSilence(source, sel, 10000);
        ASSERT_TRUE(r);
        EXPECT_GE(r->beginMs, sel.beginMs);
        EXPECT_LE(r->endMs, sel.endMs);
        // The tone is at zero on some frames, so the edges may move by a frame at most.
        EXPECT_LE(r->beginMs - sel.beginMs, 1);
        EXPECT_LE(sel.endMs - r->endMs, 1);
    }
}

TEST(SilenceTrim, NothingWhenTheSelectionHoldsNoSound)
{
    TestFile file(44100, 2, 44100 * 4);
    file.tone(44100 * 3, 44100 * 3 + 500, 10000); // sound after the selection only
    for (std::int64_t f = 0; f < 44100 * 2; ++f)
        file.at(f, f % 2) = std::int16_t(f % 2 ? 50 : -50); // hiss under the threshold
    MemorySource source = file.source();
    EXPECT_FALSE(trimSilence(source, {0, 2900}, 10000));
    EXPECT_FALSE(trimSilence(source, {3500, 3500}, 10000));
    EXPECT_FALSE(trimSilence(source, {2000, 1000}, 10000)); // reversed
    EXPECT_FALSE(trimSilence(source, {5000, 6000}, 10000)); // past the end
    EXPECT_TRUE(trimSilence(source, {0, 4000}, 10000));
    TestFile silent(44100, 1, 44100);
    MemorySource silentSource = silent.source();
    EXPECT_FALSE(trimSilence(silentSource, {0, 1000}, 0));
}

TEST(FilePeak, IsTheLargestMagnitudeOfAnyChannelWithFullScaleNegative)
{
    TestFile file(8000, 3, 100000);
    file.at(99999, 2) = 1234;
    MemorySource source = file.source();
    EXPECT_EQ(filePeak(source), 1234);
    file.at(50000, 1) = -32768;
    MemorySource again = file.source();
    EXPECT_EQ(filePeak(again), 32768);
    std::atomic<bool> cancel{true};
    EXPECT_FALSE(filePeak(again, &cancel));
}

} // namespace
