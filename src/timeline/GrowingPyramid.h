#pragma once
#include "timeline/PeakPyramid.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <functional>

// How often a growing file is looked at and its partial pyramid passed on.
struct PyramidFollowPace {
    std::chrono::milliseconds updateEvery{150};  // at most one update per this time
    std::chrono::milliseconds nap{25};           // wait before looking again when nothing is new
};

// Builds the peak pyramid of the WAV at `wavPath` while another process is still writing it
// (see WavFile::openGrowing; the path may be /proc/self/fd/<n>), on the calling thread. Waits
// for the header to be written, then scans each whole block as soon as the file holds it.
// While the file grows, calls `update` (on the calling thread, when given) with the pyramid of
// the blocks scanned so far: its frames() is where the scanned part ends, the rest is still to
// come. Updates come at most once per pace.updateEvery and only when the pyramid grew.
// Returns the finished pyramid once the writer has made the file final: equal to
// buildPeakPyramid() of the complete file (empty for a file without frames). Returns an empty
// pyramid when the file cannot be opened or is no such WAV, on a read error, or when `cancel`
// was set. A file whose writer died never becomes final: then only `cancel` ends the wait.
PeakPyramid followPeakPyramid(const QString& wavPath, const std::atomic<bool>* cancel,
                              const std::function<void(const PeakPyramid&)>& update = {},
                              PyramidFollowPace pace = {});
