// Bringing a cut to a loudness target under a true-peak ceiling, in passes that measure first.
#pragma once

#include "coder/FilterChain.h"

#include <functional>
#include <string>

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

// The filter step that takes the cut after `before` to target.integrated under the ceiling
// target.truePeak: a gain alone ("volume=...dB") when the highest sample then stays 3.5 dB under
// the ceiling (room for the peaks between the samples and for a lossy encoder's overshoot), else
// the gain followed by a limiter 1 dB under the ceiling, working at four times sampleRate so that
// it holds the peaks between the samples too. With the limiter the loudness drops, so the gain is
// found by measuring: first a quick estimate with the limiter at the sample rate alone, then the
// limited cut itself (at most four times, to within 0.3 LU); the step returned is that of the
// last Candidate measured whenever it reached the target. A silent cut (nothing above the meter's
// gate) gets "" (no gain). Calls meter at least once.
std::string loudnessStep(const LoudnessTarget& target, int sampleRate, const std::string& before,
                         const LoudnessMeter& meter);

// "volume=<gain>dB" with two decimals.
std::string gainStep(double gainDb);

// The limiter: up to four times the rate, the lookahead limiter at ceilingDb, back to the rate.
std::string limiterStep(int sampleRate, double ceilingDb);

// The same limiter at the rate itself: it misses the peaks between the samples, so it only serves
// to estimate how much loudness the limiter takes.
std::string quickLimiterStep(double ceilingDb);

} // namespace coder
