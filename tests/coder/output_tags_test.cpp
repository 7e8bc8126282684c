// Tags: the output's own title and the source's artist and album, carried through the decoded
// WAV from which the window cuts, into every format that has a place for them.
#include "coder/CoderHarness.h"
#include "coder/OutputTags.h"
#include "transcode/SaveFormats.h"
#include "transcode/TranscodeCommands.h"

#include <QFile>
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

// A tag's bytes as the file holds them (ffprobe would otherwise mend broken UTF-8 itself).
QByteArray rawTag(const QString& path, const QString& key)
{
    for (const char* place : {"format_tags=", "stream_tags="}) {
        const RunResult r = runProgram("ffprobe", {"-v", "error", "-select_streams", "a:0", "-show_entries",
                                                   place + key, "-of", "default=nw=1:nk=1:sv=ignore", path});
        if (!r.output.trimmed().isEmpty())
            return r.output.trimmed();
    }
    return {};
}

TEST(OutputTags, TagsInOtherBytesThanUtf8AreWrittenAsValidUtf8)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A WAV written whole by an old program: its INFO list names the artist and album in Latin-1.
    QByteArray wav = wavBytes(44100, 2, noise(2 * 44100 * 2, 3000, 9));
    QByteArray info = "INFO";
    for (const auto& [id, text] : {std::pair<QByteArray, QByteArray>{"IART", "Zo\xEB Band"}, {"IPRD", "Caf\xE9 L\xFC" "beck"}}) {
        QByteArray value = text + '\0';
        if (value.size() % 2)
            value += '\0';
        const auto size = static_cast<std::uint32_t>(text.size() + 1);
        info += id + QByteArray(reinterpret_cast<const char*>(&size), 4) + value;
    }
    const auto listSize = static_cast<std::uint32_t>(info.size());
    wav.insert(wav.indexOf("data"), "LIST" + QByteArray(reinterpret_cast<const char*>(&listSize), 4) + info);
    const auto riffSize = static_cast<std::uint32_t>(wav.size() - 8);
    wav.replace(4, 4, QByteArray(reinterpret_cast<const char*>(&riffSize), 4));
    const QString source = dir.filePath("old.wav");
    QFile f(source);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(wav);
    f.close();
    ASSERT_EQ(rawTag(source, "artist"), "Zo\xEB Band");  // the oracle reads the raw bytes

    const QByteArray fffd = "\xEF\xBF\xBD";
    for (const char* key : {"mp3", "m4r", "ogg", "flac", "wma"}) {
        const QString out = dir.filePath(QString("tone.%1").arg(key));
        // The title comes through a shell, in Latin-1 as well: "Ring \xE9t\xE9".
        QStringList args = {"-c", "last=$1; shift; exec \"$@\" -metadata \"$(printf 'title=Ring \\351t\\351')\" \"$last\"",
                            "sh", out, coderPath(), "-i", source, "-ss", "0", "-t", "1"};
        args += QString::fromLatin1(saveFormatFor(out)->options).split(' ', Qt::SkipEmptyParts);
        const RunResult r = runProgram("/bin/sh", args);
        ASSERT_EQ(r.exitCode, 0) << key << ": " << r.output.constData();
        EXPECT_EQ(rawTag(out, "artist"), "Zo" + fffd + " Band") << key;
        EXPECT_EQ(rawTag(out, "album"), "Caf" + fffd + " L" + fffd + "beck") << key;
        EXPECT_EQ(rawTag(out, "title"), "Ring " + fffd + "t" + fffd) << key;
    }
}

} // namespace
