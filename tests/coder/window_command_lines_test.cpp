// The five command lines the window runs and the console output it reads, checked with ffprobe.
#include "coder/CoderHarness.h"
#include "transcode/TranscodeCommands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace coder_test;

namespace {

class WindowCommandLines : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        // 12 s of a stereo MP3 and a short film with a sound track, as a user would open them.
        ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=12:sample_rate=44100", "-ac", "2",
                            "-b:a", "128k", path("song.mp3")}));
        ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "testsrc=duration=4:size=64x48:rate=10", "-f", "lavfi", "-i",
                            "sine=frequency=300:duration=4:sample_rate=48000", "-shortest", "-c:v", "mpeg4",
                            "-c:a", "aac", path("clip.mp4")}));
        // The temporary WAV every save cuts from: decoded by coder itself.
        const RunResult r = runCoder({"-i", path("song.mp3"), "-y", "-vn", path("open.wav")});
        ASSERT_EQ(r.exitCode, 0) << r.output.constData();
        openOutput_ = r.output;
    }
    static void TearDownTestSuite() { dir_.reset(); }

    static QString path(const QString& name) { return dir_->filePath(name); }

    static std::unique_ptr<QTemporaryDir> dir_;
    static QByteArray openOutput_;
};

std::unique_ptr<QTemporaryDir> WindowCommandLines::dir_;
QByteArray WindowCommandLines::openOutput_;

double number(const QString& text)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    return ok ? v : -1;
}

TEST_F(WindowCommandLines, DecodeOnOpenWritesPcmWavAtTheSourceRateAndChannels)
{
    const QString wav = path("open.wav");
    EXPECT_EQ(probeStream(wav, "codec_name"), "pcm_s16le");
    EXPECT_EQ(probeStream(wav, "sample_rate"), "44100");
    EXPECT_EQ(probeStream(wav, "channels"), "2");
    // The MP3's encoder delay and padding are removed: the WAV is as long as the source was.
    EXPECT_NEAR(number(probeFormat(wav, "duration")), 12.0, 0.001);
}

TEST_F(WindowCommandLines, DecodeOnOpenTakesTheSoundTrackOfAFilm)
{
    const QString wav = path("clip.wav");
    const RunResult r = runCoder({"-i", path("clip.mp4"), "-y", "-vn", wav});
    ASSERT_EQ(r.exitCode, 0) << r.output.constData();
    EXPECT_EQ(probeStream(wav, "codec_name"), "pcm_s16le");
    EXPECT_EQ(probeStream(wav, "sample_rate"), "48000");
    EXPECT_EQ(probeStream(wav, "channels"), "1");
    EXPECT_NEAR(number(probeFormat(wav, "duration")), 4.0, 0.05);
}

TEST_F(WindowCommandLines, CutToMp3IsMono44100At128kWithExactLength)
{
    const QString out = path("ring.mp3");
    const RunResult r = runCoder({"-i", path("open.wav"), "-ss", "2", "-t", "5", "-y", "-ab", "128k", "-ar",
                                  "44100", "-ac", "1", out});
    ASSERT_EQ(r.exitCode, 0) << r.output.constData();
    EXPECT_EQ(probeStream(out, "codec_name"), "mp3");
    EXPECT_EQ(probeStream(out, "sample_rate"), "44100");
    EXPECT_EQ(probeStream(out, "channels"), "1");
    EXPECT_EQ(probeStream(out, "bit_rate"), "128000");
    // The gapless header lets a decoder drop the encoder's delay and padding exactly.
    EXPECT_EQ(decodeSamples(out).size(), 5u * 44100u);
}

TEST_F(WindowCommandLines, NameWithoutAKnownExtensionIsEncodedByItsLastThreeLetters)
{
    // The window takes "ringmp3" for an MP3 name, so coder writes one.
    const QString out = path("ringmp3");
    const RunResult r = runCoder({"-i", path("open.wav"), "-ss", "0", "-t", "1", "-y", "-ab", "128k", "-ar", "44100",
                                  "-ac", "1", out});
    ASSERT_EQ(r.exitCode, 0) << r.output.constData();
    EXPECT_EQ(probeFormat(out, "format_name"), "mp3");
    const RunResult amr = runCoder({"-i", path("open.wav"), "-t", "1", "-y", "-ar", "8000", "-ab", "7.4k", "-ac", "1",
                                    path("toneAMR")});
    ASSERT_EQ(amr.exitCode, 0) << amr.output.constData();
    EXPECT_EQ(probeStream(path("toneAMR"), "codec_name"), "amr_nb");
    // An extension that is no format: the window still takes its last three letters.
    const RunResult v2 = runCoder({"-i", path("open.wav"), "-t", "1", "-y", "-ab", "128k", "-ar", "44100", "-ac", "1",
                                   path("tone.v2ringmp3")});
    ASSERT_EQ(v2.exitCode, 0) << v2.output.constData();
    EXPECT_EQ(probeFormat(path("tone.v2ringmp3"), "format_name"), "mp3");
}

