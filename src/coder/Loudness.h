// Bringing a cut to a loudness target under a true-peak ceiling, in passes that measure first.
#pragma once

#include "coder/FilterChain.h"

#include <functional>
#include <string>

namespace coder {

// An EBU R 128 reading of a whole cut: integrated loudness in LUFS (-70 or less for silence)
// and true peak in dBTP.
struct LoudnessReading {
    double integrated = -70;
    double truePeak = -200;
};

// Measures the cut as the filter chain `chain` ("" for none) leaves it, as the final pass would
// write it but before the encoder.
using LoudnessMeter = std::function<LoudnessReading(const std::string& chain)>;

// The filter step that takes the cut after `before` to target.integrated: a gain alone
// ("volume=...dB") when the true peak then stays 1 dB under target.truePeak (room for a lossy
// encoder's overshoot), else the gain followed by a limiter at that level working at four times
// sampleRate, so that it holds the peaks between the samples too. With the limiter the loudness
// drops, so the gain is found by measuring again (at most five passes, to within 0.3 LU). A
// silent cut (nothing above the meter's gate) gets "" (no gain). Calls meter at least once.
std::string loudnessStep(const LoudnessTarget& target, int sampleRate, const std::string& before,
                         const LoudnessMeter& meter);

// "volume=<gain>dB" with two decimals.
std::string gainStep(double gainDb);

// The limiter: up to four times the rate, the lookahead limiter at ceilingDb, back to the rate.
std::string limiterStep(int sampleRate, double ceilingDb);

} // namespace coder
