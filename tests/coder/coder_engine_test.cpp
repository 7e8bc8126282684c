// The transcoder's in-process rules: the cut window, the printed fields, the AMR mode choice
// and the format a name picks (checked against the window's own rule).
#include "coder/AmrSink.h"
#include "coder/CutWindow.h"
#include "coder/ProgressPrinter.h"
#include "transcode/SaveFormats.h"
#include "transcode/TranscodeCommands.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace coder;

namespace {

TEST(CoderEngine, CutWindowKeepsExactlyTheRequestedSamples)
{
    const CutWindow w(2.0, 1.0, 1000);  // samples [2000, 3000)
    auto s = w.slice(0, 1152);
    EXPECT_EQ(s.count, 0);
    EXPECT_FALSE(s.done);
    s = w.slice(1152 * 1, 1152);  // 1152..2304: keeps 2000..2304
    EXPECT_EQ(s.offset, 2000 - 1152);
    EXPECT_EQ(s.count, 304);
    EXPECT_FALSE(s.done);
    s = w.slice(2304, 1152);  // 2304..3456: keeps 2304..3000 and ends
    EXPECT_EQ(s.offset, 0);
    EXPECT_EQ(s.count, 696);
    EXPECT_TRUE(s.done);
    s = w.slice(1500, 2000);  // one frame around the whole window
    EXPECT_EQ(s.offset, 500);
    EXPECT_EQ(s.count, 1000);
    EXPECT_TRUE(s.done);
}

TEST(CoderEngine, CutWindowRoundsToTheNearestSampleAndOpenEndsRunOn)
{
    EXPECT_EQ(CutWindow(1.00001, 1.0, 44100).start(), 44100);
    EXPECT_EQ(CutWindow(3.00002, 1.0, 44100).start(), 132301);
    EXPECT_EQ(CutWindow(0.5, 0.25, 8000).length(), 2000);
    const CutWindow open(1.0, std::nullopt, 100);
    const auto s = open.slice(1000000, 512);
    EXPECT_EQ(s.count, 512);
    EXPECT_FALSE(s.done);
}

TEST(CoderEngine, DurationFieldIsClockTimeInHundredths)
{
    EXPECT_EQ(durationText(0), "00:00:00.00");
    EXPECT_EQ(durationText(12'345'000), "00:00:12.35");  // rounded like FFmpeg
    EXPECT_EQ(durationText(205'000'000), "00:03:25.00");
    EXPECT_EQ(durationText(3'600'000'000LL * 27 + 59'994'999), "27:00:59.99");
    EXPECT_EQ(durationText(59'995'000), "00:01:00.00");
    EXPECT_EQ(durationText(-1), "N/A");
}

TEST(CoderEngine, ProgressLineHasPlainSecondsFollowedByASpace)
{
    const std::string line = progressLine(2048, 12.345, 0.5);
    EXPECT_NE(line.find("size=       2kB "), std::string::npos) << line;
    EXPECT_NE(line.find(" time=12.35 "), std::string::npos) << line;
    EXPECT_NE(line.find("speed=24.7x"), std::string::npos) << line;
    EXPECT_NE(progressLine(0, 0, 0).find("time=0.00 bitrate=N/A"), std::string::npos);
    EXPECT_NE(progressLine(0, 4000.5, 1).find("time=4000.50 "), std::string::npos);
}

TEST(CoderEngine, ElisionKeepsBothEndsAndWholeCharacters)
{
    EXPECT_EQ(elide("short.wav", 300), "short.wav");
    std::string name(100, 'a');
    name += "\xc3\xa9\xc3\xa9\xc3\xa9";
    name += std::string(100, 'b') + ".wav";
    const std::string e = elide(name, 60);
    EXPECT_LE(e.size(), 60u);
    EXPECT_EQ(e.substr(0, 5), "aaaaa");
    EXPECT_EQ(e.substr(e.size() - 4), ".wav");
    EXPECT_NE(e.find("..."), std::string::npos);
    for (std::size_t cut : {101u, 102u, 103u, 104u, 105u, 106u}) {
        const std::string f = elide(name, cut);
        // No broken UTF-8: every lead byte has its continuation bytes.
        for (std::size_t i = 0; i < f.size(); ++i) {
            if (static_cast<unsigned char>(f[i]) == 0xC3) {
                EXPECT_TRUE(i + 1 < f.size() && (static_cast<unsigned char>(f[i + 1]) & 0xC0) == 0x80) << cut;
            }
            if ((static_cast<unsigned char>(f[i]) & 0xC0) == 0x80) {
                EXPECT_TRUE(i > 0 && static_cast<unsigned char>(f[i - 1]) == 0xC3) << cut;
            }
        }
    }
}

TEST(CoderEngine, ShownNamesBreakUpTheReadFields)
{
    EXPECT_EQ(shownName("/a/Duration: 1.wav", 300), "/a/Duration : 1.wav");
    EXPECT_EQ(shownName("time=3 time=4", 300), "time =3 time =4");
    EXPECT_EQ(shownName("/plain/name.wav", 300), "/plain/name.wav");
}

TEST(CoderEngine, AmrModeIsTheNearestToTheBitRate)
{
    EXPECT_EQ(amrModeForBitRate(7400), 4);  // MR74
    EXPECT_EQ(amrModeForBitRate(12200), 7);
    EXPECT_EQ(amrModeForBitRate(4750), 0);
    EXPECT_EQ(amrModeForBitRate(1000), 0);
    EXPECT_EQ(amrModeForBitRate(128000), 7);
    EXPECT_EQ(amrModeForBitRate(7000), 3);  // 6.7k is nearer than 7.4k
    EXPECT_EQ(amrModeForBitRate(10000), 6);
}

TEST(CoderEngine, ExtensionsAreLowerCasedAndOnlyFromTheLastName)
{
    EXPECT_EQ(extensionOf("/x/Ring.MP3"), "mp3");
    EXPECT_EQ(extensionOf("/dir.wav/noext"), "");
    EXPECT_EQ(extensionOf("a.b.m4r"), "m4r");
    EXPECT_EQ(extensionOf("plain"), "");
}

TEST(CoderEngine, NamesWithoutAKnownExtensionFallBackToTheirLastThreeLetters)
{
    EXPECT_EQ(formatKeyOf("/x/ringmp3"), "mp3");
    EXPECT_EQ(formatKeyOf("/x/ToneWAV"), "wav");
    EXPECT_EQ(formatKeyOf("/x/a.ogg"), "ogg");
    EXPECT_EQ(formatKeyOf("/x/a.FLAC"), "flac");
    EXPECT_EQ(formatKeyOf("/x/tone.v2ringmp3"), "mp3");
    EXPECT_EQ(formatKeyOf("/x/tone.mp3.part"), "");
    EXPECT_EQ(formatKeyOf("/x/tone.wav.bakamr"), "amr");
    EXPECT_EQ(formatKeyOf("/x.mp3/plain"), "");
    EXPECT_EQ(formatKeyOf("/x/mp3"), "mp3");
    EXPECT_EQ(formatKeyOf("/x/ring.wma \t"), "wma");
    EXPECT_FALSE(isKnownAudioExtension("part"));
    EXPECT_FALSE(isKnownAudioExtension("png"));  // a container, but not of sound
    EXPECT_TRUE(isKnownAudioExtension("m4r"));
}

TEST(CoderEngine, ANameThatIsNoKnownFormatIsReadAsTheWindowReadsIt)
{
    // The window picks its options by its own rule; coder must then write that format.
    const char* const names[] = {"/t/ring.mp3", "/t/Ring.Mp3", "/t/ringmp3", "/t/tone.v2ringmp3", "/t/ring.wma  ",
                                 "/t/a.b.WAV", "/t/x.amr", "/t/clip.mp3.part", "/t/clip.partwav", "/t/ring",
                                 "/t/mp3", "/t/np3", "/t/.wma", "/t/ring.mp3 \u00a0", "/t/ring.amr\u3000",
                                 "/t/ring.amr\u2009\n", "/t/ring.mp\u00b3", "/t/ring.\u00e9mp3", "mp", ""};
    for (const char* name : names) {
        const std::optional<QString> options = encodeOptions(QString::fromUtf8(name));
        std::string windows;
        if (options)
            windows = options->contains("wmav1") ? "wma" : options->contains("128k") ? "mp3" : options->contains("8000") ? "amr" : "wav";
        EXPECT_EQ(formatKeyOf(name), windows) << name;
    }
    // The ring-tone formats by the same rule, extension or last letters alike.
    const char* const newer[] = {"/t/ring.m4r",  "/t/Ring.M4A",  "/t/tone.v2ogg", "/t/ringflac",
                                 "/t/a.b.FLAC ", "/t/ringlac",   "/t/tone.flac.part", "/t/x.m4rr"};
    for (const char* name : newer) {
        const SaveFormat* format = saveFormatFor(QString::fromUtf8(name));
        EXPECT_EQ(formatKeyOf(name), format ? format->key : "") << name;
    }
}

} // namespace
