// Loudness: the passes that find the gain (against a model of a limiter), and the transcoder's
// outputs judged by the ffmpeg program's own EBU R 128 meter.
#include "coder/CoderHarness.h"
#include "coder/Loudness.h"
#include "transcode/SaveFormats.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace coder_test;
using coder::LoudnessReading;
using coder::LoudnessTarget;
using coder::loudnessStep;

namespace {

// A sound of loudness `integrated` and highest sample `peak`, as the meter would read it after a
// chain of "volume=<g>dB" and perhaps the limiter: the gain moves both; the limiter holds the
// peak at its ceiling and takes away `loss` LU per dB it holds back.
struct ModelSound {
    double integrated;
    double peak;
    double loss = 0.6;
    int readings = 0;

    LoudnessReading operator()(const std::string& chain, coder::Measurement = coder::Measurement::First)
    {
        ++readings;
        double gain = 0;
        const auto at = chain.find("volume=");
        if (at != std::string::npos)
            gain = std::stod(chain.substr(at + 7));
        LoudnessReading r{integrated + gain, peak + gain};
        const auto lim = chain.find("limit=");
        if (lim != std::string::npos) {
            const double ceiling = 20 * std::log10(std::stod(chain.substr(lim + 6)));
            const double held = std::max(0.0, r.samplePeak - ceiling);
            r.samplePeak -= held;
            r.integrated -= loss * held;
        }
        return r;
    }
};

double gainOf(const std::string& step)
{
    return std::stod(step.substr(step.find("volume=") + 7));
}

TEST(Loudness, AGainAloneWhenThePeaksStayUnderTheCeiling)
{
    ModelSound sound{-30, -20};
    const std::string step = loudnessStep(LoudnessTarget{-16, -1}, 44100, "afade=t=in:d=1", std::ref(sound));
    EXPECT_EQ(step, "volume=14.00dB");
    EXPECT_EQ(sound.readings, 1);

    // Within 2.5 dB of where the limiter would hold them, the peaks between the samples might
    // pass the ceiling: the limiter goes in, and holds nothing when nothing passes.
    ModelSound close{-40, -27};
    const std::string held = loudnessStep(LoudnessTarget{-16, -1}, 44100, "", std::ref(close));
    EXPECT_NE(held.find("aresample=176400,alimiter"), std::string::npos);
    EXPECT_EQ(gainOf(held), 24);
    EXPECT_EQ(close.readings, 3);  // the first reading, the estimate, the limited cut

    // A sound louder than the target comes down.
    ModelSound loud{3, 2};
    EXPECT_EQ(loudnessStep(LoudnessTarget{-14, -1}, 44100, "", std::ref(loud)), "volume=-17.00dB");
}

TEST(Loudness, TheLimiterHoldsThePeaksAndTheGainMakesUpWhatItTakes)
{
    for (double loss : {0.1, 0.4, 0.6}) {
        ModelSound sound{-30, -6, loss};
        const LoudnessTarget target{-14, -1};
        const std::string step = loudnessStep(target, 44100, "", std::ref(sound));
        // The first reading, the quick estimate and at most two limited cuts.
        EXPECT_LE(sound.readings, 4) << "loss " << loss;
        ASSERT_NE(step.find("alimiter"), std::string::npos) << step;
        // Four times the rate around the limiter, a dB under the ceiling for the encoder.
        EXPECT_NE(step.find("aresample=176400,alimiter=limit=0.7943:"), std::string::npos) << step;
        EXPECT_NE(step.find(",aresample=44100"), std::string::npos) << step;
        const LoudnessReading reached = sound(step);
        EXPECT_NEAR(reached.integrated, target.integrated, 0.3) << "loss " << loss;
        EXPECT_LE(reached.samplePeak, -2 + 1e-9);
        EXPECT_GT(gainOf(step), 16);  // more than the plain gain: the limiter took loudness away
    }
    // Where each dB of gain wins almost nothing back, the passes stop with the nearest gain found,
    // at most 24 dB past the plain gain.
    ModelSound hard{-30, -6, 0.95};
    const std::string step = loudnessStep(LoudnessTarget{-14, -1}, 44100, "", std::ref(hard));
    EXPECT_LE(hard.readings, 6);
    EXPECT_NEAR(gainOf(step), 16 + 24, 1e-9);
    EXPECT_LE(hard(step).samplePeak, -2 + 1e-9);
}

TEST(Loudness, SilenceIsLeftAlone)
{
    ModelSound silence{-70, -200};
    EXPECT_EQ(loudnessStep(LoudnessTarget{-16, -1}, 44100, "", std::ref(silence)), "");
}

class LoudnessJudged : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        // A quiet voice (about -39 LUFS), a full-scale square wave (about +3 LUFS, peaks over
        // 0 dBTP), and the voice with loud tone bursts whose peaks only a limiter can hold.
        ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i",
                            "flite=text='Please call me back when you get this message. I will be at home until "
                            "six, then I go out for dinner.':voice=slt",
                            "-af", "volume=-22dB,aresample=44100,apad=whole_dur=8", "-ac", "2", "-c:a", "pcm_s16le",
                            path("speech.wav")}));
        ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "aevalsrc='0.99*(2*lt(mod(t*440,1),0.5)-1)':s=44100:d=8:c=stereo",
                            "-c:a", "pcm_s16le", path("square.wav")}));
        ASSERT_TRUE(ffmpeg({"-i", path("speech.wav"), "-f", "lavfi", "-i",
                            "aevalsrc='0.5*sin(2*PI*2000*t)*exp(-200*mod(t,1.3))':s=44100:d=8:c=stereo",
                            "-filter_complex", "[0][1]amix=inputs=2:normalize=0:duration=shortest", "-c:a", "pcm_s16le",
                            path("bursts.wav")}));
    }
    static void TearDownTestSuite() { dir_.reset(); }
    static QString path(const QString& name) { return dir_->filePath(name); }

    // Cuts 0..length s of `input` as the window saves `output` with loudness at `lufs`.
    static LoudnessJudgement save(const QString& input, const QString& output, int lufs, int length)
    {
        QStringList args = {"-i", path(input), "-ss", "0", "-t", QString::number(length)};
        args += QString::fromLatin1(saveFormatFor(output)->options).split(' ', Qt::SkipEmptyParts);
        args += {"-af", QString("loudnorm=I=%1:TP=-1").arg(lufs), path(output)};
        const RunResult r = runCoder(args);
        EXPECT_EQ(r.exitCode, 0) << r.output.constData();
        const LoudnessJudgement j = judgeLoudness(path(output));
        std::printf("    %-18s target %d LUFS: %.1f LUFS, true peak %.1f dBTP\n", qPrintable(output), lufs, j.integrated,
                    j.truePeak);
        return j;
    }

    static std::unique_ptr<QTemporaryDir> dir_;
};

