// Repetition and section novelty on beat chroma made to a known form.
#include "analysis/Repetition.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <random>

using namespace analysis;

namespace {

using Chroma = std::array<float, 12>;

// A section of `beats` beats cycling through chords (pitch-class triads), one every four beats,
// with a little noise, so that no two beats are exactly alike.
struct Form {
    std::vector<Chroma> chroma;
    std::mt19937 noise{7};

    std::size_t add(const std::vector<std::array<int, 3>>& chords, int beats)
    {
        const std::size_t start = chroma.size();
        for (int b = 0; b < beats; ++b) {
            Chroma c{};
            for (int pc : chords[std::size_t(b / 4) % chords.size()])
                c[std::size_t(pc)] = 1.0f;
            for (float& v : c)
                v += float(noise() % 100) / 1000.0f;
            float norm = 0;
            for (float v : c)
                norm += v * v;
            for (float& v : c)
                v /= std::sqrt(norm);
            chroma.push_back(c);
        }
        return start;
    }
};

const std::vector<std::array<int, 3>> kVerse{{0, 4, 7}, {9, 0, 4}, {5, 9, 0}, {7, 11, 2}};
const std::vector<std::array<int, 3>> kChorus{{5, 9, 0}, {7, 11, 2}, {0, 4, 7}, {4, 7, 11}};
// A chorus that shares no chord with the verse, for borders that fall exactly on the change.
const std::vector<std::array<int, 3>> kOtherChorus{{2, 5, 9}, {4, 8, 11}, {1, 4, 8}, {6, 9, 1}};
const std::vector<std::array<int, 3>> kBridge{{3, 7, 10}, {8, 0, 3}, {10, 2, 5}, {3, 6, 10}};

double mean(const std::vector<float>& v, std::size_t from, std::size_t to)
{
    return std::accumulate(v.begin() + std::ptrdiff_t(from), v.begin() + std::ptrdiff_t(to), 0.0) / double(to - from);
}

TEST(Repetition, TheThriceHeardSectionScoresAboveTheTwiceHeardAboveTheOnce)
{
    Form form;
    const std::size_t v1 = form.add(kVerse, 32);
    const std::size_t c1 = form.add(kChorus, 32);
    form.add(kVerse, 32);
    const std::size_t c2 = form.add(kChorus, 32);
    const std::size_t b = form.add(kBridge, 32);
    const std::size_t c3 = form.add(kChorus, 32);
    RunControl run(nullptr, {});
    Stage stage(run, 0, 1);
    const auto r = repetitionPerBeat(form.chroma, stage);
    ASSERT_TRUE(r);
    const double verse = mean(*r, v1, v1 + 32);
    const double chorus = (mean(*r, c1, c1 + 32) + mean(*r, c2, c2 + 32) + mean(*r, c3, c3 + 32)) / 3;
    const double bridge = mean(*r, b, b + 32);
    EXPECT_GT(chorus, 1.3 * verse);
    EXPECT_GT(verse, 1.3 * bridge);
    // The first beat of a repeated section counts as much as its middle, even where what
    // precedes it differs (the last chorus follows the bridge).
    EXPECT_GT((*r)[c3], 0.8 * mean(*r, c3 + 8, c3 + 24));
    EXPECT_GT((*r)[c1], 0.8 * mean(*r, c1 + 8, c1 + 24));
}

TEST(Repetition, NoveltyMarksTheBordersOfSections)
{
    Form form;
    form.add(kVerse, 32);
    const std::size_t c1 = form.add(kOtherChorus, 32);
    const std::size_t b = form.add(kBridge, 32);
    form.add(kVerse, 32);
    const std::vector<float> n = sectionNovelty(centredChroma(form.chroma), 16);
    ASSERT_EQ(n.size(), form.chroma.size());
    const double inside = mean(n, c1 + 12, c1 + 20);
    for (std::size_t border : {c1, b, b + 32}) {
        const auto top = std::max_element(n.begin() + std::ptrdiff_t(border - 4), n.begin() + std::ptrdiff_t(border + 5));
        EXPECT_LE(std::abs(int(top - n.begin()) - int(border)), 2) << border;
        EXPECT_GT(*top, 4 * inside + 0.05) << border;
    }
}

TEST(Repetition, ACancelEndsTheSearch)
{
    Form form;
    for (int i = 0; i < 8; ++i)
        form.add(i % 2 ? kChorus : kVerse, 64);
    std::atomic<bool> cancel{true};
    RunControl run(&cancel, {});
    Stage stage(run, 0, 1);
    EXPECT_FALSE(repetitionPerBeat(form.chroma, stage));
}

TEST(Repetition, CentringKeepsSilenceSilentAndScalesToUnitLength)
{
    std::vector<Chroma> chroma(3);
    chroma[0][0] = 1;
    chroma[2][4] = 1;
    const auto c = centredChroma(chroma);
    EXPECT_TRUE(std::all_of(c[1].begin(), c[1].end(), [](float v) { return v == 0; }));
    float norm = 0;
    for (float v : c[0])
        norm += v * v;
    EXPECT_NEAR(norm, 1.0f, 1e-5);
    EXPECT_LT(c[0][4], 0.0f); // what the other beat has is below the mean here
}

} // namespace
