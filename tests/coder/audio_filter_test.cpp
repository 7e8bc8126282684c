// Filter chains on a cut (-af): the fades the window asks for, measured on the decoded output,
// and chains that cannot be set up.
#include "coder/CoderHarness.h"
#include "transcode/EffectChain.h"
#include "transcode/SaveFormats.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace coder_test;

namespace {

class AudioFilter : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        // A full-scale 1 kHz tone, 10 s of stereo, as the decoded sound of an open file.
        ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "aevalsrc='0.999*sin(2*PI*1000*t)':s=44100:d=10:c=stereo", "-c:a",
                            "pcm_s16le", path("tone.wav")}));
    }
    static void TearDownTestSuite() { dir_.reset(); }
    static QString path(const QString& name) { return dir_->filePath(name); }

    static std::unique_ptr<QTemporaryDir> dir_;
};

std::unique_ptr<QTemporaryDir> AudioFilter::dir_;

// Peak and RMS level in dBFS of interleaved stereo frames [from, from + count).
double peakDb(const std::vector<std::int16_t>& s, std::size_t from, std::size_t count)
{
    int peak = 1;
    for (std::size_t i = from * 2; i < (from + count) * 2 && i < s.size(); ++i)
        peak = std::max(peak, std::abs(static_cast<int>(s[i])));
    return 20 * std::log10(peak / 32768.0);
}

double rmsDb(const std::vector<std::int16_t>& s, std::size_t from, std::size_t count)
{
    double sum = 0;
    for (std::size_t i = from * 2; i < (from + count) * 2; ++i)
        sum += static_cast<double>(s[i]) * s[i];
    return 10 * std::log10(sum / (2.0 * count) / (32768.0 * 32768.0));
}

TEST_F(AudioFilter, FadesStartAndEndInSilenceAndMeetTheSourceLevel)
{
    // The window's own chain for its shortest fades, half a second, on a 5-second cut from 2 s.
    const QString chain = effectChain(EffectsSettings{500, 500, 0}, 5);
    const double source = rmsDb(decodeSamples(path("tone.wav")), 44100, 44100);
    const std::size_t ms10 = 441;
    for (const QString name : {"faded.wav", "faded.m4r", "faded.ogg"}) {
        QStringList args = {"-i", path("tone.wav"), "-ss", "2", "-t", "5"};
        args += QString::fromLatin1(saveFormatFor(name)->options).split(' ', Qt::SkipEmptyParts);
        args += {"-af", chain, path(name)};
        const RunResult r = runCoder(args);
        ASSERT_EQ(r.exitCode, 0) << r.output.constData();
        const std::vector<std::int16_t> s = decodeSamples(path(name));
        const std::size_t frames = 5 * 44100;
        ASSERT_GE(s.size(), frames * 2) << qPrintable(name);
        const double first = peakDb(s, 0, ms10);
        const double last = peakDb(s, frames - ms10, ms10);
        const double fadeInEnd = rmsDb(s, 22050, ms10);
        const double fadeOutStart = rmsDb(s, frames - 22050 - ms10, ms10);
        std::printf("    %-10s first 10 ms %.1f dBFS, last 10 ms %.1f dBFS; after the fade in %.2f dB, before the "
                    "fade out %.2f dB (source %.2f dB)\n",
                    qPrintable(name), first, last, fadeInEnd, fadeOutStart, source);
        EXPECT_LT(first, -40) << qPrintable(name);
        EXPECT_LT(last, -40) << qPrintable(name);
        EXPECT_NEAR(fadeInEnd, source, 1.0) << qPrintable(name);
        EXPECT_NEAR(fadeOutStart, source, 1.0) << qPrintable(name);
        // Halfway through the fade in, the half sine is at half the amplitude (-6 dB).
        EXPECT_NEAR(rmsDb(s, 11025 - ms10 / 2, ms10), source - 6, 1.0) << qPrintable(name);
    }
    // The filters keep the cut's length to the sample.
    EXPECT_EQ(readWav(path("faded.wav")).samples.size(), 5u * 44100u * 2u);
}