TEST_F(WindowCommandLines, CutToWmaUsesWmav1InAsf)
{
    const QString out = path("ring.wma");
    const RunResult r = runCoder({"-i", path("open.wav"), "-ss", "1", "-t", "3", "-y", "-acodec", "wmav1", out});
    ASSERT_EQ(r.exitCode, 0) << r.output.constData();
    EXPECT_EQ(probeFormat(out, "format_name"), "asf");
    EXPECT_EQ(probeStream(out, "codec_name"), "wmav1");
    EXPECT_EQ(probeStream(out, "sample_rate"), "44100");
    EXPECT_EQ(probeStream(out, "channels"), "2");
    EXPECT_NEAR(number(probeFormat(out, "duration")), 3.0, 0.1);
}

TEST_F(WindowCommandLines, CutToWmaWithoutCodecUsesWmav2)
{
    const QString out = path("plain.wma");
    const RunResult r = runCoder({"-i", path("open.wav"), "-t", "1", "-y", out});
    ASSERT_EQ(r.exitCode, 0) << r.output.constData();
    EXPECT_EQ(probeStream(out, "codec_name"), "wmav2");
}

TEST_F(WindowCommandLines, CutToWavKeepsTheSourceShape)
{
    const QString out = path("ring.wav");
    const RunResult r = runCoder({"-i", path("open.wav"), "-ss", "3", "-t", "4", "-y", out});
    ASSERT_EQ(r.exitCode, 0) << r.output.constData();
    EXPECT_EQ(probeStream(out, "codec_name"), "pcm_s16le");
    EXPECT_EQ(probeStream(out, "sample_rate"), "44100");
    EXPECT_EQ(probeStream(out, "channels"), "2");
    EXPECT_EQ(readWav(out).samples.size(), 4u * 44100u * 2u);
}

TEST_F(WindowCommandLines, CutToAmrIsNarrowbandStorageFormat)
{
    const QString out = path("ring.amr");
    const RunResult r = runCoder({"-i", path("open.wav"), "-ss", "0", "-t", "3", "-y", "-ar", "8000", "-ab", "7.4k",
                                  "-ac", "1", out});
    ASSERT_EQ(r.exitCode, 0) << r.output.constData();
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("#!AMR\n"));
    // 150 frames of 20 ms; in mode 7.4k each is a header byte (mode 4) and 19 bytes.
    EXPECT_EQ(bytes.size(), 6 + 150 * 20);
    EXPECT_EQ(static_cast<unsigned char>(bytes[6]) >> 3 & 0x0F, 4);
    EXPECT_EQ(probeStream(out, "codec_name"), "amr_nb");
    EXPECT_EQ(probeStream(out, "sample_rate"), "8000");
    EXPECT_EQ(probeStream(out, "channels"), "1");
    EXPECT_NEAR(number(probeFormat(out, "duration")), 3.0, 0.03);
}

TEST_F(WindowCommandLines, OtherExtensionsGetTheirContainersDefaultCodec)
{
    struct Case {
        const char* name;
        const char* format;
        const char* codec;
    };
    for (const Case& c : {Case{"x.m4a", "mov,mp4,m4a,3gp,3g2,mj2", "aac"}, Case{"x.m4r", "mov,mp4,m4a,3gp,3g2,mj2", "aac"},
                          Case{"x.ogg", "ogg", "vorbis"}, Case{"x.flac", "flac", "flac"}}) {
        const QString out = path(c.name);
        const RunResult r = runCoder({"-i", path("open.wav"), "-ss", "1", "-t", "2", "-y", out});
        ASSERT_EQ(r.exitCode, 0) << c.name << ": " << r.output.constData();
        EXPECT_EQ(probeFormat(out, "format_name"), c.format) << c.name;
        EXPECT_EQ(probeStream(out, "codec_name"), c.codec) << c.name;
        EXPECT_NEAR(number(probeFormat(out, "duration")), 2.0, 0.05) << c.name;
    }
}

