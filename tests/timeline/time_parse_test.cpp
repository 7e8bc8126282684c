// Reading a typed time: every accepted form, and what is refused.
#include "timeline/TimeParse.h"

#include <gtest/gtest.h>

TEST(TimeParse, ReadsSecondsMinutesAndHours)
{
    EXPECT_EQ(parseTime("83"), 83000);
    EXPECT_EQ(parseTime("83.5"), 83500);
    EXPECT_EQ(parseTime("83,5"), 83500);
    EXPECT_EQ(parseTime("1:23"), 83000);
    EXPECT_EQ(parseTime("1:23.45"), 83450);
    EXPECT_EQ(parseTime("0:01:23.450"), 83450);
    EXPECT_EQ(parseTime("1:02:03.5"), 3723500);
    EXPECT_EQ(parseTime("00:00:12.35"), 12350);  // what the labels show reads back
    EXPECT_EQ(parseTime("0"), 0);
    EXPECT_EQ(parseTime(" 12.005 "), 12005);     // blanks around are ignored
    EXPECT_EQ(parseTime("1:5"), 65000);          // one digit after a colon
    EXPECT_EQ(parseTime("125:00"), 7500000);     // the first part has no limit
    EXPECT_EQ(parseTime("7200"), 7200000);
}

TEST(TimeParse, RefusesEverythingElse)
{
    for (const char* bad : {"", "   ", "1:75", "-3", "1:2:3:4", "abc", "1:60", "1:00:60", "1:023", "12.3456",
                            "12.", ".5", "1::2", ":30", "1:30:", "12a", "1.2.3", "+3", "1e3", "1:2,3,4",
                            "99999999999999"})
        EXPECT_FALSE(parseTime(QString::fromLatin1(bad)).has_value()) << bad;
}
