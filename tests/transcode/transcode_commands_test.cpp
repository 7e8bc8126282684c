#include "coder/CoderHarness.h"
#include "transcode/CommandLine.h"
#include "transcode/SaveFormats.h"
#include "transcode/TranscodeCommands.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

TEST(TranscodeCommands, DecodeCommandKeepsEveryNameOneArgument)
{
    const QString coder = "/opt/TuneSnip/data/coder";
    const QString wav = "/tmp/tunesnip-1000/open-7.wav";
    EXPECT_EQ(decodeCommand(coder, "/music/My Song.mp3", wav),
              "/opt/TuneSnip/data/coder -i \"/music/My Song.mp3\" -y -vn /tmp/tunesnip-1000/open-7.wav");
    for (const QString& name : {QString("/m/a \"quoted\" name.mp3"), QString("-rf.mp3"), QString("/m/$(rm -rf ~).mp3"),
                               QString("/m/trailing\\"), QString::fromUtf8("/m/Ünïcødé 曲.mp3")}) {
        const QStringList argv = splitCommandLine(decodeCommand(coder, name, wav));
        ASSERT_EQ(argv.size(), 6) << name.toStdString();
        EXPECT_EQ(argv[0], coder);
        EXPECT_EQ(argv[2], name);
        EXPECT_EQ(argv[5], wav);
    }
    // An application folder with a blank still names one program.
    EXPECT_EQ(splitCommandLine(decodeCommand("/opt/My Apps/coder", "/a.mp3", wav)).first(), "/opt/My Apps/coder");
}

TEST(TranscodeCommands, EncodeOptionsAreThoseOfTheFormatTheNamePicks)
{
    // The name rule lives in saveFormatFor (its cases, and what each format's options make the
    // transcoder write, are in save_formats_test); the options follow it for every kind of name.
    for (const char* name : {"/t/ring.mp3", "/t/Ring.Mp3", "/t/ringmp3", "/t/ring.wma  ", "/t/ring.WAV", "/t/ring.amr",
                             "/t/ring.m4r", "/t/ring.M4A", "/t/ring.ogg", "/t/ring.flac", "/t/x.flac.wav"}) {
        const SaveFormat* f = saveFormatFor(name);
        ASSERT_TRUE(f) << name;
        EXPECT_EQ(encodeOptions(name), QString::fromLatin1(f->options)) << name;
        // Blanks around them, so that they join the line between its parts.
        EXPECT_TRUE(encodeOptions(name)->startsWith(" -y ")) << name;
        EXPECT_TRUE(encodeOptions(name)->endsWith(' ')) << name;
    }
    for (const char* name : {"/t/ring.opus", "/t/ring.mp4", "/t/ring", ""}) {
        EXPECT_FALSE(saveFormatFor(name)) << name;
        EXPECT_FALSE(encodeOptions(name).has_value()) << name;
    }
}

TEST(TranscodeCommands, EncodeCommandCutsBeginAndLength)
{
    const QString coder = "/app/data/coder";
    const QString wav = "/tmp/ts/open-1.wav";
    EXPECT_EQ(encodeCommand(coder, wav, {12000, 30000}, "/home/u/Tones/ring.mp3"),
              "/app/data/coder -i /tmp/ts/open-1.wav -ss 12 -t 30 -y -ab 128k -ar 44100 -ac 1 \"/home/u/Tones/ring.mp3\"");
    EXPECT_EQ(encodeCommand(coder, wav, {0, 1000}, "/t/a b.wav"), "/app/data/coder -i /tmp/ts/open-1.wav -ss 0 -t 1 -y \"/t/a b.wav\"");
    EXPECT_EQ(encodeCommand(coder, wav, {0, 1000}, "/t/x.opus"), "");
    const QStringList argv = splitCommandLine(encodeCommand(coder, wav, {5000, 10000}, "/t/-\"odd\" name.amr"));
    EXPECT_EQ(argv.last(), "/t/-\"odd\" name.amr");
    EXPECT_EQ(argv.mid(1, 6), QStringList({"-i", wav, "-ss", "5", "-t", "10"}));
}