TEST_F(WindowCommandLines, RingToneFormatsAreWhatPhonesTakeAndAsLongAsTheSelection)
{
    struct Case {
        const char* name;
        const char* format;
        const char* codec;
        const char* channels;
        double frame;  // one codec frame, in seconds
    };
    for (const Case& c : {Case{"ring.m4r", "mov,mp4,m4a,3gp,3g2,mj2", "aac", "2", 1024 / 44100.0},
                          Case{"ring.m4a", "mov,mp4,m4a,3gp,3g2,mj2", "aac", "2", 1024 / 44100.0},
                          Case{"ring.ogg", "ogg", "vorbis", "2", 2048 / 44100.0},
                          Case{"ring.flac", "flac", "flac", "2", 4608 / 44100.0}}) {
        SCOPED_TRACE(c.name);
        const QString out = path(c.name);
        // The window's own options for the name.
        QStringList args = {"-i", path("open.wav"), "-ss", "2", "-t", "7"};
        args += encodeOptions(out).value().split(' ', Qt::SkipEmptyParts);
        const RunResult r = runCoder(args + QStringList{out});
        ASSERT_EQ(r.exitCode, 0) << r.output.constData();
        EXPECT_EQ(probeFormat(out, "format_name"), c.format);
        EXPECT_EQ(probeStream(out, "codec_name"), c.codec);
        EXPECT_EQ(probeStream(out, "sample_rate"), "44100");
        EXPECT_EQ(probeStream(out, "channels"), c.channels);
        EXPECT_NEAR(number(probeFormat(out, "duration")), 7.0, c.frame);
    }
    // The iPhone's ring tone is AAC-LC in an MP4 of the brand its music store uses.
    EXPECT_EQ(probeStream(path("ring.m4r"), "profile"), "LC");
    EXPECT_EQ(probeTag(path("ring.m4r"), "major_brand"), "M4A");  // "M4A " with its blank trimmed
    EXPECT_NEAR(number(probeStream(path("ring.m4r"), "bit_rate")), 128000, 16000);
    EXPECT_EQ(probeStream(path("ring.ogg"), "bit_rate"), "128000");  // Vorbis's nominal rate
}

TEST_F(WindowCommandLines, OpensTheUsualAudioAndVideoFormats)
{
    struct Case {
        const char* name;
        QStringList encode;  // ffmpeg options that make it from a 3 s tone (and a picture for films)
        bool film;
    };
    const Case cases[] = {
        {"in.wma", {"-c:a", "wmav2"}, false},
        {"in.ogg", {"-c:a", "libvorbis"}, false},
        {"in.flac", {}, false},
        {"in.m4a", {"-c:a", "aac"}, false},
        {"in-rf64.wav", {"-rf64", "always"}, false},
        {"in.avi", {"-c:v", "mpeg4", "-c:a", "libmp3lame"}, true},
        {"in.mpg", {"-c:v", "mpeg2video", "-c:a", "mp2"}, true},
        {"in.wmv", {"-c:v", "wmv2", "-c:a", "wmav2"}, true},
        {"in.mkv", {"-c:v", "mpeg4", "-c:a", "libvorbis"}, true},
    };
    for (const Case& c : cases) {
        QStringList args;
        if (c.film)
            args << "-f" << "lavfi" << "-i" << "testsrc=duration=3:size=64x48:rate=10";
        args << "-f" << "lavfi" << "-i" << "sine=frequency=440:duration=3:sample_rate=44100" << "-shortest";
        ASSERT_TRUE(ffmpeg(args + c.encode + QStringList{path(c.name)})) << c.name;
        const QString wav = path(QString(c.name) + ".wav");
        const RunResult r = runCoder({"-i", path(c.name), "-y", "-vn", wav});
        ASSERT_EQ(r.exitCode, 0) << c.name << ": " << r.output.constData();
        EXPECT_EQ(probeStream(wav, "codec_name"), "pcm_s16le") << c.name;
        EXPECT_NEAR(number(probeFormat(wav, "duration")), 3.0, 0.15) << c.name;
        const auto shown = durationField(r.output.left(1024));
        ASSERT_TRUE(shown.has_value()) << c.name;
        EXPECT_NEAR(*shown, 3.0, 0.2) << c.name;
    }
    // An AMR file as coder writes it opens again.
    ASSERT_EQ(runCoder({"-i", path("open.wav"), "-t", "2", "-y", "-ar", "8000", "-ab", "7.4k", "-ac", "1",
                        path("again.amr")}).exitCode, 0);
    const RunResult amr = runCoder({"-i", path("again.amr"), "-y", "-vn", path("again.wav")});
    ASSERT_EQ(amr.exitCode, 0) << amr.output.constData();
    EXPECT_EQ(probeStream(path("again.wav"), "sample_rate"), "8000");
    EXPECT_NEAR(number(probeFormat(path("again.wav"), "duration")), 2.0, 0.03);
}

