#include "coder/MeteredSink.h"

#include <algorithm>
#include <cstdlib>

namespace coder {

MeteredSink::MeteredSink(AudioSink& sink, const std::string& name)
    : sink_(sink)
    , meter_(SampleShape{sink.shape().sampleRate, sink.shape().layout, sink.shape().format, 0}, "ebur128=metadata=1",
             SampleShape{sink.shape().sampleRate, sink.shape().layout, sink.shape().format, 0}, name, false)
{
}

void MeteredSink::write(AVFrame& frame)
{
    checkAv(av_frame_ref(copy_.get(), &frame), "out of memory");
    copy_->pts = position_;
    position_ += frame.nb_samples;
    meter_.push(copy_.get());
    av_frame_unref(copy_.get());
    take();
    sink_.write(frame);
}

void MeteredSink::finish()
{
    meter_.push(nullptr);
    take();
}

void MeteredSink::take()
{
    while (meter_.pull(*measured_)) {
        if (const AVDictionaryEntry* e = av_dict_get(measured_->metadata, "lavfi.r128.I", nullptr, 0))
            integrated_ = std::max(std::strtod(e->value, nullptr), -70.0);
    }
}

} // namespace coder
