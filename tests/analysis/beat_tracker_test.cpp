// Beats and downbeats of click tracks long enough to be tracked in several pieces: the pieces
// join without a doubled or missing beat.
#include "analysis/BeatTracker.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace analysis;

namespace {

// Clicks at bpm from 1 s on, over a tone whose pitch changes on the first beat of every bar
// (bars are told by their harmony changing, as in music).
FrameFeatures clickTrack(const AnalysisShape& shape, double seconds, double bpm)
{
    std::vector<float> samples(std::size_t(seconds * shape.rate));
    const double beat = 60.0 / bpm;
    const double pitches[] = {220.0, 329.6, 261.6, 392.0, 293.7};
    int n = 0;
    for (double t = 1.0; t < seconds - 0.1; t += beat, ++n) {
        const auto first = std::size_t(t * shape.rate);
        const double pitch = pitches[(n / 4) % 5];
        for (std::size_t i = 0; i < std::size_t(beat * shape.rate) && first + i < samples.size(); ++i) {
            const double u = double(i) / shape.rate;
            samples[first + i] += float(0.4 * std::exp(-u / 0.02) * std::sin(2 * std::numbers::pi * 1500 * u)
                                        + 0.2 * std::sin(2 * std::numbers::pi * pitch * (t + u)));
        }
    }
    FeatureExtractor extractor(shape, std::int64_t(samples.size()));
    for (std::size_t at = 0; at < samples.size(); at += 4096)
        extractor.push(std::span<const float>(samples.data() + at, std::min<std::size_t>(4096, samples.size() - at)));
    return extractor.finish();
}

void expectSteadyBeats(const BeatGrid& grid, double seconds, double bpm)
{
    const double beat = 60.0 / bpm;
    const auto expected = int((seconds - 1.1) / beat) + 1;
    EXPECT_NEAR(double(grid.beats.size()), expected, 3);
    EXPECT_NEAR(grid.bpm, bpm, 1.0);
    for (std::size_t i = 1; i < grid.beats.size(); ++i) {
        if (grid.beats[i - 1] < 3.0)
            continue; // the tracker settles in over the first beats
        const double gap = grid.beats[i] - grid.beats[i - 1];
        ASSERT_NEAR(gap, beat, 0.08 * beat) << "between beats " << i - 1 << " and " << i << " at " << grid.beats[i];
    }
    // Downbeats: where the pitch changes, every fourth beat.
    int onBars = 0;
    for (double d : grid.downbeatTimes()) {
        const double bars = (d - 1.0) / (4 * beat);
        onBars += std::abs(bars - std::round(bars)) * 4 * beat < 0.05;
    }
    EXPECT_GE(onBars, int(0.9 * double(grid.downbeats.size())));
    EXPECT_NEAR(double(grid.downbeats.size()), double(grid.beats.size()) / 4, 3);
}

TEST(BeatTracker, ASevenMinuteTrackIsTrackedInPiecesThatJoinCleanly)
{
    const AnalysisShape shape;
    const FrameFeatures features = clickTrack(shape, 420, 100);
    ASSERT_GT(features.onset.size(), 4 * 8192u); // five pieces at least
    RunControl run(nullptr, {});
    Stage stage(run, 0, 1);
    const auto grid = trackBeats(features, stage);
    ASSERT_TRUE(grid);
    expectSteadyBeats(*grid, 420, 100);
}

TEST(BeatTracker, TheHalfRateShapeOfLongFilesTracksAsWell)
{
    const AnalysisShape shape = AnalysisShape::forDuration(3600);
    ASSERT_LT(shape.rate, 11025);
    const FrameFeatures features = clickTrack(shape, 200, 132);
    RunControl run(nullptr, {});
    Stage stage(run, 0, 1);
    const auto grid = trackBeats(features, stage);
    ASSERT_TRUE(grid);
    expectSteadyBeats(*grid, 200, 132);
}

TEST(BeatTracker, ACancelEndsTracking)
{
    const FrameFeatures features = clickTrack(AnalysisShape{}, 60, 120);
    std::atomic<bool> cancel{true};
    RunControl run(&cancel, {});
    Stage stage(run, 0, 1);
    EXPECT_FALSE(trackBeats(features, stage));
}

TEST(BeatTracker, SilenceHasNoSteadyBeatButDoesNotFail)
{
    FeatureExtractor extractor(AnalysisShape{}, 11025 * 30);
    const std::vector<float> silence(11025 * 30, 0.0f);
    extractor.push(silence);
    const FrameFeatures features = extractor.finish();
    RunControl run(nullptr, {});
    Stage stage(run, 0, 1);
    const auto grid = trackBeats(features, stage);
    ASSERT_TRUE(grid);
    EXPECT_TRUE(std::is_sorted(grid->beats.begin(), grid->beats.end()));
    for (std::size_t i : grid->downbeats)
        EXPECT_LT(i, grid->beats.size());
}

} // namespace
