// Cuts are the source's samples from round(start × rate) for round(length × rate) samples.
#include "coder/CoderHarness.h"
#include "transcode/SaveFormats.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

using namespace coder_test;

namespace {

class CutAccuracy : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        // Noise: no two neighbouring windows of samples look alike, so an offset of one sample shows.
        ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "anoisesrc=d=8:c=white:r=44100:a=0.5:seed=7", "-ac", "2",
                            "-c:a", "pcm_s16le", path("noise.wav")}));
        source_ = readWav(path("noise.wav"));
        ASSERT_EQ(source_.samples.size(), 8u * 44100u * 2u);
    }
    static void TearDownTestSuite() { dir_.reset(); }

    static QString path(const QString& name) { return dir_->filePath(name); }

    // Interleaved samples of frames [first, first + count) of a WAV.
    static std::vector<std::int16_t> frames(const WavData& w, std::int64_t first, std::int64_t count)
    {
        const auto ch = static_cast<std::int64_t>(w.channels);
        return {w.samples.begin() + first * ch, w.samples.begin() + (first + count) * ch};
    }

    static std::unique_ptr<QTemporaryDir> dir_;
    static WavData source_;
};

std::unique_ptr<QTemporaryDir> CutAccuracy::dir_;
WavData CutAccuracy::source_;

TEST_F(CutAccuracy, WavCutsMatchTheSourceSampleForSample)
{
    struct Case {
        const char* ss;
        const char* t;
        std::int64_t first;
        std::int64_t count;
    };
    const std::int64_t total = 8 * 44100;
    const Case cases[] = {
        {"2", "3", 2 * 44100, 3 * 44100},
        {"0", "1", 0, 44100},
        {"1.5", "2.25", 66150, 99225},
        {"0.00001", "0.5", 0, 22050},          // rounds to the nearest sample
        {"3.00002", "1", 132301, 44100},       // 132300.88 rounds up
        {"7", "5", 7 * 44100, total - 7 * 44100},  // -t past the end stops at the end
        {"00:00:04.5", "1", 198450, 44100},    // FFmpeg's clock form is accepted too
    };
    for (const Case& c : cases) {
        const QString out = path("cut.wav");
        const RunResult r = runCoder({"-i", path("noise.wav"), "-ss", c.ss, "-t", c.t, "-y", out});
        ASSERT_EQ(r.exitCode, 0) << c.ss << " " << c.t << ": " << r.output.constData();
        const WavData w = readWav(out);
        EXPECT_EQ(w.sampleRate, 44100);
        EXPECT_EQ(w.channels, 2);
        EXPECT_TRUE(w.samples == frames(source_, c.first, c.count)) << "-ss " << c.ss << " -t " << c.t;
    }
}

TEST_F(CutAccuracy, WithoutLengthTheCutRunsToTheEnd)
{
    const RunResult r = runCoder({"-i", path("noise.wav"), "-ss", "6", "-y", path("tail.wav")});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(readWav(path("tail.wav")).samples == frames(source_, 6 * 44100, 2 * 44100));

    const RunResult whole = runCoder({"-i", path("noise.wav"), "-y", path("whole.wav")});
    ASSERT_EQ(whole.exitCode, 0);
    EXPECT_TRUE(readWav(path("whole.wav")).samples == source_.samples);
}

TEST_F(CutAccuracy, CompressedLosslessInputCutsTheSameSamples)
{
    // FLAC cannot be seeked by byte position: the samples before the start are decoded and dropped.
    ASSERT_TRUE(ffmpeg({"-i", path("noise.wav"), path("noise.flac")}));
    const RunResult r = runCoder({"-i", path("noise.flac"), "-ss", "2.5", "-t", "1.2", "-y", path("flac-cut.wav")});
    ASSERT_EQ(r.exitCode, 0) << r.output.constData();
    EXPECT_TRUE(readWav(path("flac-cut.wav")).samples == frames(source_, 110250, 52920));
}

TEST_F(CutAccuracy, DeepAndWidePcmIsSeekedExactlyAndReducedTo16Bits)
{
    // 24-bit, 48 kHz, 3 channels; the reference is ffmpeg's own conversion of the same range.
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "anoisesrc=d=6:c=pink:r=48000:a=0.4:seed=3", "-ac", "3",
                        "-c:a", "pcm_s24le", path("deep.wav")}));
    ASSERT_TRUE(ffmpeg({"-i", path("deep.wav"), "-c:a", "pcm_s16le", path("deep16.wav")}));
    const RunResult r = runCoder({"-i", path("deep.wav"), "-ss", "4.25", "-t", "1", "-y", path("deep-cut.wav")});
    ASSERT_EQ(r.exitCode, 0) << r.output.constData();
    const WavData cut = readWav(path("deep-cut.wav"));
    EXPECT_EQ(cut.channels, 3);
    EXPECT_EQ(cut.sampleRate, 48000);
    EXPECT_TRUE(cut.samples == frames(readWav(path("deep16.wav")), 204000, 48000));
}

