// Scores every beat-aligned window of a song as a hook and picks the best distinct ones.
#pragma once

#include "analysis/BeatFeatures.h"

#include <cstdint>
#include <vector>

namespace analysis {

// A proposed window, edges in whole milliseconds.
struct HookProposal {
    std::int64_t beginMs = 0;
    std::int64_t endMs = 0;
    // 0 (nothing to recommend it) to 1; see HookWeights for the terms.
    double score = 0;

    double begin() const { return double(beginMs) / 1000.0; }
    double end() const { return double(endMs) / 1000.0; }
    bool operator==(const HookProposal&) const = default;
};

// The weights of the terms of a window's score. They sum to 1, so that a score is in [0, 1]:
//   repetition: the window's beats' repetition (see repetitionPerBeat), scaled so that the
//               song's median beat counts 0 and its 95th percentile 1; a mean weighted by time,
//               the window's start counting twice as much as its end;
//   energy:     the beats' loudness, 0 at 20 dB under the song's loud passages (its 95th
//               percentile) up to 1 there; weighted the same way;
//   entry:      how clearly a section starts at the window's first beat: 0.4 for being 6 dB
//               louder than the bar before, 0.3 for being more repeated than the two bars before,
//               0.3 for the section novelty there (relative to the song's strongest);
//   downbeat:   1 when the window starts on a downbeat, 0.5 on another beat, 0 off the beats;
//   attack:     the first beat's energy.
// Then silencePenalty times the silent share of the window is subtracted, and the result
// clamped to [0, 1].
struct HookWeights {
    double repetition = 0.40;
    double energy = 0.25;
    double entry = 0.20;
    double downbeat = 0.10;
    double attack = 0.05;
    double silencePenalty = 1.0;
};

// What the scorer needs about the song, per beat (all vectors as long as `beats`); refers to
// the caller's data, which must outlive the call. beats and repetition are required.
struct HookScene {
    const BeatFeatures* beats = nullptr;
    const std::vector<float>* repetition = nullptr; // see repetitionPerBeat
    const std::vector<float>* novelty = nullptr;    // see sectionNovelty; may be null
    std::vector<bool> downbeat;
    std::int64_t durationMs = 0;
    // A beat whose peak is below this (full scale 1.0) is silent.
    float silencePeak = 0;
};

// Scores windows of lengthMs (clamped to [1, durationMs]) starting on each beat (rounded to the
// millisecond) that leaves room for them, and at the song's first and last possible start, and
// returns up to `count` of them, best first, no two overlapping by more than half their length.
// Empty when the song is empty.
std::vector<HookProposal> pickHooks(const HookScene& scene, std::int64_t lengthMs, int count,
                                    const HookWeights& weights = {});

} // namespace analysis
