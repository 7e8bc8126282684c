// The hook finder: proposes the windows of a song a listener knows it by (its most repeated,
// most energetic section, starting on a downbeat), and the beats found on the way.
//
// Use from a worker thread:
//     analysis::WavFileSource::open(path) or any AudioSource of the opened file;
//     std::atomic<bool> cancel{false};   // set from the UI thread to stop (Esc)
//     auto result = analysis::findHooks(*source, analysis::hookLength(selection, duration),
//                                       &cancel, [](double f) { /* post f to the UI */ });
//     if (result.status == analysis::HookAnalysis::Status::Done) ... result.proposals ...
//
// Cost: one read of the file (mixed to mono, resampled to 11025 Hz; 5512 Hz beyond 20 minutes),
// then work that grows linearly with the length: onset, chroma and beat tracking per frame, and
// the repetition search over lags of at most 1024 beats (about 8 minutes). On one core of the
// development machine four minutes take about 0.45 s and an hour about 4.6 s
// (bench/analysis/run-hook-bench.sh). A cancel is seen within about 30 ms of work (the longest
// single library call, the tempo tracking of a 140 s piece).
#pragma once

#include "analysis/AudioSource.h"
#include "analysis/HookScorer.h"
#include "analysis/RunControl.h"

#include <atomic>
#include <vector>

namespace analysis {

struct HookAnalysis {
    enum class Status {
        Done,       // proposals, beats and peak are filled in
        Cancelled,  // the cancel flag was set; nothing else is filled in
        ReadFailed, // the source failed to read; nothing else is filled in
    };
    Status status = Status::Done;
    // Up to three windows, best first, each exactly the asked length (clamped to the file) and
    // within the file, no two overlapping by more than half; fewer only when the file is too
    // short for three such windows. Scores are 0..1 (shown as 0..100 by multiplying by 100).
    std::vector<HookProposal> proposals;
    // Beat and downbeat times in seconds, ascending, for snapping markers (see BeatSnap.h).
    std::vector<double> beats;
    std::vector<double> downbeats;
    // The median tempo in beats per minute (0 when no beats were found).
    double bpm = 0;
    // The file's largest absolute sample over all channels (0..32768), for trimSilence.
    int peak = 0;
};

// The window length the hook finder is asked for: the selection's length when it is at least
// 5 s, else 30 s; never longer than the file. In seconds.
double hookLength(double selectionSeconds, double fileSeconds);

// Analyses all of source and proposes hooks of lengthSeconds (rounded to whole milliseconds,
// clamped to the file). cancel may be null; progress (0..1, rising, from this thread) may be
// empty. Returns the status and, when Done, the proposals, beats, downbeats, tempo and peak.
HookAnalysis findHooks(AudioSource& source, double lengthSeconds, const std::atomic<bool>* cancel = nullptr,
                       ProgressCallback progress = {});

} // namespace analysis
