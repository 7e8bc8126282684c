// The first pass over a song: every frame read once, mixed to mono and brought to the
// analysis rate, handed on in order.
#pragma once

#include "analysis/AudioSource.h"
#include "analysis/RunControl.h"

#include <functional>
#include <span>

namespace analysis {

enum class PassResult { Done, Cancelled, ReadFailed };

// Reads all of source in blocks, mixes each frame to the mean of its channels (full scale 1.0),
// resamples to rate with libswresample and calls sink with the result in order, blocks
// of any size. Asks stage about a cancel and reports progress after every block (a few
// milliseconds of work). When peak is given, it receives the largest absolute sample of any
// channel (0..32768). Returns Done, Cancelled, or ReadFailed when the source fails to read or
// the resampler cannot be set up.
PassResult readMono(AudioSource& source, int rate, Stage& stage,
                    const std::function<void(std::span<const float>)>& sink, int* peak = nullptr);

// The largest absolute value of count samples (0..32768).
int samplePeak(const std::int16_t* samples, std::int64_t count);

// Mixes count interleaved frames of channels samples to their mean, scaled to full scale 1.0.
void mixToMono(const std::int16_t* in, std::int64_t count, int channels, float* out);

} // namespace analysis
