// Choosing windows from per-beat features: the terms, distinctness, silence and the edges.
#include "analysis/HookScorer.h"

#include <gtest/gtest.h>

using namespace analysis;

namespace {

// A song of beats every half second, downbeats every fourth, quiet and unrepeated unless set.
struct Scene {
    BeatFeatures beats;
    std::vector<float> repetition;
    std::vector<float> novelty;
    HookScene scene;

    explicit Scene(double seconds, double firstBeat = 0.0)
    {
        for (double t = firstBeat; t + 0.5 <= seconds + 1e-9; t += 0.5) {
            beats.start.push_back(t);
            beats.end.push_back(t + 0.5);
            beats.chroma.push_back({});
            beats.loudness.push_back(-24);
            beats.peak.push_back(0.1f);
            repetition.push_back(1);
            novelty.push_back(0);
        }
        scene.beats = &beats;
        scene.repetition = &repetition;
        scene.novelty = &novelty;
        scene.downbeat.assign(beats.size(), false);
        for (std::size_t i = 0; i < beats.size(); i += 4)
            scene.downbeat[i] = true;
        scene.durationMs = std::int64_t(seconds * 1000);
        scene.silencePeak = 0.003f;
    }
    // Makes [from, to) seconds a loud, repeated section.
    void section(double from, double to, float rep = 6, float loudness = -12)
    {
        for (std::size_t i = 0; i < beats.size(); ++i)
            if (beats.start[i] >= from - 1e-9 && beats.start[i] < to - 1e-9) {
                repetition[i] = rep;
                beats.loudness[i] = loudness;
            }
    }
    void silence(double from, double to)
    {
        for (std::size_t i = 0; i < beats.size(); ++i)
            if (beats.start[i] >= from - 1e-9 && beats.start[i] < to - 1e-9) {
                beats.loudness[i] = -120;
                beats.peak[i] = 0;
            }
    }
};

TEST(HookScorer, TheLoudRepeatedSectionWinsFromItsFirstDownbeat)
{
    Scene s(120);
    s.section(60, 75);
    s.section(20, 30, 3, -18); // somewhat repeated, quieter
    const auto picked = pickHooks(s.scene, 10000, 3);
    ASSERT_EQ(picked.size(), 3u);
    EXPECT_EQ(picked[0].beginMs, 60000);
    EXPECT_EQ(picked[0].endMs, 70000);
    // The quieter section is proposed too (the rest of the loud one may come before it).
    EXPECT_TRUE(picked[1].beginMs == 20000 || picked[2].beginMs == 20000);
    EXPECT_GT(picked[0].score, picked[1].score);
    EXPECT_GE(picked[1].score, picked[2].score);
}

TEST(HookScorer, NoTwoProposalsOverlapByMoreThanHalf)
{
    Scene s(60);
    s.section(10, 50); // one long section: every start in it is nearly as good
    const auto picked = pickHooks(s.scene, 20000, 3);
    ASSERT_EQ(picked.size(), 3u);
    for (std::size_t i = 0; i < picked.size(); ++i)
        for (std::size_t j = 0; j < i; ++j) {
            const auto overlap = std::min(picked[i].endMs, picked[j].endMs) - std::max(picked[i].beginMs, picked[j].beginMs);
            EXPECT_LE(overlap, 10000);
        }
}

TEST(HookScorer, ADownbeatStartBeatsAnotherBeat)
{
    Scene s(120);
    s.section(30, 40);     // starts on beat 60, a downbeat
    s.section(80.5, 90.5); // starts on beat 161, not one
    EXPECT_EQ(pickHooks(s.scene, 10000, 1).at(0).beginMs, 30000);
    s.scene.downbeat.assign(s.beats.size(), false);
    s.scene.downbeat[161] = true;
    EXPECT_EQ(pickHooks(s.scene, 10000, 1).at(0).beginMs, 80500);
}

TEST(HookScorer, SilenceIsAvoidedEvenWhereItRepeats)
{
    Scene s(120);
    s.section(20, 40, 8, -12);
    s.silence(20, 40); // repetition of nothing
    s.section(70, 80, 2, -20); // plain, but not silent
    const auto picked = pickHooks(s.scene, 10000, 1);
    ASSERT_EQ(picked.size(), 1u);
    EXPECT_EQ(picked[0].beginMs, 70000);
}

TEST(HookScorer, LengthsAreClampedToTheSongAndStartsKeepRoomForThem)
{
    Scene s(100);
    s.section(95, 100); // the best part is at the very end
    auto picked = pickHooks(s.scene, 20000, 3);
    ASSERT_FALSE(picked.empty());
    EXPECT_EQ(picked[0].endMs, 100000);
    EXPECT_EQ(picked[0].beginMs, 80000);
    picked = pickHooks(s.scene, 250000, 3);
    ASSERT_EQ(picked.size(), 1u);
    EXPECT_EQ(picked[0], (HookProposal{0, 100000, picked[0].score}));
    picked = pickHooks(s.scene, 0, 1);
    ASSERT_EQ(picked.size(), 1u);
    EXPECT_EQ(picked[0].endMs - picked[0].beginMs, 1);
}

TEST(HookScorer, ASongWithoutBeatsStillGetsItsEdgesScoredAsSilence)
{
    Scene s(0);
    s.scene.durationMs = 50000;
    const auto picked = pickHooks(s.scene, 30000, 3);
    ASSERT_EQ(picked.size(), 2u); // the first and the last window, 0-30 s and 20-50 s
    EXPECT_EQ(picked[0].score, 0.0);
    EXPECT_EQ(picked[1].score, 0.0);
    EXPECT_EQ(picked[0].beginMs + picked[1].beginMs, 20000);
    s.scene.durationMs = 0;
    EXPECT_TRUE(pickHooks(s.scene, 30000, 3).empty());
}

} // namespace
