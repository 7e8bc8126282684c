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
// The meter's gate: a cut that reads this low holds nothing to bring to a level.
constexpr double silence = -69.5;
constexpr double tolerance = 0.3;
constexpr int limitedPasses = 4;
// A peak reading below this has few digits (the meter gives three decimals of the linear
// value): the gain is then checked by measuring again at the new level.
constexpr double coarsePeak = -26;
// How far the limiter may push the gain past the plain gain in search of the target.
constexpr double maxExtraGain = 24;

} // namespace

std::string gainStep(double gainDb)
{
    char text[48];
    std::snprintf(text, sizeof text, "volume=%.2fdB", gainDb);
    return text;
}

std::string limiterStep(int sampleRate, double ceilingDb)
{
    char text[160];
    std::snprintf(text, sizeof text,
                  "aresample=%d,alimiter=limit=%.4f:level=0:latency=1:attack=10:release=200,aresample=%d",
                  sampleRate * 4, std::pow(10.0, ceilingDb / 20), sampleRate);
    return text;
}

std::string loudnessStep(const LoudnessTarget& target, int sampleRate, const std::string& before,
                         const LoudnessMeter& meter)
{
    const double ceiling = target.truePeak - encoderHeadroom;
    const LoudnessReading first = meter(before);
    if (first.integrated < silence)
        return {};
    double gain = target.integrated - first.integrated;
    if (first.truePeak + gain <= ceiling) {
        if (first.truePeak >= coarsePeak)
            return gainStep(gain);
        const LoudnessReading check = meter(joinChains(before, gainStep(gain)));
        const double rest = target.integrated - check.integrated;
        if (check.truePeak + rest <= ceiling)
            return gainStep(gain + rest);
    }

    // The limiter takes some loudness away: measure the limited cut and correct the gain by the
    // slope seen so far (1 LU per dB at first, less the more the limiter works).
    const double plainGain = gain;
    std::vector<std::pair<double, double>> tried;  // gain, loudness
    double best = gain;
    double bestMiss = HUGE_VAL;
    for (int pass = 0; pass < limitedPasses; ++pass) {
        const std::string step = joinChains(gainStep(gain), limiterStep(sampleRate, ceiling));
        const double reached = meter(joinChains(before, step)).integrated;
        const double miss = target.integrated - reached;
        if (std::abs(miss) < bestMiss) {
            bestMiss = std::abs(miss);
            best = gain;
        }
        if (std::abs(miss) <= tolerance)
            break;
        double slope = 1;
        if (!tried.empty() && std::abs(gain - tried.back().first) > 1e-6)
            slope = std::clamp((reached - tried.back().second) / (gain - tried.back().first), 0.05, 1.0);
        tried.emplace_back(gain, reached);
        gain = std::clamp(gain + miss / slope, plainGain - maxExtraGain, plainGain + maxExtraGain);
    }
    return joinChains(gainStep(best), limiterStep(sampleRate, ceiling));
}

} // namespace coder
