// Loudness: the passes that find the gain (against a model of a limiter), and the transcoder's
// outputs judged by the ffmpeg program's own EBU R 128 meter.
#include "coder/CoderHarness.h"
#include "coder/Loudness.h"
#include "coder/ProgressPrinter.h"
#include "coder/Transcoder.h"
#include "transcode/SaveFormats.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

extern "C" {
#include <libavutil/log.h>
}

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace coder_test;
using coder::LoudnessAim;
using coder::LoudnessReading;
using coder::LoudnessSearch;
using coder::LoudnessStep;

namespace {

// A sound of loudness `integrated` and highest sample `peak`, as the meter would read it after a
// chain of "volume=<g>dB" and perhaps the limiter: the gain moves both; the limiter holds the
// peak at its ceiling and takes away `loss` LU per dB it holds back.
struct ModelSound {
    double integrated;
    double peak;
    double loss = 0.6;
    int readings = 0;
    int estimates = 0;

    LoudnessReading operator()(const std::string& chain, coder::Measurement why = coder::Measurement::First)
    {
        ++readings;
        estimates += why == coder::Measurement::Estimate ? 1 : 0;
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
    LoudnessSearch search(44100, "afade=t=in:d=1", std::ref(sound));
    const LoudnessStep step = search.stepFor(LoudnessAim{-16, -2});
    EXPECT_EQ(step.filters, "volume=14.00dB");
    EXPECT_EQ(step.integrated, -16);
    EXPECT_EQ(sound.readings, 1);
    // The first reading is taken once: a second aim costs nothing more.
    EXPECT_EQ(search.stepFor(LoudnessAim{-15, -2}).filters, "volume=15.00dB");
    EXPECT_EQ(sound.readings, 1);

    // Within 2.5 dB of where the limiter would hold them, the peaks between the samples might
    // pass the ceiling: the limiter goes in, and holds nothing when nothing passes.
    ModelSound close{-40, -27};
    LoudnessSearch held(44100, "", std::ref(close));
    const LoudnessStep limited = held.stepFor(LoudnessAim{-16, -2});
    EXPECT_NE(limited.filters.find("aresample=88200,alimiter"), std::string::npos) << limited.filters;
    EXPECT_EQ(gainOf(limited.filters), 24);
    EXPECT_EQ(close.readings, 3);  // the first reading, the estimate, the limited cut

    // A sound louder than the target comes down.
    ModelSound loud{3, 2};
    LoudnessSearch down(44100, "", std::ref(loud));
    EXPECT_EQ(down.stepFor(LoudnessAim{-14, -2}).filters, "volume=-17.00dB");
}

TEST(Loudness, TheLimiterHoldsThePeaksAndTheGainMakesUpWhatItTakes)
{
    for (double loss : {0.1, 0.4, 0.6}) {
        ModelSound sound{-24, -6, loss};
        LoudnessSearch search(44100, "", std::ref(sound));
        const LoudnessStep step = search.stepFor(LoudnessAim{-14, -2});
        // The first reading, the quick estimate and at most two limited cuts.
        EXPECT_LE(sound.readings, 4) << "loss " << loss;
        // Twice the rate around the limiter, at the ceiling asked for.
        EXPECT_NE(step.filters.find("aresample=88200,alimiter=limit=0.7943:"), std::string::npos) << step.filters;
        EXPECT_NE(step.filters.find(",aresample=44100"), std::string::npos) << step.filters;
        const LoudnessReading reached = sound(step.filters);
        EXPECT_NEAR(reached.integrated, -14, 0.15) << "loss " << loss;
        EXPECT_NEAR(step.integrated, reached.integrated, 1e-9);
        EXPECT_LE(reached.samplePeak, -2 + 1e-9);
        EXPECT_GT(gainOf(step.filters), 10);  // more than the plain gain: the limiter took loudness away

        // A new aim at the same ceiling starts from what was measured: no second estimate.
        const int before = sound.readings;
        const LoudnessStep again = search.stepFor(LoudnessAim{-13.5, -2});
        EXPECT_EQ(sound.estimates, 1) << "loss " << loss;
        EXPECT_LE(sound.readings - before, 2) << "loss " << loss;
        EXPECT_NEAR(sound(again.filters).integrated, -13.5, 0.15) << "loss " << loss;
        // A lower ceiling is a new limiter: estimated again.
        search.stepFor(LoudnessAim{-13.5, -3});
        EXPECT_EQ(sound.estimates, 2) << "loss " << loss;
    }
}

TEST(Loudness, AnAimOutOfReachGetsTheNearestStepWithinTheGainAllowed)
{
    // Where each dB of gain wins almost nothing back, the passes stop with the nearest gain found,
    // at most 30 dB.
    ModelSound hard{-30, -6, 0.95};
    LoudnessSearch search(44100, "", std::ref(hard));
    const LoudnessStep step = search.stepFor(LoudnessAim{-14, -2});
    EXPECT_LE(hard.readings, 6);
    EXPECT_NEAR(gainOf(step.filters), coder::maxLoudnessGain, 1e-9);
    EXPECT_LT(step.integrated, -14.5);
    EXPECT_LE(hard(step.filters).samplePeak, -2 + 1e-9);

    // Near-silent hiss: 30 dB of gain and no more, even where the peaks would allow more.
    ModelSound hiss{-60, -50};
    LoudnessSearch quiet(44100, "", std::ref(hiss));
    const LoudnessStep most = quiet.stepFor(LoudnessAim{-16, -2});
    EXPECT_EQ(most.filters, "volume=30.00dB");
    EXPECT_EQ(most.integrated, -30);
}

TEST(Loudness, TheRoughStepOnlyEstimates)
{
    ModelSound sound{-30, -6, 0.4};
    LoudnessSearch search(44100, "", std::ref(sound));
    const std::string rough = search.roughStepFor(LoudnessAim{-14, -2});
    EXPECT_NE(rough.find("alimiter"), std::string::npos) << rough;
    EXPECT_EQ(sound.readings, 2);  // the first reading and the estimate
    EXPECT_GT(gainOf(rough), 16);
    // stepFor then starts from that estimate.
    search.stepFor(LoudnessAim{-14, -2});
    EXPECT_EQ(sound.estimates, 1);

    ModelSound soft{-30, -20};
    LoudnessSearch gain(44100, "", std::ref(soft));
    EXPECT_EQ(gain.roughStepFor(LoudnessAim{-16, -2}), "volume=14.00dB");
}

TEST(Loudness, SilenceIsLeftAlone)
{
    ModelSound silence{-70, -200};
    LoudnessSearch search(44100, "", std::ref(silence));
    EXPECT_EQ(search.stepFor(LoudnessAim{-16, -2}).filters, "");
    EXPECT_EQ(search.roughStepFor(LoudnessAim{-16, -2}), "");
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
        // Quiet music with short spikes: a bed of pink noise near -24 LUFS, a kick and a sharp
        // click every 0.9 s. Lossy encoders change its loudness and push its peaks up.
        ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "anoisesrc=d=30:c=pink:r=44100:a=0.35:seed=4", "-f", "lavfi", "-i",
                            "aevalsrc='0.9*exp(-800*mod(t,0.9))*sin(2*PI*150*t)+0.5*exp(-2000*mod(t,0.9))"
                            "*sin(2*PI*9000*t)':s=44100:d=30",
                            "-filter_complex", "[0][1]amix=inputs=2:normalize=0", "-ac", "2", "-c:a", "pcm_s16le",
                            path("spikes.wav")}));
    }
    static void TearDownTestSuite() { dir_.reset(); }
    static QString path(const QString& name) { return dir_->filePath(name); }

    // Cuts `length` s from `start` of `input` as the window saves `output` with loudness at
    // `lufs`; `said` gets what coder printed.
    static LoudnessJudgement save(const QString& input, const QString& output, int lufs, double start, double length,
                                  QByteArray* said = nullptr)
    {
        QStringList args = {"-i", path(input), "-ss", QString::number(start), "-t", QString::number(length)};
        args += QString::fromLatin1(saveFormatFor(output)->options).split(' ', Qt::SkipEmptyParts);
        args += {"-af", QString("loudnorm=I=%1:TP=-1").arg(lufs), path(output)};
        const RunResult r = runCoder(args);
        EXPECT_EQ(r.exitCode, 0) << r.output.constData();
        if (said)
            *said = r.output;
        const LoudnessJudgement j = judgeLoudness(path(output));
        std::printf("    %-18s target %d LUFS: %.1f LUFS, true peak %.1f dBTP\n", qPrintable(output), lufs, j.integrated,
                    j.truePeak);
        return j;
    }

    static std::unique_ptr<QTemporaryDir> dir_;
};

