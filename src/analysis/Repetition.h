// How much of a song recurs elsewhere in it, beat by beat, from the self-similarity of its
// beat chroma; and where its harmony changes.
#pragma once

#include "analysis/RunControl.h"

#include <array>
#include <optional>
#include <vector>

namespace analysis {

struct RepetitionOptions {
    // Beats of context compared around each pair of beats (four bars).
    int window = 8;
    // The shortest lag, in beats, that counts as a repetition (shorter ones are a section's own
    // loop, heard in every section alike).
    int minLag = 24;
    // The longest lag in beats: bounds the work on hour-long files (about 8 minutes at 120 BPM).
    int maxLag = 1024;
    // Lags within this many beats of a stronger match are the same match (beat jitter).
    int peakRadius = 4;
};

// Per beat: the number of other places where the music around it recurs, each weighted by how
// closely it matches (a match at the threshold counts 0, a perfect one 1). The threshold is set
// from the song's own similarity spread, so a song that recurs everywhere alike scores low.
// chroma: one unit-length vector per beat. Returns nullopt when cancelled (stage is asked every
// few lags).
std::optional<std::vector<float>> repetitionPerBeat(const std::vector<std::array<float, 12>>& chroma, Stage& stage,
                                                   const RepetitionOptions& options = {});

// Per beat: how different the mean chroma of the `half` beats from it on is from that of the
// `half` beats before it (1 - cosine, 0..1); 0 where either side is empty or silent.
std::vector<float> harmonicNovelty(const std::vector<std::array<float, 12>>& chroma, int half);

} // namespace analysis
