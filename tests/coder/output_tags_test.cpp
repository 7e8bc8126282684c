// Tags: the output's own title and the source's artist and album, carried through the decoded
// WAV from which the window cuts, into every format that has a place for them.
#include "coder/CoderHarness.h"
#include "coder/OutputTags.h"
#include "transcode/SaveFormats.h"
#include "transcode/TranscodeCommands.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace coder_test;
using coder::CoderOptions;
using coder::outputTags;
using coder::SourceTags;
using coder::Tags;

namespace {

CoderOptions options(const std::string& output, bool cut)
{
    CoderOptions o;
    o.input = "/tmp/open.wav";
    o.output = output;
    if (cut) {
        o.outputStart = 12;
        o.duration = 30;
    }
    return o;
}

TEST(OutputTags, TitleFromTheNameArtistAndAlbumFromTheSource)
{
    const SourceTags source{"The Band", "First Album"};
    EXPECT_EQ(outputTags(source, options("/home/u/My Tone.v2.m4r", true)),
              (Tags{{"title", "My Tone.v2"}, {"artist", "The Band"}, {"album", "First Album"}}));
    EXPECT_EQ(outputTags(SourceTags{}, options("/home/u/ringmp3", true)), (Tags{{"title", "ringmp3"}}));
    // A cut to WAV or AMR carries none; a WAV written whole carries the source's on to its cuts.
    EXPECT_EQ(outputTags(source, options("/t/cut.wav", true)), Tags{});
    EXPECT_EQ(outputTags(source, options("/t/cut.amr", true)), Tags{});
    EXPECT_EQ(outputTags(source, options("/t/open.wav", false)),
              (Tags{{"artist", "The Band"}, {"album", "First Album"}}));
    // -metadata sets and removes afterwards, except where there is no place for tags.
    CoderOptions o = options("/t/x.ogg", true);
    o.metadata = {{"title", "Ring"}, {"album", ""}, {"genre", "Tones"}};
    EXPECT_EQ(outputTags(source, o), (Tags{{"artist", "The Band"}, {"title", "Ring"}, {"genre", "Tones"}}));
    o.output = "/t/x.amr";
    EXPECT_EQ(outputTags(source, o), Tags{});
}

TEST(OutputTags, TheWindowsSavesCarryTheSourcesTagsThroughTheDecodedSound)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString song = dir.filePath("song.mp3");
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=4:sample_rate=44100", "-ac", "2",
                        "-metadata", "title=The Song", "-metadata", "artist=Zoë & the Ünïcode Band", "-metadata",
                        "album=Live \u5927\u962a", "-b:a", "128k", song}));
    const QString wav = dir.filePath("open-1.wav");
    ASSERT_EQ(runCoder({"-i", song, "-y", "-vn", wav}).exitCode, 0);  // the window's decode
    for (const SaveFormat& format : saveFormats()) {
        const QString out = dir.filePath(QString("My Tone.%1").arg(format.key));
        QStringList args = {"-i", wav, "-ss", "1", "-t", "2"};
        args += QString::fromLatin1(format.options).split(' ', Qt::SkipEmptyParts);
        const RunResult r = runCoder(args + QStringList{out});
        ASSERT_EQ(r.exitCode, 0) << format.key << ": " << r.output.constData();
        const bool tagged = QString(format.key) != "wav" && QString(format.key) != "amr";
        EXPECT_EQ(probeTag(out, "title"), tagged ? "My Tone" : "") << format.key;
        EXPECT_EQ(probeTag(out, "artist"), tagged ? "Zoë & the Ünïcode Band" : "") << format.key;
        EXPECT_EQ(probeTag(out, "album"), tagged ? "Live \u5927\u962a" : "") << format.key;
    }
}

} // namespace