std::unique_ptr<QTemporaryDir> LoudnessJudged::dir_;

// The "Loudness: ..." line of a run's output, or "" when there is none.
QByteArray shortfallLine(const QByteArray& output)
{
    for (const QByteArray& line : output.split('\n')) {
        if (line.startsWith("Loudness: "))
            return line.trimmed();
    }
    return {};
}

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
            const LoudnessJudgement j = save(input, output, lufs, 0, 6);
            EXPECT_NEAR(j.integrated, lufs, 0.3) << qPrintable(output);
            EXPECT_LE(j.truePeak, -1.0) << qPrintable(output);
        }
    }
}

TEST_F(LoudnessJudged, PeaksAGainCannotKeepUnderTheCeilingAreLimitedWithoutLosingTheTarget)
{
    const LoudnessJudgement source = judgeLoudness(path("bursts.wav"));
    // A plain gain to -14 LUFS would put the bursts far over 0 dBTP.
    ASSERT_GT(source.truePeak + (-14 - source.integrated), 5);
    const LoudnessJudgement flac = save("bursts.wav", "bursts.flac", -14, 0, 8);
    EXPECT_NEAR(flac.integrated, -14, 0.3);
    EXPECT_LE(flac.truePeak, -1.0);
    // Limited, the cut keeps its length to the sample.
    EXPECT_EQ(decodeSamples(path("bursts.flac")).size(), 8u * 44100u * 2u);
    const LoudnessJudgement m4r = save("bursts.wav", "bursts.m4r", -16, 0, 8);
    EXPECT_NEAR(m4r.integrated, -16, 0.3);
    EXPECT_LE(m4r.truePeak, -1.0);
}

