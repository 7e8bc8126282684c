// Frame features gathered per beat, the unit the hook scoring works in.
#pragma once

#include "analysis/FeatureExtractor.h"

#include <array>
#include <vector>

namespace analysis {

struct BeatFeatures {
    // Per beat: the mean chroma of the frames centred in it, scaled to unit length (all zero
    // where the beat holds no pitch).
    std::vector<std::array<float, 12>> chroma;
    // Per beat: mean power in dB relative to full scale (a full-scale sine: about -3 dB);
    // -120 for digital silence.
    std::vector<float> loudness;
    // Per beat: the largest absolute mixed sample (full scale 1.0).
    std::vector<float> peak;
    // Per beat: its start and end in seconds (the last beat lasts as long as the one before it,
    // cut at the end of the song).
    std::vector<double> start;
    std::vector<double> end;

    std::size_t size() const { return start.size(); }
};

// Gathers features per beat for the given beat times (ascending, seconds). A beat without a
// chroma frame centred in it takes the nearest frame's.
BeatFeatures gatherBeatFeatures(const FrameFeatures& frames, const std::vector<double>& beats);

} // namespace analysis
