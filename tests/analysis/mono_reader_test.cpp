// The first pass: mixing to mono and resampling to the analysis rate keep level and timing.
#include "analysis/MonoReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

using namespace analysis;

namespace {

struct Collected {
    std::vector<float> samples;
    PassResult result;
    int peak = -1;
};

Collected readAll(AudioSource& source, int rate, const std::atomic<bool>* cancel = nullptr)
{
    RunControl run(cancel, {});
    Stage stage(run, 0, 1);
    Collected c;
    c.result = readMono(
        source, rate, stage, [&](std::span<const float> b) { c.samples.insert(c.samples.end(), b.begin(), b.end()); },
        &c.peak);
    return c;
}

TEST(MixToMono, IsTheMeanOfTheChannelsAtFullScaleOne)
{
    const std::vector<std::int16_t> stereo{-32768, -32768, 16384, 0, 100, -100};
    std::vector<float> out(5);
    mixToMono(stereo.data(), 3, 2, out.data());
    EXPECT_FLOAT_EQ(out[0], -1.0f);
    EXPECT_FLOAT_EQ(out[1], 0.25f);
    EXPECT_FLOAT_EQ(out[2], 0.0f);
    const std::vector<std::int16_t> five{100, 200, 300, 400, 500};
    mixToMono(five.data(), 1, 5, out.data());
    EXPECT_FLOAT_EQ(out[0], 300.0f / 32768.0f);
    mixToMono(five.data(), 5, 1, out.data());
    EXPECT_FLOAT_EQ(out[4], 500.0f / 32768.0f);
}

// A click in each channel at a known time, over a quiet sine: after resampling, the click is
// where it was and the sine keeps its level.
TEST(ReadMono, ResamplingKeepsTimeAndLevel)
{
    for (const int rate : {44100, 48000, 22050, 96000, 11025, 8000}) {
        const int channels = 2;
        const std::int64_t frames = std::int64_t(rate) * 3;
        std::vector<std::int16_t> samples(std::size_t(frames * channels));
        for (std::int64_t f = 0; f < frames; ++f) {
            const auto v = std::int16_t(std::lround(8192 * std::sin(2 * std::numbers::pi * 200 * double(f) / rate)));
            samples[std::size_t(2 * f)] = v;
            samples[std::size_t(2 * f + 1)] = v;
        }
        const std::int64_t click = std::int64_t(rate) * 2; // at 2.000 s
        samples[std::size_t(2 * click)] = 32767;
        samples[std::size_t(2 * click + 1)] = 32767;
        MemorySource source(samples, rate, channels);
        const Collected c = readAll(source, 11025);
        ASSERT_EQ(c.result, PassResult::Done) << rate;
        EXPECT_NEAR(double(c.samples.size()), 3.0 * 11025, 2) << rate;
        EXPECT_EQ(c.peak, 32767);
        // The sine's level away from the click (amplitude 0.25).
        float level = 0;
        for (std::size_t i = 11025 / 2; i < 11025; ++i)
            level = std::max(level, std::abs(c.samples[i]));
        EXPECT_NEAR(level, 0.25, 0.01) << rate;
        // The click: the largest step between neighbours, near 2 s.
        std::size_t at = 0;
        float step = 0;
        for (std::size_t i = 1; i < c.samples.size(); ++i)
            if (std::abs(c.samples[i] - c.samples[i - 1]) > step) {
                step = std::abs(c.samples[i] - c.samples[i - 1]);
                at = i;
            }
        EXPECT_NEAR(double(at), 2.0 * 11025, 3) << rate;
    }
}

TEST(ReadMono, StopsOnCancelAndOnAReadFailure)
{
    std::vector<std::int16_t> samples(44100 * 10);
    MemorySource source(samples, 44100, 1);
    std::atomic<bool> cancel{true};
    EXPECT_EQ(readAll(source, 11025, &cancel).result, PassResult::Cancelled);

    class Broken : public MemorySource {
    public:
        using MemorySource::MemorySource;
        bool read(std::int64_t first, std::int64_t count, std::int16_t* out) override
        {
            return first < 20000 && MemorySource::read(first, count, out);
        }
    } broken(samples, 44100, 1);
    EXPECT_EQ(readAll(broken, 11025).result, PassResult::ReadFailed);
}

} // namespace
