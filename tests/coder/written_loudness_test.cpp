// The written file brought to the target: write, measure what a decoder gives back, correct;
// against a model of a sound, a limiter and an encoder.
#include "coder/WrittenLoudness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

using coder::ExcerptLoudness;
using coder::FileLoudness;
using coder::LoudnessReading;
using coder::LoudnessSearch;
using coder::LoudnessTarget;
using coder::loudnessShortfall;
using coder::reachWrittenLoudness;

namespace {

// A sound as the meter reads it after "volume=<g>dB" and perhaps a limiter, which holds the peak
// at its ceiling and takes away `loss` LU per dB it holds back.
struct ModelSound {
    double integrated;
    double peak;
    double loss = 0.4;

    LoudnessReading operator()(const std::string& chain, coder::Measurement = coder::Measurement::First) const
    {
        double gain = 0;
        if (const auto at = chain.find("volume="); at != std::string::npos)
            gain = std::stod(chain.substr(at + 7));
        LoudnessReading r{integrated + gain, peak + gain};
        if (const auto lim = chain.find("limit="); lim != std::string::npos) {
            const double held = std::max(0.0, r.samplePeak - 20 * std::log10(std::stod(chain.substr(lim + 6))));
            r.samplePeak -= held;
            r.integrated -= loss * held;
        }
        return r;
    }
};

// An encoder and decoder: the file is `offsets[n]` LU louder than what went in on the n-th write
// (the last offset for every later one), and its true peak `overshoot` dB over the highest sample.
struct ModelEncoder {
    const ModelSound& sound;
    std::vector<double> offsets;
    double overshoot;
    std::vector<std::string> steps;

