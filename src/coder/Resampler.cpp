#include "coder/Resampler.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

#include <algorithm>
#include <vector>

namespace coder {
namespace {

// The layout to mix by: an unspecified order of a count that has a usual layout is taken as
// that layout, as FFmpeg does.
ChannelLayout usableLayout(const AVChannelLayout& layout)
{
    if (layout.order == AV_CHANNEL_ORDER_UNSPEC || av_channel_layout_check(&layout) == 0)
        return ChannelLayout::defaultFor(layout.nb_channels);
    return ChannelLayout(layout);
}

// A resampler from one shape to another, not yet initialised; the return value is FFmpeg's.
int allocate(SwrPtr& swr, const ChannelLayout& in, AVSampleFormat inFormat, int inRate, const ChannelLayout& out,
             AVSampleFormat outFormat, int outRate)
{
    SwrContext* raw = nullptr;
    // The 5.1 API takes non-const layouts but only copies them.
    int ret = swr_alloc_set_opts2(&raw, const_cast<AVChannelLayout*>(&out.get()), outFormat, outRate,
                                  const_cast<AVChannelLayout*>(&in.get()), inFormat, inRate, 0, nullptr);
    swr.reset(raw);
    if (ret >= 0)
        ret = swr_init(swr.get());
    return ret;
}

// Pointers to sample offset of every plane of a frame (one plane for packed formats).
std::vector<uint8_t*> planesAt(const AVFrame& frame, int offset)
{
    const auto format = static_cast<AVSampleFormat>(frame.format);
    const int channels = frame.ch_layout.nb_channels;
    const bool planar = av_sample_fmt_is_planar(format);
    const int step = av_get_bytes_per_sample(format) * (planar ? 1 : channels);
    std::vector<uint8_t*> planes(static_cast<size_t>(planar ? channels : 1));
    for (size_t p = 0; p < planes.size(); ++p)
        planes[p] = frame.extended_data[p] + static_cast<std::ptrdiff_t>(offset) * step;
    return planes;
}

} // namespace

Resampler::Resampler(const AVFrame& source, const SampleShape& target, const std::string& name)
    : name_(name)
    , target_(target)
{
    fifo_.reset(av_audio_fifo_alloc(target.format, target.layout.channels(), 8192));
    if (!fifo_)
        throw CoderError("out of memory");
    configure(source);
}

bool Resampler::canConvert(const AVChannelLayout& from, const AVChannelLayout& to)
{
    const ChannelLayout in = usableLayout(from);
    const ChannelLayout out = usableLayout(to);
    if (in == out)
        return true;
    SwrPtr swr;
    return allocate(swr, in, AV_SAMPLE_FMT_S16, 8000, out, AV_SAMPLE_FMT_S16, 8000) >= 0;
}

void Resampler::configure(const AVFrame& source)
{
    swr_.reset();
    sourceRate_ = source.sample_rate;
    sourceLayout_ = ChannelLayout(source.ch_layout);
    sourceFormat_ = source.format;
    const ChannelLayout in = usableLayout(source.ch_layout);
    const ChannelLayout out = usableLayout(target_.layout.get());
    if (source.sample_rate == target_.sampleRate && source.format == target_.format && in == out)
        return;
    const auto inFormat = static_cast<AVSampleFormat>(source.format);
    const int ret = allocate(swr_, in, inFormat, source.sample_rate, out, target_.format, target_.sampleRate);
    if (ret < 0) {
        const char* inName = av_get_sample_fmt_name(inFormat);
        const char* outName = av_get_sample_fmt_name(target_.format);
        throw CoderError(name_ + ": cannot set up the resampler from " + std::to_string(source.sample_rate) + " Hz "
                         + in.name() + " " + (inName ? inName : "?") + " to " + std::to_string(target_.sampleRate)
                         + " Hz " + out.name() + " " + (outName ? outName : "?") + " (" + avErrorText(ret) + ")");
    }
}

void Resampler::adaptTo(const AVFrame& frame)
{
    if (frame.sample_rate == sourceRate_ && frame.format == sourceFormat_
        && av_channel_layout_compare(&frame.ch_layout, &sourceLayout_.get()) == 0)
        return;
    flush();
    configure(frame);
}

void Resampler::queue(uint8_t* const* planes, int count)
{
    if (count <= 0)
        return;
    // av_audio_fifo_write takes non-const plane pointers but only reads through them.
    void* const* data = reinterpret_cast<void* const*>(planes);
    if (av_audio_fifo_write(fifo_.get(), const_cast<void**>(data), count) < count)
        throw CoderError("out of memory");
}

void Resampler::ensureScratch(int samples)
{
    if (scratch_->data[0] && scratch_->nb_samples >= samples)
        return;
    av_frame_unref(scratch_.get());
    scratch_->format = target_.format;
    scratch_->nb_samples = samples;
    checkAv(av_channel_layout_copy(&scratch_->ch_layout, &target_.layout.get()), "out of memory");
    checkAv(av_frame_get_buffer(scratch_.get(), 0), "out of memory");
}

void Resampler::push(const AVFrame& frame, int offset, int count)
{
    if (count <= 0)
        return;
    std::vector<uint8_t*> in = planesAt(frame, offset);
    if (!swr_) {
        queue(in.data(), count);
        return;
    }
    const int room = swr_get_out_samples(swr_.get(), count);
    ensureScratch(room);
    const int done = swr_convert(swr_.get(), scratch_->extended_data, scratch_->nb_samples,
                                 const_cast<const uint8_t**>(in.data()), count);
    checkAv(done, "resampling failed");
    queue(scratch_->extended_data, done);
}

int Resampler::convertDirect(const AVFrame& frame, int offset, int count, AVFrame& out)
{
    av_frame_unref(&out);
    if (count <= 0)
        return 0;
    if (!swr_ && offset == 0) {
        // The frame's own buffers, shared: its planes start aligned, only fewer samples count.
        checkAv(av_frame_ref(&out, &frame), "out of memory");
        out.nb_samples = count;
        av_channel_layout_uninit(&out.ch_layout);
        checkAv(av_channel_layout_copy(&out.ch_layout, &target_.layout.get()), "out of memory");
        return count;
    }
    out.format = target_.format;
    out.sample_rate = target_.sampleRate;
    out.nb_samples = swr_ ? std::max(swr_get_out_samples(swr_.get(), count), 1) : count;
    checkAv(av_channel_layout_copy(&out.ch_layout, &target_.layout.get()), "out of memory");
    checkAv(av_frame_get_buffer(&out, 0), "out of memory");
    if (!swr_) {
        // A cut that starts inside the frame: a copy of its part in buffers of out's own, which
        // start aligned as vector code expects them to.
        checkAv(av_samples_copy(out.extended_data, frame.extended_data, 0, offset, count, out.ch_layout.nb_channels,
                                target_.format),
                "out of memory");
        return count;
    }
    std::vector<uint8_t*> in = planesAt(frame, offset);
    const int done = swr_convert(swr_.get(), out.extended_data, out.nb_samples,
                                 const_cast<const uint8_t**>(in.data()), count);
    checkAv(done, "resampling failed");
    out.nb_samples = done;
    return done;
}

void Resampler::flush()
{
    if (!swr_)
        return;
    for (;;) {
        const int room = std::max(swr_get_out_samples(swr_.get(), 0), 0);
        if (room == 0)
            return;
        ensureScratch(room);
        const int done = swr_convert(swr_.get(), scratch_->extended_data, scratch_->nb_samples, nullptr, 0);
        checkAv(done, "resampling failed");
        if (done == 0)
            return;
        queue(scratch_->extended_data, done);
    }
}

int Resampler::pop(AVFrame& out, int n)
{
    n = std::min(n, queued());
    av_frame_unref(&out);
    if (n <= 0)
        return 0;
    out.format = target_.format;
    out.sample_rate = target_.sampleRate;
    out.nb_samples = n;
    checkAv(av_channel_layout_copy(&out.ch_layout, &target_.layout.get()), "out of memory");
    checkAv(av_frame_get_buffer(&out, 0), "out of memory");
    void* const* data = reinterpret_cast<void* const*>(out.extended_data);
    return av_audio_fifo_read(fifo_.get(), const_cast<void**>(data), n);
}

} // namespace coder
