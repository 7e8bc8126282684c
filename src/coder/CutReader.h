// Reading the cut of an input: decoded, sliced to the cut and converted, piece by piece.
#pragma once

#include "coder/CommandLine.h"
#include "coder/CutWindow.h"
#include "coder/Resampler.h"

#include <cstdint>
#include <functional>
#include <string>

namespace coder {

class InputDecoder;

// Frames handed to writers that take any size: large enough to keep per-call costs small.
constexpr int anySizeChunk = 8192;

// What one reading of a cut found.
struct CutRead {
    std::int64_t decodedFrames = 0;
    bool kept = false;  // some sample of the input lies in the cut
};

// The cut the options ask for (-ss before and after -i add up, -t is its length).
CutWindow cutWindowOf(const CoderOptions& options, int sampleRate);

// Decodes the cut of `in` and hands each kept piece, converted to `shape` (any number of samples
// per frame), to `consume`; at the end also what the conversion held back. `name` is the output
// that failures are reported for.
CutRead readCut(InputDecoder& in, const CutWindow& window, const SampleShape& shape, const std::string& name,
                const std::function<void(AVFrame&)>& consume);

} // namespace coder
