// Measuring the cut of an input through filter chains, for the loudness passes, and writing a cut
// through a chain to an output.
#pragma once

#include "coder/AudioFilter.h"
#include "coder/CutReader.h"
#include "coder/Loudness.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace coder {

class AudioSink;
class InputDecoder;

// Feeds the pieces of a cut into a filter chain with their positions, and hands on what comes
// out. Owns the frame it pulls into.
class ChainFeeder {
public:
    ChainFeeder(AudioFilter& filter, std::function<void(AVFrame&)> take);
    void operator()(AVFrame& piece);
    // Ends the input and hands on what the chain still holds.
    void finish();

private:
    void drain();

    AudioFilter& filter_;
    std::function<void(AVFrame&)> take_;
    FramePtr out_ = makeFrame();
    std::int64_t position_ = 0;
};

// Reads the cut of options.input again, converted to `shape`, through a chain and the meters,
// as often as it is asked to. Owns the samples of the last Candidate measured, when they are not
// too large (about six minutes of stereo at 44.1 kHz), for a write to take instead of reading the
// cut again.
class CutMeter {
public:
    // progress gets the seconds of the cut each pass has gone over.
    CutMeter(const CoderOptions& options, const SampleShape& shape, std::function<void(double)> progress);

    // The LoudnessMeter: loudness from ebur128, with Measurement::First also the highest sample.
    LoudnessReading measure(const std::string& chain, Measurement why);

    // What the last pass found reading the cut, and the samples it read (at the shape's rate).
    const CutRead& lastRead() const { return read_; }
    std::int64_t lastSamples() const { return samples_; }

    // The samples `chain` gives, when they are those kept; empty otherwise. They are handed over.
    std::vector<FramePtr> takeKept(const std::string& chain);

private:
    const CoderOptions& options_;
    SampleShape shape_;
    std::function<void(double)> progress_;
    std::string keptChain_;
    std::vector<FramePtr> kept_;
    CutRead read_;
    std::int64_t samples_ = 0;
};

// Writes the cut of `in` (or the frames given, already through `ahead`) through `ahead` and then
// `after` to sink, in floats of the sink's rate and channels; counts the samples written in
// `written` and gives progress the seconds written. Returns what reading the cut found.
CutRead writeThroughChain(InputDecoder& in, const CoderOptions& options, std::vector<FramePtr> kept,
                          const std::string& ahead, const std::string& after, AudioSink& sink, std::int64_t& written,
                          const std::function<void()>& progress);

// The shape the filters work in for a sink: its rate and channels, in planar floats.
SampleShape filterShape(const AudioSink& sink);

} // namespace coder
