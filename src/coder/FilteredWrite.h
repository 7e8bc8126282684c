// Writing a cut through an -af chain, whose loudnorm step is worked out by measuring the cut.
#pragma once

#include "coder/CutReader.h"
#include "coder/FilterChain.h"

#include <cstdint>
#include <functional>

namespace coder {

class AudioSink;
class InputDecoder;

// Writes the cut of `in` through `chain` to `sink`, counting the samples written in `written` and
// running `progress` as it goes. The filters work on the samples as they will be written:
// converted first to the sink's rate and channels, in floats. A loudnorm step is worked out first
// (Loudness.h) by reading the cut of options.input again through the chain and a meter, as often
// as that takes; the last cut so measured is kept in memory, when it is not too large, and written
// from there when it is the one chosen. Throws CoderError on failure.
CutRead writeFiltered(InputDecoder& in, const CoderOptions& options, const FilterChain& chain, AudioSink& sink,
                      std::int64_t& written, const std::function<void()>& progress);

} // namespace coder
