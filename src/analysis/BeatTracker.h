// Beats and downbeats of a song from its onset function, by qm-dsp's tempo tracker and
// downbeat finder.
#pragma once

#include "analysis/FeatureExtractor.h"
#include "analysis/RunControl.h"

#include <optional>
#include <vector>

namespace analysis {

struct BeatGrid {
    // Beat times in seconds, ascending.
    std::vector<double> beats;
    // Indices into beats of the first beats of bars (4/4 assumed), ascending.
    std::vector<std::size_t> downbeats;
    // The median tempo in beats per minute (0 with fewer than two beats).
    double bpm = 0;

    std::vector<double> downbeatTimes() const;
};

// Tracks the beats of features, then finds which are downbeats. Long songs are tracked in
// overlapping pieces of a few minutes, each a short uninterruptible library call, with stage
// asked about a cancel between them; the pieces are joined in the middle of their overlap.
// Returns nullopt when cancelled; an empty grid for a song too short or too quiet for beats.
std::optional<BeatGrid> trackBeats(const FrameFeatures& features, Stage& stage);

} // namespace analysis
