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
    // 0 (nothing to recommend it) to 1; see HookScorer for the terms.
    double score = 0;

    double begin() const { return double(beginMs) / 1000.0; }
    double end() const { return double(endMs) / 1000.0; }
    bool operator==(const HookProposal&) const = default;
};

// The weights of the terms of a window's score. They sum to 1, so a score is in [0, 1].
struct HookWeights {
    double repetition = 0.40; // how often the window's music recurs in the song (front-weighted)
    double energy = 0.25;     // how loud the window is against the song's loudest passages
    double entry = 0.20;      // how much more repeated and louder the window's start is than what precedes it
    double downbeat = 0.10;   // the window starts on a downbeat (half as much for another beat)
    double attack = 0.05;     // the first beat is loud
    // Subtracted per unit of the window's silent fraction (before clamping to [0, 1]).
    double silencePenalty = 1.0;
};

// What the scorer needs about the song, per beat (all vectors as long as `beats`).
struct HookScene {
    const BeatFeatures* beats = nullptr;
    const std::vector<float>* repetition = nullptr;
    const std::vector<float>* novelty = nullptr;
    std::vector<bool> downbeat;
    std::int64_t durationMs = 0;
    // A beat whose peak is below this (full scale 1.0) is silent.
    float silencePeak = 0;
};

// Scores windows of lengthMs (clamped to the song) starting on each beat and returns up to
// `count` of them, best first, no two overlapping by more than half their length; the window
// that starts at 0 is a candidate too, so a song without beats still gets one. Empty when the
// song is empty.
std::vector<HookProposal> pickHooks(const HookScene& scene, std::int64_t lengthMs, int count,
                                    const HookWeights& weights = {});

} // namespace analysis