    FileLoudness operator()(const std::string& step)
    {
        const double offset = offsets[std::min(steps.size(), offsets.size() - 1)];
        steps.push_back(step);
        const LoudnessReading r = sound(step);
        return FileLoudness{r.integrated + offset, r.samplePeak + overshoot};
    }
};

double limitOf(const std::string& step)
{
    const auto at = step.find("limit=");
    return at == std::string::npos ? 0 : 20 * std::log10(std::stod(step.substr(at + 6)));
}

TEST(WrittenLoudness, WhatTheEncoderTakesIsMadeUpOnTheNextWrite)
{
    const ModelSound sound{-30, -20};
    ModelEncoder encoder{sound, {-0.45}, 1.0, {}};
    LoudnessSearch search(44100, "", sound);
    const LoudnessTarget target{-16, -1};
    const auto result = reachWrittenLoudness(target, search, std::ref(encoder));
    EXPECT_EQ(result.writes, 2);
    EXPECT_EQ(encoder.steps.size(), 2u);
    EXPECT_NEAR(result.reached.integrated, -16, coder::writtenTolerance);
    EXPECT_LE(result.reached.truePeak, -1);
    EXPECT_EQ(result.step, encoder.steps.back());
    EXPECT_EQ(loudnessShortfall(target, result.reached), "");
}

TEST(WrittenLoudness, AnExcerptShowsWhatTheEncoderDoesBeforeTheWholeIsWritten)
{
    const ModelSound sound{-30, -20};
    ModelEncoder encoder{sound, {-0.45}, 1.0, {}};
    int excerpts = 0;
    const coder::TryExcerpt excerpt = [&](const std::string& step) -> std::optional<ExcerptLoudness> {
        ++excerpts;
        // An excerpt a little louder than the whole; the encoder does the same to it.
        const double in = sound(step).integrated + 0.7;
        return ExcerptLoudness{in, FileLoudness{in - 0.45, sound(step).samplePeak + 1.0}};
    };
    LoudnessSearch search(44100, "", sound);
    const auto result = reachWrittenLoudness(LoudnessTarget{-16, -1}, search, std::ref(encoder), excerpt);
    EXPECT_EQ(excerpts, 1);
    EXPECT_EQ(result.writes, 1);
    EXPECT_NEAR(result.reached.integrated, -16, 0.05);

    // A cut too short for an excerpt is written twice, as without one.
    ModelEncoder again{sound, {-0.45}, 1.0, {}};
    LoudnessSearch fresh(44100, "", sound);
    const auto none = [](const std::string&) { return std::optional<ExcerptLoudness>(); };
    EXPECT_EQ(reachWrittenLoudness(LoudnessTarget{-16, -1}, fresh, std::ref(again), none).writes, 2);
}

TEST(WrittenLoudness, PeaksThatPassTheCeilingLowerItForTheNextWrite)
{
    // An encoder that adds 2 dB to the peaks (the limiter stops 1 dB under the ceiling).
    const ModelSound sound{-24, -6, 0.4};
    ModelEncoder encoder{sound, {0}, 2.0, {}};
    LoudnessSearch search(44100, "", sound);
    const auto result = reachWrittenLoudness(LoudnessTarget{-14, -1}, search, std::ref(encoder));
    ASSERT_EQ(encoder.steps.size(), 2u);
    EXPECT_NEAR(limitOf(encoder.steps[0]), -2, 1e-3);
    EXPECT_NEAR(limitOf(encoder.steps[1]), -2 - (1.0 + 0.3), 1e-3);
    EXPECT_LE(result.reached.truePeak, -1);
    EXPECT_NEAR(result.reached.integrated, -14, coder::writtenTolerance);

    // An excerpt that shows the peaks near the ceiling lowers it before the whole is written.
    ModelEncoder once{sound, {0}, 2.0, {}};
    LoudnessSearch fresh(44100, "", sound);
    const coder::TryExcerpt excerpt = [&](const std::string& step) -> std::optional<ExcerptLoudness> {
        const LoudnessReading r = sound(step);
        return ExcerptLoudness{r.integrated, FileLoudness{r.integrated, r.samplePeak + 1.8}};
    };
    const auto early = reachWrittenLoudness(LoudnessTarget{-14, -1}, fresh, std::ref(once), excerpt);
    EXPECT_EQ(early.writes, 1);
    EXPECT_LE(early.reached.truePeak, -1);
}

TEST(WrittenLoudness, ATargetOutOfReachIsWrittenOnceAtTheBestItCan)
{
    // A lone click: the limiter holds it, and each dB of gain brings almost nothing.
    const ModelSound click{-40, 0, 0.98};
    ModelEncoder encoder{click, {0}, 0.5, {}};
    LoudnessSearch search(44100, "", click);
    const LoudnessTarget target{-16, -1};
    const auto result = reachWrittenLoudness(target, search, std::ref(encoder));
    EXPECT_EQ(result.writes, 1);
    EXPECT_LT(result.reached.integrated, -40);
    EXPECT_LE(result.reached.truePeak, -1);
    char expected[128];
    std::snprintf(expected, sizeof expected, "Loudness: %.1f LUFS reached, %.1f LU under the target of -16 LUFS",
                  result.reached.integrated, -16 - result.reached.integrated);
    EXPECT_EQ(loudnessShortfall(target, result.reached), expected);

    // Near-silent hiss: 30 dB of gain and no more.
    const ModelSound hiss{-60, -48};
    ModelEncoder quiet{hiss, {0}, 0.5, {}};
    LoudnessSearch more(44100, "", hiss);
    const auto most = reachWrittenLoudness(target, more, std::ref(quiet));
    EXPECT_EQ(most.writes, 1);
    EXPECT_EQ(most.step, "volume=30.00dB");
    EXPECT_EQ(loudnessShortfall(target, most.reached), "Loudness: -30.0 LUFS reached, 14.0 LU under the target of -16 LUFS");
}

TEST(WrittenLoudness, TheBestFileIsTheOneLeftWhenLaterWritesComeOutWorse)
{
    // An encoder whose change of loudness swings from write to write.
    const ModelSound sound{-30, -20};
    ModelEncoder encoder{sound, {-0.6, 0.9, -0.6, 0.9}, 1.0, {}};
    LoudnessSearch search(44100, "", sound);
    std::vector<bool> planned;
    const LoudnessTarget target{-16, -1};
    const auto result = reachWrittenLoudness(target, search, std::ref(encoder), {},
                                             [&](bool surelyLast) { planned.push_back(surelyLast); });
    ASSERT_GE(encoder.steps.size(), 3u);
    // The first was the nearest: written again, last.
    EXPECT_EQ(result.step, encoder.steps.front());
    EXPECT_EQ(encoder.steps.back(), encoder.steps.front());
    EXPECT_EQ(result.writes, static_cast<int>(encoder.steps.size()));
    EXPECT_NEAR(result.reached.integrated, -16.6, 1e-9);
    ASSERT_EQ(planned.size(), encoder.steps.size());
    EXPECT_TRUE(planned.back());
    EXPECT_EQ(loudnessShortfall(target, result.reached), "Loudness: -16.6 LUFS reached, 0.6 LU under the target of -16 LUFS");
}

TEST(WrittenLoudness, TheShortfallLineHasOneFormForTheWindowToRead)
{
    const LoudnessTarget target{-16, -1};
    EXPECT_EQ(loudnessShortfall(target, FileLoudness{-19.43, -3}),
              "Loudness: -19.4 LUFS reached, 3.4 LU under the target of -16 LUFS");
    EXPECT_EQ(loudnessShortfall(LoudnessTarget{-14, -1}, FileLoudness{-13.1, -1.5}),
              "Loudness: -13.1 LUFS reached, 0.9 LU over the target of -14 LUFS");
    EXPECT_EQ(loudnessShortfall(LoudnessTarget{-16.5, -1}, FileLoudness{-20, -9}),
              "Loudness: -20.0 LUFS reached, 3.5 LU under the target of -16.5 LUFS");
    EXPECT_EQ(loudnessShortfall(target, FileLoudness{-HUGE_VAL, -200}),
              "Loudness: -70.0 LUFS reached, 54.0 LU under the target of -16 LUFS");
    // Within the tolerance nothing is said.
    EXPECT_EQ(loudnessShortfall(target, FileLoudness{-16.24, -1}), "");
    EXPECT_EQ(loudnessShortfall(target, FileLoudness{-15.76, -1}), "");
}

} // namespace
