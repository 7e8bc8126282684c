// The random cutter's choice in whole seconds: always longer than five seconds, inside the
// file, every possible selection equally likely, never a retry.
#include "timeline/RandomCut.h"
#include "support/FakeMedia.h"
#include "support/RecordingLabels.h"
#include "timeline/EditorState.h"
#include "timeline/PlaybackController.h"
#include "timeline/TimeText.h"
#include "timeline/TimelineBoard.h"
#include "timeline/TimelineInteraction.h"

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

// ---- Marker places of the window's random cutter ----
namespace {
// Places the markers as the window's random cutter does and returns the released selection.
struct Placed {
    std::int32_t begin, end;
};
Placed place(double full, const RandomCutPlaces& p)
{
    EditorState state;
    state.txtFullTime = QString::number(full);
    FakeMedia media;
    PlainTimelineBoard board;
    RecordingLabels labels;
    PlaybackController playback(state, media, board, labels, QString(), {});
    TimelineInteraction ui(state, board, labels, playback, {});
    placeInitialMarkers(board);
    board.setLeft(TimelinePic::SelectTop2, p.endLeft);
    state.dragActive = kTrue;
    ui.markerMove(MarkerHandle::Top2, state.dragAnchorX);
    ui.markerRelease(MarkerHandle::Top2);
    board.setLeft(TimelinePic::SelectTop1, p.beginLeft);
    state.dragActive = kTrue;
    ui.markerMove(MarkerHandle::Top1, state.dragAnchorX);
    ui.markerRelease(MarkerHandle::Top1);
    return {state.selBeginSeconds, state.selEndSeconds};
}
}

TEST(RandomCut, EveryDrawIsLongerThanFiveSecondsAndOnTheTrack)
{
    std::mt19937 random(12345);
    for (const double full : {6.0, 7.0, 11.0, 60.0, 185.0, 728.0, 3600.0, 7200.0, 360000.0}) {
        SCOPED_TRACE(full);
        std::set<std::int32_t> begins;
        std::set<std::int32_t> ends;
        for (int i = 0; i < 2000; ++i) {
            const std::optional<RandomCutPlaces> p = drawRandomCut(full, random);
            ASSERT_TRUE(p);
            ASSERT_GE(p->beginLeft, 0);
            ASSERT_LE(p->endLeft, kTrackWidth);
            ASSERT_GE(p->endLeft, kHandleWidth);
            const Placed s = place(full, *p);
            ASSERT_GT(s.end - s.begin, 5) << s.begin << ".." << s.end;
            ASSERT_GE(s.begin, 0);
            ASSERT_LE(s.end, full);
            // Whole seconds map back exactly unless the drag rules pushed the begin marker.
            ASSERT_EQ(s.end, secondsAt(full, p->endLeft));
            begins.insert(s.begin);
            ends.insert(s.end);
        }
        if (full > 10) {  // it is random: both ends move
            EXPECT_GT(begins.size(), 3u);
            EXPECT_GT(ends.size(), 3u);
        }
    }
}

TEST(RandomCut, FiveSecondsOrLessHaveNoCut)
{
    std::mt19937 random(1);
    for (const double full : {0.0, 1.0, 5.0, 5.9, -3.0})
        EXPECT_FALSE(drawRandomCut(full, random)) << full;
}
