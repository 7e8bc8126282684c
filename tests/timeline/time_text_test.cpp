#include "timeline/TimeText.h"

#include <gtest/gtest.h>

TEST(TimeText, FormatsHoursMinutesSecondsWithUnlimitedHours)
{
    EXPECT_EQ(formatTime(0), "00:00:00");
    EXPECT_EQ(formatTime(5), "00:00:05");
    EXPECT_EQ(formatTime(59), "00:00:59");
    EXPECT_EQ(formatTime(61), "00:01:01");
    EXPECT_EQ(formatTime(600), "00:10:00");
    EXPECT_EQ(formatTime(3599), "00:59:59");
    EXPECT_EQ(formatTime(3600), "01:00:00");
    EXPECT_EQ(formatTime(7322), "02:02:02");
    EXPECT_EQ(formatTime(86399), "23:59:59");
    EXPECT_EQ(formatTime(100 * 3600), "100:00:00");
    EXPECT_EQ(formatTime(2147483647), "596523:14:07");
}

TEST(TimeText, RoundsHalvesToEven)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(90.5), 90);
    EXPECT_EQ(roundHalfEven(91.5), 92);
    EXPECT_EQ(roundHalfEven(12.34), 12);
    EXPECT_EQ(roundHalfEven(15.5), 16);
}

TEST(TimeText, ReadsTheLeadingDecimalNumber)
{
    EXPECT_EQ(leadingNumber("364"), 364);
    EXPECT_EQ(leadingNumber("  25.47,"), 25.47);
    EXPECT_EQ(leadingNumber("12abc"), 12);
    EXPECT_EQ(leadingNumber("-7"), -7);
    EXPECT_EQ(leadingNumber(".5"), 0.5);
    EXPECT_EQ(leadingNumber("1e3x"), 1000);
    EXPECT_EQ(leadingNumber("1e"), 1);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("abc"), 0);
    EXPECT_EQ(leadingNumber("-"), 0);
    EXPECT_EQ(leadingNumber("."), 0);
    EXPECT_EQ(leadingNumber("1e999"), 0);
}

TEST(TimeText, MapsPixelsToWholeSecondsHalfToEven)
{
    EXPECT_EQ(secondsAt(180, 364), 90);
    EXPECT_EQ(secondsAt(181, 364), 90);   // 90.5
    EXPECT_EQ(secondsAt(183, 364), 92);   // 91.5
    EXPECT_EQ(secondsAt(200, 182), 50);
    EXPECT_EQ(secondsAt(200, 546), 150);
    EXPECT_EQ(secondsAt(364, 182), 91);
    EXPECT_EQ(secondsAt(200, 728), 200);
    EXPECT_EQ(secondsAt(0, 500), 0);      // before the first playback every release gives 0
    EXPECT_EQ(secondsAt(364, -40), -20);  // left of the track the result is negative
}
