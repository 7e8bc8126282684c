#include "coder/Loudness.h"

#include "coder/AudioFilter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace coder {
namespace {

// How far the peaks between the samples may rise over the highest sample (a full-scale square
// wave's do by about 2 dB), for a gain without the limiter.
constexpr double intersampleRoom = 2.5;
// The meter's gate: a cut that reads this low holds nothing to bring to a level.
constexpr double silence = -69.5;
constexpr double searchTolerance = 0.15;
constexpr int limitedPasses = 4;
// LU won per dB of gain through the limiter, as first guessed (then measured).
constexpr double firstSlope = 0.75;
// How far the limiter may push the gain past the plain gain in search of the target.
constexpr double maxExtraGain = 24;

double hundredths(double v)
{
    return std::round(v * 100) / 100;
}

// LU per dB between two tries, within what a limiter can do.
double slopeBetween(const std::pair<double, double>& a, const std::pair<double, double>& b)
{
    if (std::abs(a.first - b.first) < 1e-6)
        return firstSlope;
    return std::clamp((a.second - b.second) / (a.first - b.first), 0.05, 1.0);
}

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
    return "aresample=" + std::to_string(sampleRate * 2) + "," + quickLimiterStep(ceilingDb) + ",aresample="
        + std::to_string(sampleRate);
}

LoudnessSearch::LoudnessSearch(int sampleRate, std::string before, LoudnessMeter meter)
    : sampleRate_(sampleRate)
    , before_(std::move(before))
    , meter_(std::move(meter))
{
}

const LoudnessReading& LoudnessSearch::first()
{
    if (!first_)
        first_ = meter_(before_, Measurement::First);
    return *first_;
}

LoudnessReading LoudnessSearch::measure(double gain, double ceiling, Measurement why)
{
    const std::string limiter = why == Measurement::Estimate ? quickLimiterStep(ceiling) : limiterStep(sampleRate_, ceiling);
    return meter_(joinChains(before_, joinChains(gainStep(gain), limiter)), why);
}

double LoudnessSearch::plainGain(const LoudnessAim& aim) const
{
    return hundredths(std::min(aim.integrated - first_->integrated, maxLoudnessGain));
}

bool LoudnessSearch::gainAloneWillDo(const LoudnessAim& aim) const
{
    return first_->samplePeak + plainGain(aim) <= aim.ceiling - intersampleRoom;
}

std::pair<double, double> LoudnessSearch::estimate(const LoudnessAim& aim)
{
    if (std::abs(triedCeiling_ - aim.ceiling) > 1e-9 || (tried_.empty() && !estimate_)) {
        tried_.clear();
        triedCeiling_ = aim.ceiling;
        const double gain = plainGain(aim);
        estimate_ = std::pair{gain, measure(gain, aim.ceiling, Measurement::Estimate).integrated};
    }
    return *estimate_;
}

std::string LoudnessSearch::roughStepFor(const LoudnessAim& aim)
{
    const LoudnessReading& f = first();
    if (f.integrated < silence)
        return {};
    if (gainAloneWillDo(aim))
        return gainStep(plainGain(aim));
    const auto [gain, reached] = estimate(aim);
    const double guess = std::min(gain + (aim.integrated - reached) / firstSlope, maxLoudnessGain);
    return joinChains(gainStep(hundredths(guess)), limiterStep(sampleRate_, aim.ceiling));
}

LoudnessStep LoudnessSearch::stepFor(const LoudnessAim& aim)
{
    const LoudnessReading& f = first();
    if (f.integrated < silence)
        return LoudnessStep{{}, f.integrated};
    const double gain = plainGain(aim);
    if (gainAloneWillDo(aim))
        return LoudnessStep{gainStep(gain), f.integrated + gain};
    return limitedStepFor(aim, gain);
}

LoudnessStep LoudnessSearch::limitedStepFor(const LoudnessAim& aim, double plainGain)
{
    const std::pair<double, double> quick = estimate(aim);
    const double top = std::min(plainGain + maxExtraGain, maxLoudnessGain);
    const double bottom = plainGain - maxExtraGain;
    auto bounded = [&](double g) { return hundredths(std::clamp(g, bottom, top)); };

    // The first guess: from what the limiter did at this ceiling before, else from the quick
    // estimate (the more the limiter works, the less a dB brings).
    std::pair<double, double> previous = quick;
    double gain = 0;
    if (tried_.empty()) {
        gain = bounded(quick.first + (aim.integrated - quick.second) / firstSlope);
    } else {
        auto nearest = std::min_element(tried_.begin(), tried_.end(), [&](const auto& a, const auto& b) {
            return std::abs(a.second - aim.integrated) < std::abs(b.second - aim.integrated);
        });
        previous = *nearest;
        double slope = firstSlope;
        for (const auto& t : tried_) {
            if (&t != &*nearest)
                slope = slopeBetween(*nearest, t);
        }
        gain = bounded(nearest->first + (aim.integrated - nearest->second) / slope);
    }

    double best = gain;
    double bestReached = -HUGE_VAL;
    for (int pass = 0; pass < limitedPasses; ++pass) {
        const double reached = measure(gain, aim.ceiling, Measurement::Candidate).integrated;
        const std::pair<double, double> now{gain, reached};
        tried_.push_back(now);
        const double miss = aim.integrated - reached;
        if (std::abs(miss) < std::abs(aim.integrated - bestReached)) {
            best = gain;
            bestReached = reached;
        }
        if (std::abs(miss) <= searchTolerance)
            break;
        // Out of reach: the gain is at its bound and the miss asks for more of it.
        if ((miss > 0 && gain >= top) || (miss < 0 && gain <= bottom))
            break;
        const double next = bounded(gain + miss / slopeBetween(now, previous));
        if (std::abs(next - gain) < 0.005)
            break;
        previous = now;
        gain = next;
    }
    return LoudnessStep{joinChains(gainStep(best), limiterStep(sampleRate_, aim.ceiling)), bestReached};
}

} // namespace coder
