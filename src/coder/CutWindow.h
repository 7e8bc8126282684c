// Which decoded samples belong to the cut: the source's samples from `start` for `length`.
#pragma once

#include <cstdint>
#include <optional>

namespace coder {

// The part of one decoded frame to keep.
struct FrameSlice {
    int offset = 0;   // first sample of the frame to keep
    int count = 0;    // samples to keep, 0 for none
    bool done = false;  // the window ends within or before this frame: decode no further
};

// Holds the window [start, start + length) in samples at the source rate; no length means up to
// the end of the input. Owns nothing else.
class CutWindow {
public:
    // Sample indexes are round(seconds × rate), so a cut begins on the sample nearest to the
    // time asked for.
    CutWindow(double startSeconds, std::optional<double> lengthSeconds, int sampleRate);

    // The slice of a frame of frameSamples samples that starts at sample framePosition.
    FrameSlice slice(std::int64_t framePosition, int frameSamples) const;

    std::int64_t start() const { return start_; }
    std::optional<std::int64_t> length() const { return length_; }

private:
    std::int64_t start_ = 0;
    std::optional<std::int64_t> length_;
};

} // namespace coder