TEST_F(LoudnessJudged, EveryFormatReachesTheTargetUnderTheCeilingAsWritten)
{
    // 25 s: long enough for an excerpt to show first what the encoder does.
    for (const SaveFormat& format : saveFormats()) {
        const QString output = QString("tone.%1").arg(format.key);
        QByteArray said;
        const LoudnessJudgement j = save("spikes.wav", output, -16, 3, 25, &said);
        EXPECT_NEAR(j.integrated, -16, 0.3) << format.key;
        EXPECT_LE(j.truePeak, -1.0) << format.key;
        EXPECT_EQ(shortfallLine(said), "") << format.key;
    }
    // Shorter cuts are written whole, measured and written again where they missed.
    for (const char* output : {"short.mp3", "short.m4r", "short.amr"}) {
        const LoudnessJudgement j = save("spikes.wav", output, -16, 1, 10);
        EXPECT_NEAR(j.integrated, -16, 0.3) << output;
        EXPECT_LE(j.truePeak, -1.0) << output;
    }
}

TEST_F(LoudnessJudged, WhatCannotReachTheTargetIsSavedAtTheBestItCanWithOneLineSayingHowFar)
{
    // A lone click in silence, which the limiter holds; near-silent hiss, 40 dB under the target.
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "aevalsrc='0.9*lt(abs(t-5),0.001)*sin(2*PI*3000*t)':s=44100:d=10",
                        "-ac", "2", "-c:a", "pcm_s16le", path("click.wav")}));
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "anoisesrc=d=10:c=pink:r=44100:a=0.002:seed=9", "-ac", "2", "-c:a",
                        "pcm_s16le", path("hiss.wav")}));
    const LoudnessJudgement hissIn = judgeLoudness(path("hiss.wav"));
    ASSERT_LT(hissIn.integrated, -16 - 30 - 3);
    const QRegularExpression form(
        "^Loudness: (-?[0-9]+\\.[0-9]) LUFS reached, ([0-9]+\\.[0-9]) LU under the target of -16 LUFS$");
    for (const char* input : {"click.wav", "hiss.wav"}) {
        for (const char* format : {"mp3", "m4r", "wav"}) {
            const QString output = QString("%1-saved.%2").arg(QString(input).section('.', 0, 0), format);
            QByteArray said;
            const LoudnessJudgement j = save(input, output, -16, 0, 10, &said);
            EXPECT_LE(j.truePeak, -1.0) << qPrintable(output);
            const QByteArray line = shortfallLine(said);
            const QRegularExpressionMatch m = form.match(QString::fromUtf8(line));
            ASSERT_TRUE(m.hasMatch()) << qPrintable(output) << ": " << said.constData();
            const double reached = m.captured(1).toDouble();
            // The line tells what the file holds, and by how much that falls short.
            EXPECT_NEAR(reached, j.integrated, 0.11) << qPrintable(output);
            EXPECT_NEAR(m.captured(2).toDouble(), -16 - reached, 0.051) << qPrintable(output);
            EXPECT_GT(-16 - reached, 3) << qPrintable(output);
            // The line follows the last progress line, on a line of its own.
            EXPECT_TRUE(said.trimmed().endsWith(line)) << said.constData();
        }
    }
    // The hiss gets the most gain there is, 30 dB.
    EXPECT_NEAR(judgeLoudness(path("hiss-saved.wav")).integrated, hissIn.integrated + 30, 0.3);
}