std::unique_ptr<QTemporaryDir> LoudnessJudged::dir_;

TEST_F(LoudnessJudged, AQuietVoiceAndALoudSquareWaveReachEachTargetUnderTheCeiling)
{
    const LoudnessJudgement speech = judgeLoudness(path("speech.wav"));
    const LoudnessJudgement square = judgeLoudness(path("square.wav"));
    ASSERT_LT(speech.integrated, -35);
    ASSERT_GT(square.integrated, 0);
    ASSERT_GT(square.truePeak, 0);
    for (int lufs : {-14, -16, -23}) {
        for (const char* input : {"speech.wav", "square.wav"}) {
            const QString output = QString("%1%2.m4r").arg(QString(input).section('.', 0, 0)).arg(-lufs);
            const LoudnessJudgement j = save(input, output, lufs, 6);
            EXPECT_NEAR(j.integrated, lufs, 1.0) << qPrintable(output);
            EXPECT_LE(j.truePeak, -1.0) << qPrintable(output);
        }
    }
}

TEST_F(LoudnessJudged, PeaksAGainCannotKeepUnderTheCeilingAreLimitedWithoutLosingTheTarget)
{
    const LoudnessJudgement source = judgeLoudness(path("bursts.wav"));
    // A plain gain to -14 LUFS would put the bursts far over 0 dBTP.
    ASSERT_GT(source.truePeak + (-14 - source.integrated), 5);
    const LoudnessJudgement flac = save("bursts.wav", "bursts.flac", -14, 8);
    EXPECT_NEAR(flac.integrated, -14, 1.0);
    EXPECT_LE(flac.truePeak, -1.0);
    // Limited, the cut keeps its length to the sample.
    EXPECT_EQ(decodeSamples(path("bursts.flac")).size(), 8u * 44100u * 2u);
    const LoudnessJudgement m4r = save("bursts.wav", "bursts.m4r", -16, 8);
    EXPECT_NEAR(m4r.integrated, -16, 1.0);
    EXPECT_LE(m4r.truePeak, -1.0);
}

} // namespace
