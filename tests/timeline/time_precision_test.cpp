// How finely a marker lands: the rounding unit that follows the zoom, and rounding to it.
#include "timeline/TimePrecision.h"

#include <gtest/gtest.h>

namespace {
TimelineView spanning(double seconds) { return {0, seconds}; }
}  // namespace

TEST(TimePrecision, TheWholeFileViewKeepsWholeSecondsAtAnyLength)
{
    // Two hours, and a file short enough that a pixel is a few milliseconds: whole seconds both.
    EXPECT_EQ(roundingUnitMs(wholeView(7200), true), 1000);
    EXPECT_EQ(roundingUnitMs(wholeView(3), true), 1000);
    EXPECT_EQ(roundToUnit(wholeView(7200).timeAt(364), roundingUnitMs(wholeView(7200), true)), 3600000);
}

TEST(TimePrecision, ZoomedInTheUnitIsTheFinestNotFinerThanAPixel)
{
    EXPECT_EQ(roundingUnitMs(spanning(7200), false), 1000);  // ~9.9 s a pixel: nothing finer than 1 s
    EXPECT_EQ(roundingUnitMs(spanning(728), false), 1000);   // exactly 1 s a pixel
    EXPECT_EQ(roundingUnitMs(spanning(700), false), 1000);   // 0.96 s a pixel: 0.1 s would be finer
    EXPECT_EQ(roundingUnitMs(spanning(72.8), false), 100);   // 0.1 s a pixel
    EXPECT_EQ(roundingUnitMs(spanning(60), false), 100);     // 82 ms a pixel
    EXPECT_EQ(roundingUnitMs(spanning(7.28), false), 10);    // 10 ms a pixel
    EXPECT_EQ(roundingUnitMs(spanning(5), false), 10);       // 6.9 ms a pixel
    EXPECT_EQ(roundingUnitMs(spanning(0.728), false), 1);    // the deepest zoom: 1 ms a pixel
    EXPECT_EQ(roundingUnitMs(TimelineView{}, false), 1000);  // no duration yet
}

TEST(TimePrecision, RoundsToTheUnitHalvesToEven)
{
    EXPECT_EQ(roundToUnit(12.5, 1000), 12000);
    EXPECT_EQ(roundToUnit(13.5, 1000), 14000);
    EXPECT_EQ(roundToUnit(12.3456, 100), 12300);
    EXPECT_EQ(roundToUnit(12.3456, 10), 12350);
    EXPECT_EQ(roundToUnit(12.3456, 1), 12346);
    EXPECT_EQ(roundToUnit(0.25, 100), 200);  // 2.5 tenths: to the even 2
    EXPECT_EQ(roundToUnit(-0.4, 1000), 0);
    EXPECT_EQ(roundToUnit(-1.2346, 1), -1235);  // a place before the start stays negative
    EXPECT_EQ(roundToUnit(std::nan(""), 10), 0);
    EXPECT_EQ(roundToUnit(1e30, 1000), 2147483647000);  // as wholeSeconds(): 32-bit seconds
}

TEST(TimePrecision, ADraggedPlaceGainsDigitsAsTheViewNarrows)
{
    // The same place under the pointer, at three zooms: the unit grows finer with the zoom.
    const double at = 83.4567;
    for (auto [span, expected] : {std::pair{60.0, Millis(83500)}, std::pair{7.28, Millis(83460)},
                                  std::pair{0.728, Millis(83457)}}) {
        const TimelineView v{80, span};
        EXPECT_EQ(roundToUnit(at, roundingUnitMs(v, false)), expected) << span;
    }
}
