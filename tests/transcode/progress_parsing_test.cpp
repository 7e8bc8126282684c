#include "platform/NumberText.h"
#include "transcode/ProgressParsing.h"

#include <gtest/gtest.h>

TEST(ProgressParsing, ReadsTheDurationOnlyWhileUnknown)
{
    std::int32_t d = 0;
    readDuration("  Duration: 00:03:25.47, start: 0.000000, bitrate: 128 kb/s\n", d);
    EXPECT_EQ(d, 205);
    readDuration("  Duration: 00:10:00.00, start", d);  // already known: unchanged
    EXPECT_EQ(d, 205);

    d = 0;
    readDuration("Duration: 01:00:00.50, ", d);  // 3600.5 -> 3600, halves to even
    EXPECT_EQ(d, 3600);
    d = 0;
    readDuration("Duration: 00:00:01.50, ", d);
    EXPECT_EQ(d, 2);
    d = 0;
    readDuration("Duration: N/A, start: 0", d);
    EXPECT_EQ(d, 0);
    d = 0;
    readDuration("  Durat", d);  // a marker split between chunks is not recognised
    readDuration("ion: 00:01:00.00, ", d);
    EXPECT_EQ(d, 0);
    d = 0;
    readDuration("xx Duration: ", d);  // the marker ends the chunk: nothing follows it
    EXPECT_EQ(d, 0);
    d = 0;
    readDuration("Duration: 00:0a:10.00, ", d);
    EXPECT_EQ(d, 0);
}

TEST(ProgressParsing, ReadsJoinedTimeFields)
{
    EXPECT_FALSE(readTimeSeconds("size=  12kB bitrate=128").has_value());
    EXPECT_EQ(readTimeSeconds("size=1kB time=12.34 bitrate=1").value(), 12);
    EXPECT_EQ(readTimeSeconds("time=102.4 bitrate").value(), 102);
    EXPECT_EQ(readTimeSeconds("time=15.5 x").value(), 16);
    EXPECT_EQ(readTimeSeconds("time= bitrate").value(), 0);  // "time=" then a space: 0
    // Several fields in one chunk: their texts are joined and the leading number counts.
    EXPECT_EQ(readTimeSeconds("time=1.00 x\rtime=2.00 y\r").value(), 1);
    EXPECT_EQ(readTimeSeconds("time=7\r").value(), 7);
}

TEST(ProgressParsing, DisplaysFourCharacterPercentages)
{
    ProgressDisplay p = progressFor(102, 205);
    EXPECT_EQ(p.text, "49.7%");
    EXPECT_NEAR(p.fraction * 361, 179.6, 0.05);
    EXPECT_NEAR(p.fraction * 5415, 2694.3, 0.1);

    p = progressFor(206, 205);
    EXPECT_EQ(p.text, "100%");
    EXPECT_EQ(p.fraction, 1.0);
    p = progressFor(5, 0);  // unknown duration: full bar
    EXPECT_EQ(p.text, "100%");
    EXPECT_EQ(progressFor(0, 205).text, "0%");
    EXPECT_EQ(progressFor(1, 20).text, "5%");
    EXPECT_EQ(progressFor(1, 10).text, "10%");
    p = progressFor(16, 30);  // a 30 s cut at 15.5 s
    EXPECT_EQ(p.text, "53.3%");
    EXPECT_NEAR(p.fraction * 281, 149.9, 0.05);
}

TEST(ProgressParsing, PlainDecimalHasNoExponentOrTrailingZeros)
{
    EXPECT_EQ(plainDecimal(45.6789), "45.6789");
    EXPECT_EQ(plainDecimal(5), "5");
    EXPECT_EQ(plainDecimal(0.1 * 100), "10");
    EXPECT_EQ(plainDecimal(100.0 * 102 / 205), "49.7560975609756");
    EXPECT_EQ(plainDecimal(0.00001234), "0.00001234");
    EXPECT_EQ(plainDecimal(0), "0");
}