TEST_F(LoudnessJudged, TimeRunsOverAllThePassesFromZeroToTheCutsLength)
{
    coder::CoderOptions options;
    options.input = path("spikes.wav").toStdString();
    options.output = path("progress.mp3").toStdString();
    options.overwrite = true;
    options.outputStart = 2;
    options.duration = 25;
    options.bitRate = 128000;
    options.channels = 1;
    options.audioFilters = "afade=t=in:st=0:d=1:curve=hsin,loudnorm=I=-16:TP=-1";
    av_log_set_level(AV_LOG_FATAL);  // as the program sets it
    char* text = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    ASSERT_NE(out, nullptr);
    {
        coder::ProgressPrinter printer(out, std::chrono::milliseconds(0));  // every update printed
        coder::transcode(options, printer);
    }
    std::fclose(out);
    const QByteArray printed(text, static_cast<qsizetype>(size));
    std::free(text);

    // The header as before.
    EXPECT_EQ(durationField(printed), 30.0);
    const std::vector<double> times = timeFields(printed);
    ASSERT_GT(times.size(), 10u);
    EXPECT_LT(times.front(), 0.5);
    EXPECT_DOUBLE_EQ(times.back(), 25.0);
    for (std::size_t i = 1; i < times.size(); ++i)
        ASSERT_GE(times[i], times[i - 1]) << i;
    for (double t : times)
        EXPECT_LE(t, 25.0);
    // The measuring passes move it along before anything of the cut is written: a fifth of the
    // way with the output still at its header's size.
    bool measuredAlong = false;
    for (const QByteArray& line : printed.split('\r')) {
        const std::vector<double> t = timeFields(line);
        const qsizetype at = line.indexOf("size=");
        if (t.size() == 1 && at >= 0 && t[0] >= 5 && line.mid(at + 5).trimmed().split('k').value(0).toInt() <= 2)
            measuredAlong = true;
    }
    EXPECT_TRUE(measuredAlong) << printed.constData();
}

} // namespace