TEST_F(AudioFilter, AFloatSourceCutInsideADecodedFrameIsFilteredWhole)
{
    // An MP3 decodes to floats at the output's rate and channels, in frames of 1152 samples: cuts
    // that start inside a frame, at offsets that are no multiple of 4, go through gain filters
    // that work on whole vectors of samples.
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "anoisesrc=d=8:c=pink:r=44100:a=0.3:seed=5", "-ac", "2", "-b:a", "128k",
                        path("noise.mp3")}));
    ASSERT_TRUE(ffmpeg({"-i", path("noise.mp3"), "-c:a", "pcm_s16le", path("noise-decoded.wav")}));
    const std::vector<std::int16_t> source = decodeSamples(path("noise-decoded.wav"));
    for (const char* start : {"1", "2", "3.00005", "4.1"}) {
        for (const char* chain : {"volume=0.5", "loudnorm=I=-16:TP=-1"}) {
            const QString out = path("float-cut.wav");
            const RunResult r = runCoder({"-i", path("noise.mp3"), "-ss", start, "-t", "2", "-y", "-af", chain, out});
            ASSERT_FALSE(r.crashed) << start << " " << chain << ": " << r.output.constData();
            ASSERT_EQ(r.exitCode, 0) << start << " " << chain << ": " << r.output.constData();
            const std::vector<std::int16_t> cut = readWav(out).samples;
            ASSERT_EQ(cut.size(), 2u * 44100u * 2u) << start << " " << chain;
            if (QByteArray(chain) != "volume=0.5")
                continue;
            // Half the source's samples, from the sample the cut starts on.
            const auto first = static_cast<std::size_t>(std::llround(QByteArray(start).toDouble() * 44100)) * 2;
            std::size_t off = 0;
            for (std::size_t i = 0; i < cut.size(); ++i)
                off += std::abs(cut[i] - source[first + i] / 2) > 2 ? 1 : 0;
            EXPECT_EQ(off, 0u) << start;
        }
    }
}

TEST_F(AudioFilter, AChainThatCannotBeSetUpFailsAndWritesNothing)
{
    for (const char* chain : {"nosuchfilter=1", "volume=loud", "loudnorm=I=-99"}) {
        const QString out = path("bad.mp3");
        const RunResult r = runCoder({"-i", path("tone.wav"), "-t", "2", "-y", "-af", chain, out});
        EXPECT_NE(r.exitCode, 0) << chain;
        EXPECT_TRUE(r.output.contains(out.toUtf8() + ":")) << r.output.constData();
        EXPECT_FALSE(QFile::exists(out)) << chain;
    }
}

TEST_F(AudioFilter, FiltersOtherThanTheAcceptedOnesAreRefusedBeforeAnythingIsTouched)
{
    // An output that exists and -y: a refused chain leaves it as it was.
    const QString out = path("kept.mp3");
    QFile old(out);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the file the user had");
    old.close();
    const QString leak = path("leak.txt");
    // Filters that read files, write files, listen on the network or never end.
    for (const QString& chain : {"amovie=" + path("tone.wav"), QString("asendcmd=f=/etc/shadow"),
                                 "ametadata=mode=print:file=" + leak, QString("azmq"), QString("apad"),
                                 QString("aloop=loop=-1:size=44100"), QString("afade=t=in:d=1,arnndn=m=/no/model")}) {
        const RunResult r = runCoder({"-i", path("tone.wav"), "-t", "2", "-y", "-af", chain, out}, 20000);
        EXPECT_FALSE(r.timedOut) << qPrintable(chain);
        EXPECT_NE(r.exitCode, 0) << qPrintable(chain);
        EXPECT_TRUE(r.output.contains("the accepted filters are afade, loudnorm and volume")) << r.output.constData();
        QFile kept(out);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), "the file the user had") << qPrintable(chain);
        EXPECT_FALSE(QFile::exists(leak)) << qPrintable(chain);
    }
}

} // namespace
