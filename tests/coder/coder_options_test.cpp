// The transcoder's command-line parser: FFmpeg's option order and value forms.
#include "coder/CommandLine.h"

#include <gtest/gtest.h>

using coder::parseBitRate;
using coder::parseCommandLine;
using coder::parseSeconds;

namespace {

TEST(CoderOptions, TheWindowsCommandLinesParse)
{
    auto r = parseCommandLine({"-i", "/tmp/x/open.wav", "-ss", "12", "-t", "30", "-y", "-ab", "128k", "-ar", "44100",
                               "-ac", "1", "/home/u/ring.mp3"});
    ASSERT_TRUE(r.options) << r.error;
    EXPECT_EQ(r.options->input, "/tmp/x/open.wav");
    EXPECT_EQ(r.options->output, "/home/u/ring.mp3");
    EXPECT_TRUE(r.options->overwrite);
    EXPECT_EQ(r.options->outputStart, 12);
    EXPECT_EQ(r.options->inputSeek, 0);
    EXPECT_EQ(r.options->duration, 30);
    EXPECT_EQ(r.options->bitRate, 128000);
    EXPECT_EQ(r.options->sampleRate, 44100);
    EXPECT_EQ(r.options->channels, 1);

    r = parseCommandLine({"-i", "/a b/in put.mkv", "-y", "-vn", "/tmp/x/open.wav"});
    ASSERT_TRUE(r.options) << r.error;
    EXPECT_FALSE(r.options->duration);
    EXPECT_FALSE(r.options->bitRate);

    r = parseCommandLine({"-i", "/tmp/x/open.wav", "-ss", "0", "-t", "1", "-y", "-acodec", "wmav1", "/o.wma"});
    ASSERT_TRUE(r.options) << r.error;
    EXPECT_EQ(r.options->codecName, "wmav1");

    r = parseCommandLine({"-i", "/tmp/x/open.wav", "-ss", "5", "-t", "7", "-y", "-ar", "8000", "-ab", "7.4k", "-ac", "1",
                          "/o.amr"});
    ASSERT_TRUE(r.options) << r.error;
    EXPECT_EQ(r.options->bitRate, 7400);
}

TEST(CoderOptions, FiltersAndTagsInFFmpegsForm)
{
    auto r = parseCommandLine({"-i", "/tmp/x/open.wav", "-ss", "12", "-t", "30", "-y", "-acodec", "aac", "-ab", "128k",
                               "-ar", "44100", "-ac", "2", "-af", "afade=t=in:st=0:d=1:curve=hsin,loudnorm=I=-16:TP=-1",
                               "-metadata", "title=My = Tone", "-metadata", "album=", "/home/u/ring.m4r"});
    ASSERT_TRUE(r.options) << r.error;
    EXPECT_EQ(r.options->audioFilters, "afade=t=in:st=0:d=1:curve=hsin,loudnorm=I=-16:TP=-1");
    using Tag = std::pair<std::string, std::string>;
    EXPECT_EQ(r.options->metadata, (std::vector<Tag>{{"title", "My = Tone"}, {"album", ""}}));
    EXPECT_EQ(r.options->codecName, "aac");
    r = parseCommandLine({"-i", "in.wav", "-filter:a", "volume=2", "out.wav"});
    ASSERT_TRUE(r.options) << r.error;
    EXPECT_EQ(r.options->audioFilters, "volume=2");
}

TEST(CoderOptions, SeekBeforeInputIsAnInputSeek)
{
    auto r = parseCommandLine({"-ss", "3.5", "-i", "in.wav", "-ss", "1", "out.wav"});
    ASSERT_TRUE(r.options) << r.error;
    EXPECT_EQ(r.options->inputSeek, 3.5);
    EXPECT_EQ(r.options->outputStart, 1);
}

TEST(CoderOptions, InputNamesAreTakenVerbatim)
{
    auto r = parseCommandLine({"-i", "-y", "out.wav"});
    ASSERT_TRUE(r.options) << r.error;
    EXPECT_EQ(r.options->input, "-y");
    EXPECT_FALSE(r.options->overwrite);
    r = parseCommandLine({"-i", "in.wav", "--", "-dash.wav"});
    ASSERT_TRUE(r.options) << r.error;
    EXPECT_EQ(r.options->output, "-dash.wav");
}

TEST(CoderOptions, MistakesAreRefusedWithTheirArgument)
{
    struct Case {
        std::vector<std::string> args;
        const char* mentions;
    };
    const Case cases[] = {
        {{}, "no input"},
        {{"out.wav"}, "no input"},
        {{"-i", "in.wav"}, "no output"},
        {{"-i", "in.wav", "-q", "out.wav"}, "unknown option -q"},
        {{"-i", "in.wav", "-ss"}, "missing value for option -ss"},
        {{"-i", "in.wav", "-ss", "abc", "out.wav"}, "abc"},
        {{"-i", "in.wav", "-t", "0", "out.wav"}, "-t"},
        {{"-i", "in.wav", "-ab", "12x", "out.wav"}, "12x"},
        {{"-i", "in.wav", "-ar", "0", "out.wav"}, "-ar"},
        {{"-i", "in.wav", "-ac", "9", "out.wav"}, "-ac"},
        {{"-i", "a.wav", "-i", "b.wav", "out.wav"}, "more than one input"},
        {{"-i", "in.wav", "out.wav", "-y"}, "after the output"},
        {{"-i", "in.wav", "a.wav", "b.wav"}, "after the output"},
        {{"-ab", "128k", "-i", "in.wav", "out.mp3"}, "after -i"},
        {{"-i", "", "out.wav"}, "empty input"},
        {{"-i", "in.wav", "-af", "", "out.wav"}, "empty filter chain"},
        {{"-i", "in.wav", "-af", "volume=1", "-af", "anull", "out.wav"}, "more than one filter chain"},
        {{"-i", "in.wav", "-metadata", "title", "out.wav"}, "key=value"},
        {{"-i", "in.wav", "-metadata", "=x", "out.wav"}, "key=value"},
    };
    for (const Case& c : cases) {
        const auto r = parseCommandLine(c.args);
        EXPECT_FALSE(r.options) << c.mentions;
        EXPECT_NE(r.error.find(c.mentions), std::string::npos) << r.error;
    }
}

TEST(CoderOptions, TimesInSecondsOrClockForm)
{
    EXPECT_EQ(parseSeconds("12"), 12.0);
    EXPECT_EQ(parseSeconds("0"), 0.0);
    EXPECT_EQ(parseSeconds("2.25"), 2.25);
    EXPECT_EQ(parseSeconds(".5"), 0.5);
    EXPECT_EQ(parseSeconds("01:02:03.5"), 3723.5);
    EXPECT_EQ(parseSeconds("02:03"), 123.0);
    for (const char* bad : {"", "-1", "1e3", "1,5", "1:60", "1.5:00", "1:2:3:4", "12s", " 12", "inf", "nan", "."})
        EXPECT_FALSE(parseSeconds(bad)) << bad;
}

TEST(CoderOptions, BitRatesWithSuffixes)
{
    EXPECT_EQ(parseBitRate("128k"), 128000);
    EXPECT_EQ(parseBitRate("7.4k"), 7400);
    EXPECT_EQ(parseBitRate("12.2K"), 12200);
    EXPECT_EQ(parseBitRate("64000"), 64000);
    EXPECT_EQ(parseBitRate("1M"), 1000000);
    for (const char* bad : {"", "k", "-128k", "128kk", "0", "0.0001k", "12 k", "5G"})
        EXPECT_FALSE(parseBitRate(bad)) << bad;
}

} // namespace
