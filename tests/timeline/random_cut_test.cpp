// The random cutter's choice in whole seconds: always longer than five seconds, inside the
// file, every possible selection equally likely, never a retry.
#include "timeline/RandomCut.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

namespace {
// Counts the draws of an engine.
struct CountingEngine {
    std::mt19937 inner;
    int draws = 0;
    using result_type = std::mt19937::result_type;
    static constexpr result_type min() { return std::mt19937::min(); }
    static constexpr result_type max() { return std::mt19937::max(); }
    result_type operator()()
    {
        ++draws;
        return inner();
    }
};
}  // namespace

TEST(RandomCut, TooShortFilesHaveNoCutAndTheLongestHaveOne)
{
    std::mt19937 engine(1);
    for (std::int32_t d : {-1, 0, 1, 5})
        EXPECT_FALSE(randomCut(d, engine)) << d;
    const auto huge = randomCut(2147483647, engine);
    ASSERT_TRUE(huge);
    EXPECT_GE(huge->end - std::int64_t(huge->begin), 6);
}

TEST(RandomCut, ASixSecondFileAlwaysGetsTheWholeFile)
{
    CountingEngine engine{std::mt19937(7)};
    for (int i = 0; i < 1000; ++i) {
        const auto cut = randomCut(6, engine);
        ASSERT_TRUE(cut);
        ASSERT_EQ(*cut, (RandomCut{0, 6}));
    }
    EXPECT_EQ(engine.draws, 2000);  // two draws each, however the dice fall
}

TEST(RandomCut, EveryPossibleCutComesUpAboutEquallyOften)
{
    // A 9-second file has the cuts of 6 to 9 seconds: 4 + 3 + 2 + 1 = 10 of them.
    std::mt19937 engine(2024);
    std::map<std::pair<int, int>, int> seen;
    const int rounds = 20000;
    for (int i = 0; i < rounds; ++i) {
        const auto cut = randomCut(9, engine);
        ASSERT_TRUE(cut);
        ASSERT_GE(cut->begin, 0);
        ASSERT_LE(cut->end, 9);
        ASSERT_GT(cut->end - cut->begin, 5);
        ++seen[{cut->begin, cut->end}];
    }
    ASSERT_EQ(seen.size(), 10u);
    for (const auto& [cut, count] : seen)
        EXPECT_NEAR(count, rounds / 10, rounds / 10 / 5) << cut.first << "-" << cut.second;
}
