// What the transcoder hands its samples to: one output file being written.
#pragma once

#include "coder/OutputName.h"
#include "coder/OutputTags.h"
#include "coder/Resampler.h"

#include <cstdint>
#include <optional>
#include <string>

namespace coder {

// What the command line asks of the output, and the shape of the source it starts from.
struct OutputRequest {
    std::string name;          // the final output name; its extension picks the format
    std::string writePath;     // where the bytes go until the file is complete
    std::optional<std::int64_t> bitRate;
    std::optional<int> sampleRate;
    std::optional<int> channels;
    std::string codecName;
    int sourceRate = 0;
    ChannelLayout sourceLayout;
    AVSampleFormat sourceFormat = AV_SAMPLE_FMT_NONE;
    Tags tags;                 // written where the container has a place for them
};

// An output being written. Owns its file until finish() or destruction; knows nothing of the
// final name's rename.
class AudioSink {
public:
    virtual ~AudioSink() = default;
    // The samples write() takes, at most shape().frameSize per frame when that is not 0.
    virtual const SampleShape& shape() const = 0;
    // Encodes and writes one frame; throws CoderError on failure.
    virtual void write(AVFrame& frame) = 0;
    // Flushes the encoder and completes the file; throws CoderError on failure.
    virtual void finish() = 0;
    virtual std::int64_t bytesWritten() const = 0;
    // FFmpeg-like "Output #0, ..." lines, each ending in a newline.
    virtual std::string describe() const = 0;
};

} // namespace coder
