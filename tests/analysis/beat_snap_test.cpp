// Snapping a time to the nearest beat within a tolerance.
#include "analysis/BeatSnap.h"

#include <gtest/gtest.h>

using namespace analysis;

namespace {

const std::vector<double> kBeats{1.0, 1.5, 2.0, 2.75};

TEST(BeatSnap, TheNearestBeatWithinTheTolerance)
{
    EXPECT_EQ(snapToBeat(kBeats, 1.6, 0.2), 1.5);
    EXPECT_EQ(snapToBeat(kBeats, 1.9, 0.2), 2.0);
    EXPECT_EQ(snapToBeat(kBeats, 2.0, 0.0), 2.0);
    EXPECT_EQ(snapToBeat(kBeats, 2.5, 0.25), 2.75);
    EXPECT_EQ(snapToBeat(kBeats, 0.9, 0.1), 1.0);  // before the first beat
    EXPECT_EQ(snapToBeat(kBeats, 3.0, 0.25), 2.75); // after the last
}

TEST(BeatSnap, NoneFartherThanTheTolerance)
{
    EXPECT_FALSE(snapToBeat(kBeats, 1.25 + 0.01, 0.2));
    EXPECT_FALSE(snapToBeat(kBeats, 2.4, 0.3));
    EXPECT_FALSE(snapToBeat(kBeats, 0.5, 0.49));
    EXPECT_FALSE(snapToBeat(kBeats, 4.0, 1.0));
    EXPECT_FALSE(snapToBeat(kBeats, 1.5, -0.1));
    EXPECT_FALSE(snapToBeat({}, 1.0, 10));
}

TEST(BeatSnap, HalfwayGoesToTheEarlierBeat)
{
    EXPECT_EQ(snapToBeat(kBeats, 1.25, 0.25), 1.0);
    EXPECT_EQ(snapToBeat(kBeats, 2.375, 1.0), 2.0);
}

} // namespace
