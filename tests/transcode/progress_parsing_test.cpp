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

TEST(ProgressParsing, TheLoudnessShortfallLineOfASave)
{
    const QString output = QStringLiteral("size=      80kB time=5.00 bitrate= 129.8kbits/s speed=34.1x\n"
                                          "Loudness: -32.6 LUFS reached, 16.6 LU under the target of -16 LUFS\n");
    EXPECT_EQ(loudnessShortfall(output), "Loudness: -32.6 LUFS reached, 16.6 LU under the target of -16 LUFS");
    EXPECT_EQ(loudnessShortfall("time=1.00\rLoudness: -13.1 LUFS reached, 0.9 LU over the target of -14 LUFS"),
              "Loudness: -13.1 LUFS reached, 0.9 LU over the target of -14 LUFS");
    EXPECT_EQ(loudnessShortfall("Input #0, wav, from 'Loudness: -1 LUFS reached.wav':\n  Duration: 00:00:05.00"), "");
    EXPECT_EQ(loudnessShortfall(""), "");
}

TEST(ProgressParsing, ReadsTheDecodedStreamOfTheOutputHeader)
{
    // The input's stream line comes first and is not the output's, even when it is PCM too.
    const QString header = "Input #0, wav, from 'in.wav':\n"
                           "  Duration: 00:00:10.00, start: 0.000000, bitrate: 256 kb/s\n"
                           "  Stream #0:0: Audio: pcm_s16le ([1][0][0][0] / 0x0001), 16000 Hz, mono, s16, 256 kb/s\n"
                           "Output #0, wav, to '/tmp/t/x.wav':\n"
                           "  Stream #0:0: Audio: pcm_s16le, 44100 Hz, stereo, s16, 1411 kb/s\n"
                           "size=       0kB time=00:00:00.00 bitrate=N/A\r";
    EXPECT_EQ(readPcmOutput(header), (PcmOutput{44100, 2}));
    // The channels come from the bit rate, whatever the layout is called.
    EXPECT_EQ(readPcmOutput("Output #0, wav, to 'a.wav':\n  Stream #0:0: Audio: pcm_s16le, 8000 Hz, mono, s16, 128 kb/s\n"),
              (PcmOutput{8000, 1}));
    EXPECT_EQ(readPcmOutput("Output #0, wav, to 'a.wav':\n  Stream #0:0: Audio: pcm_s16le, 48000 Hz, 5.1, s16, 4608 kb/s\n"),
              (PcmOutput{48000, 6}));
}

TEST(ProgressParsing, NoDecodedStreamUntilTheOutputHeaderHoldsOne)
{
    const QString input = "Input #0, mp3, from 'a.mp3':\n"
                          "  Stream #0:0: Audio: pcm_s16le, 44100 Hz, stereo, s16, 1411 kb/s\n";
    EXPECT_FALSE(readPcmOutput(input).has_value());  // only the input's stream
    EXPECT_FALSE(readPcmOutput(input + "Output #0, wav, to 'x.wav':\n  Stream #0:0: Au").has_value());  // cut short
    // A save writes no 16-bit PCM: nothing to read.
    EXPECT_FALSE(readPcmOutput("Output #0, mp3, to 'r.mp3':\n  Stream #0:0: Audio: mp3, 44100 Hz, mono, fltp, 128 kb/s\n")
                     .has_value());
    // Fields on different lines are not one stream.
    EXPECT_FALSE(readPcmOutput("Output #0, wav, to 'x.wav':\n  Stream #0:0: Audio: pcm_s16le, 44100 Hz\n, stereo, s16, 1411 kb/s\n")
                     .has_value());
    // A rate or bit rate of nothing, or one too low for a channel, tells no format.
    EXPECT_FALSE(readPcmOutput("Output #0, wav, to 'x.wav':\n  Stream #0:0: Audio: pcm_s16le, 0 Hz, mono, s16, 128 kb/s\n")
                     .has_value());
    EXPECT_FALSE(readPcmOutput("Output #0, wav, to 'x.wav':\n  Stream #0:0: Audio: pcm_s16le, 44100 Hz, mono, s16, 0 kb/s\n")
                     .has_value());
    EXPECT_FALSE(readPcmOutput("Output #0, wav, to 'x.wav':\n  Stream #0:0: Audio: pcm_s16le, 44100 Hz, mono, s16, 300 kb/s\n")
                     .has_value());
}
