// Writing a cut through an -af chain, whose loudnorm step is worked out by measuring.
#pragma once

#include "coder/CutReader.h"
#include "coder/FilterChain.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace coder {

class AudioSink;
class InputDecoder;
class ProgressPrinter;

// Writes the cut of `in` through a chain without a loudnorm step to `sink`, counting the samples
// written in `written` and running `progress` as it goes. The filters work on the samples as
// they will be written: converted first to the sink's rate and channels, in floats. Throws
// CoderError on failure.
CutRead writeFiltered(InputDecoder& in, const CoderOptions& options, const FilterChain& chain, AudioSink& sink,
                      std::int64_t& written, const std::function<void()>& progress);

// What a write to a loudness target did.
struct LoudWrite {
    CutRead read;
    std::string shortfall;  // the line loudnessShortfall gives for the file written, or ""
};

// Writes the cut of `in` through a chain with a loudnorm step to `sink` and completes it. The
// step is worked out by reading the cut of options.input again through the chain and a meter
// (Loudness.h). With nothing after the loudnorm step, the file written (at writtenPath, where
// the sinks write) is measured (FileMeter.h) and written
// again as WrittenLoudness.h describes, each time to a new sink from `reopen` over the same file;
// `sink` then holds the last, completed. With filters after the step, it is written once, as
// measured before the encoder. time= runs over all the passes together (PassProgress.h) and
// `written` holds the samples of the last write. Nothing is written when no sample lies in the
// cut. Throws CoderError on failure.
LoudWrite writeToLoudness(InputDecoder& in, const CoderOptions& options, const FilterChain& chain,
                          const std::string& writtenPath,
                          const std::function<std::unique_ptr<AudioSink>()>& reopen, std::unique_ptr<AudioSink>& sink,
                          std::int64_t& written, ProgressPrinter& printer);

} // namespace coder