TEST_F(WindowCommandLines, HeaderCarriesTheInputDurationAsTheWindowReadsIt)
{
    // The window reads the field only from one chunk of at most 1024 bytes.
    const QByteArray first = openOutput_.left(1024);
    const auto seconds = durationField(first);
    ASSERT_TRUE(seconds.has_value()) << openOutput_.constData();
    EXPECT_NEAR(*seconds, 12.0, 0.06);
    EXPECT_TRUE(first.contains(QByteArray("Duration: 00:00:12.0")));

    const RunResult r = runCoder({"-i", path("open.wav"), "-ss", "1", "-t", "2", "-y", path("d.wav")});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.output.contains("Duration: 00:00:12.00, start: ")) << r.output.constData();
}

TEST_F(WindowCommandLines, DurationStaysInTheFirstChunkEvenForVeryLongNames)
{
    QString folder = dir_->path();
    for (char c : {'d', 'e', 'f', 'g'})
        folder += "/" + QString(200, QChar::fromLatin1(c));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString input = folder + "/" + QString(120, QChar(u'\u00e9')) + ".wav";
    ASSERT_TRUE(QFile::copy(path("open.wav"), input));
    const RunResult r = runCoder({"-i", input, "-t", "1", "-y", folder + "/o.wav"});
    ASSERT_EQ(r.exitCode, 0) << r.output.constData();
    const auto seconds = durationField(r.output.left(1024));
    ASSERT_TRUE(seconds.has_value());
    EXPECT_NEAR(*seconds, 12.0, 0.01);
}

TEST_F(WindowCommandLines, NamesCannotPoseAsTheFieldsTheWindowReads)
{
    const QString input = path("Duration: 99:00:00 time=77 .wav");
    ASSERT_TRUE(QFile::copy(path("open.wav"), input));
    const RunResult r = runCoder({"-i", input, "-t", "1", "-y", path("time=55 Duration: 01:00:00 .wav")});
    ASSERT_EQ(r.exitCode, 0) << r.output.constData();
    EXPECT_EQ(r.output.count("Duration: "), 1) << r.output.constData();
    const auto seconds = durationField(r.output.left(1024));
    ASSERT_TRUE(seconds.has_value());
    EXPECT_NEAR(*seconds, 12.0, 0.01);
    EXPECT_EQ(r.output.count("time="), r.output.count("size=")) << r.output.constData();
    EXPECT_TRUE(QFile::exists(path("time=55 Duration: 01:00:00 .wav")));
}

TEST_F(WindowCommandLines, ProgressTimesArePlainSecondsEndingInTheCutLength)
{
    const RunResult r = runCoder({"-i", path("open.wav"), "-ss", "2", "-t", "6", "-y", "-ab", "128k", "-ar",
                                  "44100", "-ac", "1", path("p.mp3")});
    ASSERT_EQ(r.exitCode, 0);
    const std::vector<double> times = timeFields(r.output);
    ASSERT_FALSE(times.empty());
    for (size_t i = 1; i < times.size(); ++i)
        EXPECT_LE(times[i - 1], times[i]);
    EXPECT_DOUBLE_EQ(times.back(), 6.0);
    // "time=6.00 " with a space after the number, never FFmpeg's HH:MM:SS form.
    EXPECT_TRUE(r.output.contains("time=6.00 ")) << r.output.constData();
    EXPECT_FALSE(r.output.contains("time=00:"));
    // The last progress line ends the output with a line feed; earlier ones end in '\r'.
    EXPECT_TRUE(r.output.endsWith("\n"));
    const qsizetype last = r.output.lastIndexOf("size=");
    EXPECT_EQ(r.output.mid(0, last).count("size=") , r.output.mid(0, last).count('\r'));
}

TEST_F(WindowCommandLines, SeekBeforeTheInputAddsToTheOutputStart)
{
    const RunResult a = runCoder({"-ss", "3", "-i", path("open.wav"), "-t", "2", "-y", path("pre.wav")});
    const RunResult b = runCoder({"-i", path("open.wav"), "-ss", "3", "-t", "2", "-y", path("post.wav")});
    const RunResult c = runCoder({"-ss", "1", "-i", path("open.wav"), "-ss", "2", "-t", "2", "-y", path("both.wav")});
    ASSERT_EQ(a.exitCode, 0);
    ASSERT_EQ(b.exitCode, 0);
    ASSERT_EQ(c.exitCode, 0);
    const auto pre = readWav(path("pre.wav")).samples;
    EXPECT_EQ(pre.size(), 2u * 44100u * 2u);
    EXPECT_EQ(pre, readWav(path("post.wav")).samples);
    EXPECT_EQ(pre, readWav(path("both.wav")).samples);
}

} // namespace
