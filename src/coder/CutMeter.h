// Measuring the cut of an input through filter chains, for the loudness passes, and writing a cut
// through a chain to an output.
#pragma once

#include "coder/AudioFilter.h"
#include "coder/CutReader.h"
#include "coder/Loudness.h"

#include <cstdint>
#include <functional>
#include <optional>
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

// Hands on the pieces of a cut, converted, to `consume`; returns what reading the cut found.
using CutSource = std::function<CutRead(const std::function<void(AVFrame&)>& consume)>;

// Reads the cut of options.input, converted to `shape`, through a chain and the meters, as often
// as it is asked to. Owns the converted cut as the first pass read it, when it is not too large
// (about six minutes of stereo at 44.1 kHz), so that later passes take it from memory; and the
// samples of the last Candidate measured, when they are not too large either, for a write to take
// instead of going through the chain again.
class CutMeter {
public:
    // progress gets the seconds of the cut each pass has gone over.
    CutMeter(const CoderOptions& options, const SampleShape& shape, std::function<void(double)> progress);

    // The LoudnessMeter: loudness from ebur128, with Measurement::First also the highest sample.
    LoudnessReading measure(const std::string& chain, Measurement why);

    // What the first pass found reading the cut, and the samples it read (at the shape's rate).
    const CutRead& firstRead() const { return read_; }
    std::int64_t samples() const { return samples_; }

    // The cut, or `count` samples of it from sample `from` (at the shape's rate): from memory when
    // the first pass kept it, else read from the input again.
    CutSource source(std::int64_t from = 0, std::optional<std::int64_t> count = std::nullopt);

    // The samples `chain` gives, when they are those kept; empty otherwise. They are handed over.
    std::vector<FramePtr> takeKept(const std::string& chain);

private:
    CutRead readInput(std::int64_t from, std::optional<std::int64_t> count, const std::function<void(AVFrame&)>& consume);
    CutRead readMemory(std::int64_t from, std::optional<std::int64_t> count,
                       const std::function<void(AVFrame&)>& consume) const;

    const CoderOptions& options_;
    SampleShape shape_;
    std::function<void(double)> progress_;
    std::vector<FramePtr> cut_;  // the converted cut, when kept
    bool cutKept_ = false;
    std::string keptChain_;
    std::vector<FramePtr> kept_;
    CutRead read_;
    std::int64_t samples_ = 0;
};

// Writes a cut (the pieces `source` gives, or the frames `kept`, already through `ahead`) through
// `ahead` and then `after` to sink, the filters working in `shape`; counts the samples written in
// `written` and runs progress as it goes. `name` is the output that failures are reported for.
// Returns what reading the cut found.
CutRead writeThroughChain(const CutSource& source, const SampleShape& shape, std::vector<FramePtr> kept,
                          const std::string& ahead, const std::string& after, AudioSink& sink, const std::string& name,
                          std::int64_t& written, const std::function<void()>& progress);

// The shape the filters work in for a sink: its rate and channels, in planar floats.
SampleShape filterShape(const AudioSink& sink);

} // namespace coder
