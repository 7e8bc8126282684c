// Trimming the silence at both ends of a selection, to the millisecond.
//
// Silence is sample-peak based over all channels: a frame is silent when every channel's
// absolute sample is below the threshold, which is -50 dBFS, or 40 dB under the file's peak when
// the file is quieter than -10 dBFS: min(-50 dBFS, peak - 40 dB), with 32768 as full scale. A
// sample of 0 is always silent.
//
// Times: frame f of a file at rate r sounds at the instant f / r seconds. A selection
// [beginMs, endMs] holds the frames whose instants lie within it, ends included.
#pragma once

#include "analysis/AudioSource.h"

#include <atomic>
#include <cstdint>
#include <optional>

namespace analysis {

struct MsRange {
    std::int64_t beginMs = 0;
    std::int64_t endMs = 0;
    bool operator==(const MsRange&) const = default;
};

// The threshold in dBFS for a file whose largest absolute sample is filePeak (0..32768).
double silenceThresholdDb(int filePeak);

// The smallest absolute sample that counts as sound for that threshold (at least 1).
int soundThreshold(int filePeak);

// The file's largest absolute sample over all channels (0..32768), reading it whole; the hook
// finder reports the same value. Returns nullopt when reading fails or cancel is set.
std::optional<int> filePeak(AudioSource& source, const std::atomic<bool>* cancel = nullptr);

// The selection with its leading and trailing silence removed: begin is the latest whole
// millisecond at or before the first sound frame's instant, end the earliest whole millisecond
// at or after the last sound frame's instant, so that the result keeps every frame of the
// selection that is not silent and moves no edge outward. Reads from each end inward only until
// it meets sound. Returns nullopt when the selection holds no sound (or is empty or reversed,
// or reading fails).
std::optional<MsRange> trimSilence(AudioSource& source, MsRange selection, int filePeak);

} // namespace analysis
