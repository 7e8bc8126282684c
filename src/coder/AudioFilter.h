// A libavfilter chain between the converted samples of a cut and what takes them.
#pragma once

#include "coder/AvHandles.h"
#include "coder/Resampler.h"

#include <string>

namespace coder {

// Owns one filter graph: a source of frames in one shape, the chain, and a sink. Frames pushed
// carry their position in samples at the input rate as pts.
class AudioFilter {
public:
    // Builds "<description>" ("" passes the samples through) from frames of `input` to frames of
    // `output` (its format, rate and layout; every frame but the last of exactly
    // output.frameSize samples when that is not 0). With constrained false the output takes
    // whatever the chain gives (a meter's output that is thrown away). Throws CoderError naming
    // `name` when the chain cannot be set up (unknown filter, bad option).
    AudioFilter(const SampleShape& input, const std::string& description, const SampleShape& output,
                const std::string& name, bool constrained = true);

    // Hands a frame to the chain (the frame is left as it was), or nullptr at the end of the
    // input. Throws CoderError when the chain fails.
    void push(AVFrame* frame);

    // Takes the next filtered frame into out; false when the chain needs more input or is done.
    bool pull(AVFrame& out);

private:
    std::string name_;
    FilterGraphPtr graph_;
    AVFilterContext* source_ = nullptr;  // owned by graph_
    AVFilterContext* sink_ = nullptr;    // owned by graph_
};

// "a,b": the two chains joined, either of them possibly empty.
std::string joinChains(const std::string& a, const std::string& b);

} // namespace coder
