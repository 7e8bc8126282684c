// The formats of the save dialog, the rule that picks one from the output's name, and what each
// format's command line makes the transcoder write.
#include "transcode/SaveFormats.h"

#include "coder/CoderHarness.h"
#include "transcode/CommandLine.h"
#include "transcode/TranscodeCommands.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace coder_test;

namespace {

TEST(SaveFormats, TheDialogOffersTheFourFirstThenThePhonesFormats)
{
    // The save dialog's list as it always began, then every further format after it.
    const QString four = "MP3 Files(*.mp3)|*.mp3|WMA Files(*.wma)|*.wma|WAV Files(*.wav)|*.wav|AMR Files(*.amr)|*.amr";
    const QString filter = saveDialogFilter();
    EXPECT_TRUE(filter.startsWith(four + "|")) << filter.toStdString();
    // Entries of a description that shows its pattern, and a pattern whose names the save takes
    // in that very format; the message lists the same extensions in the same order.
    const QStringList parts = filter.split('|');
    ASSERT_EQ(parts.size() % 2, 0);
    QStringList extensions;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString pattern = parts[i + 1];
        ASSERT_TRUE(pattern.startsWith("*.")) << pattern.toStdString();
        EXPECT_TRUE(parts[i].endsWith("(" + pattern + ")")) << parts[i].toStdString();
        const QString ext = pattern.mid(2);
        const SaveFormat* f = saveFormatFor("/t/ring." + ext);
        ASSERT_TRUE(f) << pattern.toStdString();
        EXPECT_EQ(QString::fromLatin1(f->key), ext);
        extensions << "." + ext;
    }
    EXPECT_EQ(extensions.size(), qsizetype(saveFormats().size()));
    const QString last = extensions.takeLast();
    EXPECT_EQ(saveExtensionsText(), extensions.join(", ") + " or " + last);
    EXPECT_TRUE(saveExtensionsText().startsWith(".mp3, .wma, .wav, .amr, "));
}

TEST(SaveFormats, NamesOfTheFourFirstFormatsKeepTheirFormat)
{
    // Every name the window took before keeps its format; only names it refused gain one.
    struct Case {
        const char* name;
        const char* key;
    };
    for (const Case& c : {Case{"/t/ring.mp3", "mp3"}, Case{"/t/Ring.Mp3", "mp3"}, Case{"/t/ringmp3", "mp3"},
                          Case{"/t/tone.flac.mp3", "mp3"}, Case{"/t/x.m4a.wav", "wav"}, Case{"/t/ring.wma  ", "wma"},
                          Case{"/t/oggAMR", "amr"}, Case{"/t/mp3", "mp3"}}) {
        const SaveFormat* f = saveFormatFor(c.name);
        ASSERT_TRUE(f) << c.name;
        EXPECT_STREQ(f->key, c.key) << c.name;
    }
}

TEST(SaveFormats, ThePhonesFormatsByTheirLastLetters)
{
    struct Case {
        const char* name;
        const char* key;
    };
    for (const Case& c : {Case{"/t/ring.m4r", "m4r"}, Case{"/t/Ring.M4A ", "m4a"}, Case{"/t/tone.v2ogg", "ogg"},
                          Case{"/t/ring.FLAC", "flac"}, Case{"/t/ringflac", "flac"}}) {
        const SaveFormat* f = saveFormatFor(c.name);
        ASSERT_TRUE(f) << c.name;
        EXPECT_STREQ(f->key, c.key) << c.name;
    }
    for (const char* name : {"/t/ring.opus", "/t/ringlac", "/t/ring.m4", "/t/ring.flac.part", "lac", ""})
        EXPECT_FALSE(saveFormatFor(name)) << name;
}

TEST(SaveFormats, EachFormatsCommandLineWritesAFileOfThatFormat)
{
    // What a phone or player sees in the file, as ffprobe reads it: container, codec, rate and
    // channels. The decoded sound is 22.05 kHz stereo, so a format that keeps the source's shape
    // and one that sets its own are told apart.
    struct Written {
        const char* container;
        const char* codec;
        const char* rate;
        const char* channels;
        double bitRate = 0;  // bits per second where the format sets one (0: not checked)
        double tolerance = 0;
    };
    const QHash<QString, Written> expected{
        {"mp3", {"mp3", "mp3", "44100", "1", 128000, 0}},
        {"wma", {"asf", "wmav1", "22050", "2"}},
        {"wav", {"wav", "pcm_s16le", "22050", "2"}},
        {"amr", {"amr", "amr_nb", "8000", "1"}},
        {"m4r", {"mov,mp4,m4a,3gp,3g2,mj2", "aac", "44100", "2", 128000, 16000}},
        {"m4a", {"mov,mp4,m4a,3gp,3g2,mj2", "aac", "44100", "2", 128000, 16000}},
        {"ogg", {"ogg", "vorbis", "44100", "2", 128000, 0}},  // Vorbis's nominal rate
        {"flac", {"flac", "flac", "22050", "2"}},
    };
    QTemporaryDir dir;
    const QString wav = dir.filePath("open-1.wav");
    QFile source(wav);
    ASSERT_TRUE(source.open(QIODevice::WriteOnly));
    source.write(wavBytes(22050, 2, noise(22050 * 2 * 2, 8000, 7)));  // 2 s
    source.close();

    for (const SaveFormat& f : saveFormats()) {
        SCOPED_TRACE(f.key);
        ASSERT_TRUE(expected.contains(f.key)) << "no check of what this format writes";
        const Written w = expected.value(f.key);
        const QString out = dir.filePath(QStringLiteral("my ring.") + f.key);
        // The save's own command line, as the console runner splits it.
        const QStringList argv = splitCommandLine(encodeCommand(coderPath(), wav, {0, 1000}, out));
        ASSERT_GE(argv.size(), 2);
        const RunResult r = runProgram(argv.first(), argv.mid(1));
        ASSERT_EQ(r.exitCode, 0) << r.output.constData();
        EXPECT_EQ(probeFormat(out, "format_name"), w.container);
        EXPECT_EQ(probeStream(out, "codec_name"), w.codec);
        EXPECT_EQ(probeStream(out, "sample_rate"), w.rate);
        EXPECT_EQ(probeStream(out, "channels"), w.channels);
        if (w.bitRate > 0) {
            EXPECT_NEAR(probeStream(out, "bit_rate").toDouble(), w.bitRate, w.tolerance);
        }
    }
    // AMR at 7.4 kbit/s: after its 6-byte header, 50 frames a second of 20 bytes each.
    EXPECT_EQ(QFile(dir.filePath("my ring.amr")).size(), 6 + 50 * 20);
}

} // namespace
