// How much of a song recurs elsewhere in it, beat by beat, from the self-similarity of its
// beat chroma; and where its harmony changes.
#pragma once

#include "analysis/RunControl.h"

#include <array>
#include <optional>
#include <vector>

namespace analysis {

struct RepetitionOptions {
    // Beats of context compared for each pair of beats (four bars, a usual chord loop): once
    // the beats from the pair on, once the beats up to it.
    int window = 16;
    // The shortest lag, in beats, that counts as a repetition (shorter ones are a section's own
    // loop, heard in every section alike).
    int minLag = 24;
    // The longest lag in beats: bounds the work on hour-long files (about 8 minutes at 120 BPM).
    int maxLag = 1024;
    // Lags within this many beats of a stronger match are the same match (beat jitter).
    int peakRadius = 4;
};

// The chroma with the song's mean chroma (its key, roughly) taken out and scaled back to unit
// length, so that chords of the same key differ clearly; silent beats stay all zero.
std::vector<std::array<float, 12>> centredChroma(const std::vector<std::array<float, 12>>& chroma);

// Per beat: the number of other places where the music around it recurs, each weighted by how
// closely it matches (a match at the threshold counts 0, a perfect one 1). The threshold is set
// from the song's own similarity spread, so a song that recurs everywhere alike scores low.
// chroma: one unit-length vector per beat (centred here first). Returns nullopt when cancelled (stage is asked every
// few lags).
std::optional<std::vector<float>> repetitionPerBeat(const std::vector<std::array<float, 12>>& chroma, Stage& stage,
                                                   const RepetitionOptions& options = {});

// Per beat: how much the music changes there, from chroma (centred; see centredChroma): the
// mean similarity of the beats within the `half` beats before it and within the `half` beats
// from it on, less the mean similarity across the two (0 where they match or a side is short).
// With half a full chord loop long (four bars), a loop's own chord changes cancel out and what
// remains marks the borders of sections.
std::vector<float> sectionNovelty(const std::vector<std::array<float, 12>>& chroma, int half);

} // namespace analysis