TEST(TranscodeCommands, AFractionalCutWritesDecimalSeconds)
{
    const QString coder = "/app/data/coder";
    const QString wav = "/tmp/ts/open-1.wav";
    EXPECT_EQ(encodeCommand(coder, wav, {12345, 30500}, "/home/u/Tones/ring.mp3"),
              "/app/data/coder -i /tmp/ts/open-1.wav -ss 12.345 -t 30.5 -y -ab 128k -ar 44100 -ac 1 \"/home/u/Tones/ring.mp3\"");
    EXPECT_EQ(encodeCommand(coder, wav, {7, 1010}, "/t/a.wav"), "/app/data/coder -i /tmp/ts/open-1.wav -ss 0.007 -t 1.01 -y \"/t/a.wav\"");
    // The fades end where the fractional cut ends.
    EXPECT_TRUE(encodeCommand(coder, wav, {12345, 30500}, "/t/a.wav", EffectsSettings{0, 1000, 0})
                    .contains("afade=t=out:st=29.5:d=1"));

    EXPECT_EQ(decimalSeconds(0), "0");
    EXPECT_EQ(decimalSeconds(12000), "12");
    EXPECT_EQ(decimalSeconds(12345), "12.345");
    EXPECT_EQ(decimalSeconds(12340), "12.34");
    EXPECT_EQ(decimalSeconds(30500), "30.5");
    EXPECT_EQ(decimalSeconds(5), "0.005");
    EXPECT_EQ(decimalSeconds(7200001), "7200.001");
    EXPECT_EQ(decimalSeconds(-1500), "-1.5");
}

TEST(TranscodeCommands, CaptionsAndFolders)
{
    const QString n35(35, 'a');
    EXPECT_EQ(fileNameCaption(n35), n35);
    const QString n36 = QString(32, 'b') + "cdef";
    EXPECT_EQ(fileNameCaption(n36), QString(32, 'b') + "...");
    EXPECT_EQ(folderOf("/music/cut.mp3"), "/music/");
    EXPECT_EQ(folderOf("/cut.mp3"), "/");
    EXPECT_EQ(folderOf("/home/u/song: live.mp3"), "/home/u/");
    EXPECT_EQ(folderOf("cut.mp3"), "");
}

namespace {

// The shift, in samples, at which `late` best matches `early` over `span` samples (positive:
// `late` comes later), searched within `maxLag` either way.
int bestLag(const std::vector<double>& early, const std::vector<double>& late, int maxLag, std::size_t span)
{
    int best = 0;
    double bestScore = -HUGE_VAL;
    for (int lag = -maxLag; lag <= maxLag; ++lag) {
        double score = 0;
        for (std::size_t i = std::size_t(maxLag); i < span; ++i)
            score += early[i] * late[std::size_t(std::int64_t(i) + lag)];
        if (score > bestScore) {
            bestScore = score;
            best = lag;
        }
    }
    return best;
}

}  // namespace

TEST(TranscodeCommands, AFractionalSaveHoldsTheSamplesFromItsBeginForItsLength)
{
    // White noise: no two stretches alike, so one sample of offset shows.
    constexpr int rate = 44100;
    QTemporaryDir dir;
    const QString wav = dir.filePath("open-1.wav");
    const std::vector<std::int16_t> source = coder_test::noise(std::size_t(rate) * 4 * 2, 12000, 5);  // 4 s stereo
    QFile file(wav);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(coder_test::wavBytes(rate, 2, source));
    file.close();

    const CutRange cut{1234, 1500};  // from 1.234 s for 1.5 s
    const auto first = std::int64_t(std::llround(1.234 * rate));  // frame 54419
    const auto count = std::int64_t(std::llround(1.5 * rate));     // 66150 frames
    auto save = [&](const QString& name) {
        const QString out = dir.filePath(name);
        const QStringList argv = splitCommandLine(encodeCommand(coder_test::coderPath(), wav, cut, out));
        EXPECT_EQ(argv.mid(3, 4), QStringList({"-ss", "1.234", "-t", "1.5"}));
        const coder_test::RunResult r = coder_test::runProgram(argv.first(), argv.mid(1));
        EXPECT_EQ(r.exitCode, 0) << r.output.constData();
        return coder_test::decodeSamples(out);
    };

    // Lossless: exactly the source's frames [first, first + count).
    const std::vector<std::int16_t> expected(source.begin() + first * 2, source.begin() + (first + count) * 2);
    for (const char* name : {"ring.wav", "ring.flac"}) {
        const std::vector<std::int16_t> got = save(QString::fromLatin1(name));
        ASSERT_EQ(got.size(), expected.size()) << name;
        EXPECT_EQ(got[0], expected[0]) << name;
        EXPECT_TRUE(got == expected) << name;
    }

    // MP3 (mono): round(length x rate) samples give or take one once its priming is removed,
    // starting on the begin's sample.
    const std::vector<std::int16_t> mp3 = save(QStringLiteral("ring.mp3"));
    EXPECT_NEAR(double(mp3.size()), double(count), 1.0);
    std::vector<double> mono, decoded;
    for (std::int64_t i = 0; i < count; ++i)
        mono.push_back((double(source[std::size_t((first + i) * 2)]) + source[std::size_t((first + i) * 2 + 1)]) / 2);
    for (std::int16_t v : mp3)
        decoded.push_back(v);
    ASSERT_GE(decoded.size(), std::size_t(rate / 2));
    EXPECT_EQ(bestLag(mono, decoded, 64, std::size_t(rate / 4)), 0);
}
