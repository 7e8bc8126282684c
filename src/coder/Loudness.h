// Bringing a cut to a loudness under a peak ceiling before it is encoded, in passes that measure.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace coder {

// An EBU R 128 reading of a whole cut: integrated loudness in LUFS (-70 or less for silence)
// and the highest sample in dBFS.
struct LoudnessReading {
    double integrated = -70;
    double samplePeak = -200;
};

// Why a cut is measured: for its loudness and highest sample before anything is done to it
// (First), for a quick estimate of what a chain will do (Estimate), or for the loudness of a
// chain that may be the one written (Candidate).
enum class Measurement { First, Estimate, Candidate };

// Measures the cut as the filter chain `chain` ("" for none) leaves it, as the final pass would
// write it but before the encoder: its loudness, and with Measurement::First its highest sample.
using LoudnessMeter = std::function<LoudnessReading(const std::string& chain, Measurement why)>;

// What the cut going into the encoder should be: its integrated loudness in LUFS, and the
// ceiling in dBFS that its peaks, between the samples too, stay under.
struct LoudnessAim {
    double integrated = -24;
    double ceiling = -3;
};

// A filter step and the loudness of the cut with it, before the encoder, as measured (or, for a
// gain alone, as follows from the first reading).
struct LoudnessStep {
    std::string filters;  // "" (nothing to do), "volume=...dB", or that and the limiter
    double integrated = -70;
};

// The most gain a step gives: more would bring up little but noise.
constexpr double maxLoudnessGain = 30;

// Finds the filter step that brings the cut after `before` to an aim, measuring as it goes, and
// remembers what it measured for the next aim. Owns the meter and those readings.
//
// A gain alone ("volume=...dB") when the highest sample then stays 2.5 dB under the ceiling
// (room for the peaks between the samples); else the gain followed by a limiter at the ceiling,
// working at twice the rate so that it holds most of the peaks between the samples too (what it
// misses, the measuring of the written file finds). With the limiter the loudness drops, and
// not always the less the less gain there is (the meter's gate lets quiet parts in as they come
// up), so the gain is found by measuring: a quick estimate with the limiter at the rate alone
// (once per ceiling), then the limited cut itself, to within 0.15 LU, at most four times; the
// step returned is that of the last Candidate measured whenever it reached the aim. The gain
// never passes maxLoudnessGain, nor the plain gain by more than 24 dB: an aim out of reach gets
// the step that came nearest. A silent cut (nothing above the meter's gate) gets "".
class LoudnessSearch {
public:
    LoudnessSearch(int sampleRate, std::string before, LoudnessMeter meter);

    LoudnessStep stepFor(const LoudnessAim& aim);

    // A first guess at the step for an aim, without measuring the limited cut itself: the gain
    // alone as stepFor gives it, else the gain the quick estimate suggests, with the limiter.
    std::string roughStepFor(const LoudnessAim& aim);

    // The reading of the cut after `before` (measured on first use).
    const LoudnessReading& first();

private:
    LoudnessStep limitedStepFor(const LoudnessAim& aim, double plainGain);
    LoudnessReading measure(double gain, double ceiling, Measurement why);
    // The gain without the limiter for an aim, and whether it keeps the peaks under the ceiling.
    double plainGain(const LoudnessAim& aim) const;
    bool gainAloneWillDo(const LoudnessAim& aim) const;
    // The quick estimate's reading at the aim's ceiling (measured once per ceiling): gain, loudness.
    std::pair<double, double> estimate(const LoudnessAim& aim);

    int sampleRate_;
    std::string before_;
    LoudnessMeter meter_;
    std::optional<LoudnessReading> first_;
    // Gains tried through the limiter at triedCeiling_, and the loudness each gave; the quick
    // estimate at that ceiling.
    double triedCeiling_ = 0;
    std::vector<std::pair<double, double>> tried_;
    std::optional<std::pair<double, double>> estimate_;
};

// "volume=<gain>dB" with two decimals.
std::string gainStep(double gainDb);

// The limiter: up to twice the rate, the lookahead limiter at ceilingDb, back to the rate.
std::string limiterStep(int sampleRate, double ceilingDb);

// The same limiter at the rate itself: it misses the peaks between the samples, so it only serves
// to estimate how much loudness the limiter takes.
std::string quickLimiterStep(double ceilingDb);

} // namespace coder
