#include "coder/Loudness.h"

#include "coder/AudioFilter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace coder {
namespace {

// Kept between the limiter and the ceiling for what lossy encoders add to the peaks.
constexpr double encoderHeadroom = 1.0;
// How far the peaks between the samples may rise over the highest sample (a full-scale square
// wave's do by about 2 dB), for a gain without the limiter.
constexpr double intersampleRoom = 2.5;
// The meter's gate: a cut that reads this low holds nothing to bring to a level.
constexpr double silence = -69.5;
constexpr double tolerance = 0.3;
constexpr int limitedPasses = 4;
// LU won per dB of gain through the limiter, as first guessed (then measured).
constexpr double firstSlope = 0.75;
// How far the limiter may push the gain past the plain gain in search of the target.
constexpr double maxExtraGain = 24;

} // namespace

std::string gainStep(double gainDb)
{
    char text[48];
    std::snprintf(text, sizeof text, "volume=%.2fdB", gainDb);
    return text;
}

std::string quickLimiterStep(double ceilingDb)
{
    char text[96];
    std::snprintf(text, sizeof text, "alimiter=limit=%.4f:level=0:latency=1:attack=10:release=200",
                  std::pow(10.0, ceilingDb / 20));
    return text;
}

std::string limiterStep(int sampleRate, double ceilingDb)
{
    return "aresample=" + std::to_string(sampleRate * 4) + "," + quickLimiterStep(ceilingDb) + ",aresample="
        + std::to_string(sampleRate);
}

std::string loudnessStep(const LoudnessTarget& target, int sampleRate, const std::string& before,
                         const LoudnessMeter& meter)
{
    const double ceiling = target.truePeak - encoderHeadroom;
    const LoudnessReading first = meter(before, Measurement::First);
    if (first.integrated < silence)
        return {};
    double gain = target.integrated - first.integrated;
    if (first.samplePeak + gain <= ceiling - intersampleRoom)
        return gainStep(gain);

    // The limiter takes some loudness away. Estimate how much with the quick limiter, then measure
    // the limited cut and correct the gain by the slope seen so far (at first a guess: the more
    // the limiter works, the less a dB brings).
    const double plainGain = gain;
    auto nextGain = [&](double slope, double miss) {
        return std::clamp(gain + miss / slope, plainGain - maxExtraGain, plainGain + maxExtraGain);
    };
    const double estimate =
        meter(joinChains(before, joinChains(gainStep(gain), quickLimiterStep(ceiling))), Measurement::Estimate)
            .integrated;
    std::vector<std::pair<double, double>> tried{{gain, estimate}};  // gain, loudness
    gain = nextGain(firstSlope, target.integrated - estimate);
    double best = gain;
    double bestMiss = HUGE_VAL;
    for (int pass = 0; pass < limitedPasses; ++pass) {
        const std::string step = joinChains(gainStep(gain), limiterStep(sampleRate, ceiling));
        const double reached = meter(joinChains(before, step), Measurement::Candidate).integrated;
        const double miss = target.integrated - reached;
        if (std::abs(miss) < bestMiss) {
            bestMiss = std::abs(miss);
            best = gain;
        }
        if (std::abs(miss) <= tolerance)
            break;
        double slope = firstSlope;
        if (std::abs(gain - tried.back().first) > 1e-6)
            slope = std::clamp((reached - tried.back().second) / (gain - tried.back().first), 0.05, 1.0);
        tried.emplace_back(gain, reached);
        gain = nextGain(slope, miss);
    }
    return joinChains(gainStep(best), limiterStep(sampleRate, ceiling));
}

} // namespace coder
