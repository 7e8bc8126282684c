// Converts decoded samples to the rate, channel layout and sample format an output wants,
// and queues them until the output takes them in frames of its size.
#pragma once

#include "coder/AvHandles.h"

#include <string>

namespace coder {

// Shape of the samples an output takes; frameSize 0 means any number per frame.
struct SampleShape {
    int sampleRate = 0;
    ChannelLayout layout;
    AVSampleFormat format = AV_SAMPLE_FMT_NONE;
    int frameSize = 0;
};

// Owns the resampler (only when the shapes differ), a scratch frame and the sample queue.
class Resampler {
public:
    // source gives the input's rate, layout and format (a decoded frame); name is the output
    // that failures are reported for. Throws CoderError naming it and the reason.
    Resampler(const AVFrame& source, const SampleShape& target, const std::string& name);

    // Whether samples in layout `from` can be converted to layout `to` (a layout without
    // speaker positions can only be mixed when its channel count has a usual layout).
    static bool canConvert(const AVChannelLayout& from, const AVChannelLayout& to);

    // Follows a change of rate, channels or format within the input (joined MP3 files do
    // that): what the old conversion holds back is queued first. Cheap when nothing changed.
    void adaptTo(const AVFrame& frame);

    // Converts count samples of frame, starting at sample offset, and queues the result.
    void push(const AVFrame& frame, int offset, int count);

    // For outputs that take frames of any size: converts count samples of frame, from sample
    // offset, straight into out without queueing; returns the samples now in out. out owns
    // aligned buffers of its own, or, when no conversion is needed and the slice starts at the
    // frame's start, shares frame's buffers.
    int convertDirect(const AVFrame& frame, int offset, int count, AVFrame& out);

    // Queues what the resampler still holds back at the end of the input.
    void flush();

    int queued() const { return av_audio_fifo_size(fifo_.get()); }

    // Moves up to n queued samples into a freshly allocated out; returns how many.
    int pop(AVFrame& out, int n);

private:
    void queue(uint8_t* const* planes, int count);
    void ensureScratch(int samples);
    void configure(const AVFrame& source);

    std::string name_;
    int sourceRate_ = 0;
    ChannelLayout sourceLayout_;
    int sourceFormat_ = AV_SAMPLE_FMT_NONE;

    SampleShape target_;
    SwrPtr swr_;
    FifoPtr fifo_;
    FramePtr scratch_ = makeFrame();
};

} // namespace coder