TEST_F(CutAccuracy, ResampledAndDownmixedCutsKeepTheirLength)
{
    const RunResult r = runCoder({"-i", path("noise.wav"), "-ss", "1", "-t", "2", "-y", "-ar", "8000", "-ac", "1",
                                  path("small.wav")});
    ASSERT_EQ(r.exitCode, 0) << r.output.constData();
    const WavData w = readWav(path("small.wav"));
    EXPECT_EQ(w.sampleRate, 8000);
    EXPECT_EQ(w.channels, 1);
    EXPECT_NEAR(static_cast<double>(w.samples.size()), 16000.0, 2.0);
}

TEST_F(CutAccuracy, LossyCutsAreWithinOneCodecFrame)
{
    struct Case {
        const char* name;
        double frame;  // seconds of one codec frame
    };
    for (const Case& c : {Case{"lossy.mp3", 1152.0 / 44100}, Case{"lossy.m4a", 1024.0 / 44100},
                          Case{"lossy.ogg", 2048.0 / 44100}, Case{"lossy.wma", 2048.0 / 44100}}) {
        const RunResult r = runCoder({"-i", path("noise.wav"), "-ss", "1", "-t", "3", "-y", path(c.name)});
        ASSERT_EQ(r.exitCode, 0) << c.name << ": " << r.output.constData();
        const double seconds = static_cast<double>(decodeSamples(path(c.name)).size()) / 2 / 44100;
        EXPECT_NEAR(seconds, 3.0, c.frame) << c.name;
    }
}

// A file decoded by the ffmpeg program to 16-bit mono at its own rate (args before "-f").
std::vector<std::int16_t> monoSamples(const QStringList& input)
{
    const RunResult r = runProgram("ffmpeg", QStringList{"-v", "error"} + input + QStringList{"-ac", "1", "-f", "s16le",
                                                                                           "-acodec", "pcm_s16le", "-"});
    std::vector<std::int16_t> out(static_cast<std::size_t>(r.output.size()) / 2);
    std::memcpy(out.data(), r.output.constData(), out.size() * 2);
    return out;
}

// The shift, in samples, at which `late` matches `early` best (positive: late comes later).
int lagOf(const std::vector<std::int16_t>& early, const std::vector<std::int16_t>& late, int maxLag, std::size_t span)
{
    int best = 0;
    double bestScore = -HUGE_VAL;
    for (int lag = -maxLag; lag <= maxLag; ++lag) {
        double score = 0;
        for (std::size_t i = static_cast<std::size_t>(maxLag); i < span; ++i)
            score += static_cast<double>(early[i]) * late[static_cast<std::size_t>(static_cast<int>(i) + lag)];
        if (score > bestScore) {
            bestScore = score;
            best = lag;
        }
    }
    return best;
}

TEST_F(CutAccuracy, EveryFormatStartsWhereTheCutStarts)
{
    // Pink noise, closer to the sound codecs are made for than white noise.
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "anoisesrc=d=5:c=pink:r=44100:a=0.3:seed=11", "-ac", "2", "-c:a",
                        "pcm_s16le", path("pink.wav")}));
    for (const SaveFormat& format : saveFormats()) {
        const QString out = path(QString("start.%1").arg(format.key));
        QStringList args = {"-i", path("pink.wav"), "-ss", "1.5", "-t", "2"};
        args += QString::fromLatin1(format.options).split(' ', Qt::SkipEmptyParts);
        const RunResult r = runCoder(args + QStringList{out});
        ASSERT_EQ(r.exitCode, 0) << format.key << ": " << r.output.constData();
        const int rate = probeStream(out, "sample_rate").toInt();
        ASSERT_GT(rate, 0) << format.key;
        // The source's own samples from 1.5 s, at the output's rate.
        const std::vector<std::int16_t> source =
            monoSamples({"-ss", "1.5", "-t", "2", "-i", path("pink.wav"), "-ar", QString::number(rate)});
        const std::vector<std::int16_t> decoded = monoSamples({"-i", out});
        const int maxLag = rate / 50;  // 20 ms either way
        const auto span = static_cast<std::size_t>(rate);
        ASSERT_GE(decoded.size(), span + static_cast<std::size_t>(maxLag)) << format.key;
        ASSERT_GE(source.size(), span) << format.key;
        const double ms = 1000.0 * lagOf(source, decoded, maxLag, span) / rate;
        std::printf("    %-5s starts %+.2f ms from the cut's start\n", format.key, ms);
        EXPECT_LE(std::abs(ms), 1.5) << format.key;
    }
}

} // namespace
