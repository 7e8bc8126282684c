#include "coder/Resampler.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

#include <algorithm>
#include <vector>

namespace coder {
namespace {

AVChannelLayout usableLayout(const AVChannelLayout& layout)
{
    AVChannelLayout out{};
    if (layout.order == AV_CHANNEL_ORDER_UNSPEC || av_channel_layout_check(&layout) == 0)
        av_channel_layout_default(&out, layout.nb_channels);
    else
        av_channel_layout_copy(&out, &layout);
    return out;
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

Resampler::Resampler(const AVFrame& source, const SampleShape& target)
    : target_(target)
{
    fifo_.reset(av_audio_fifo_alloc(target.format, target.layout.nb_channels, 8192));
    if (!fifo_)
        throw CoderError("out of memory");
    configure(source);
}

void Resampler::configure(const AVFrame& source)
{
    swr_.reset();
    sourceRate_ = source.sample_rate;
    sourceChannels_ = source.ch_layout.nb_channels;
    sourceFormat_ = source.format;
    AVChannelLayout in = usableLayout(source.ch_layout);
    const bool same = source.sample_rate == target_.sampleRate && source.format == target_.format
        && av_channel_layout_compare(&in, &target_.layout) == 0;
    if (!same) {
        SwrContext* raw = nullptr;
        AVChannelLayout out = target_.layout;  // the 5.1 API takes non-const layouts
        int ret = swr_alloc_set_opts2(&raw, &out, target_.format, target_.sampleRate, &in,
                                      static_cast<AVSampleFormat>(source.format), source.sample_rate, 0, nullptr);
        swr_.reset(raw);
        if (ret >= 0)
            ret = swr_init(swr_.get());
        if (ret < 0) {
            av_channel_layout_uninit(&in);
            checkAv(ret, "cannot set up the resampler");
        }
    }
    av_channel_layout_uninit(&in);
}

void Resampler::adaptTo(const AVFrame& frame)
{
    if (frame.sample_rate == sourceRate_ && frame.ch_layout.nb_channels == sourceChannels_
        && frame.format == sourceFormat_)
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
    checkAv(av_channel_layout_copy(&scratch_->ch_layout, &target_.layout), "out of memory");
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
    if (!swr_) {
        checkAv(av_frame_ref(&out, &frame), "out of memory");
        const std::vector<uint8_t*> planes = planesAt(frame, offset);
        for (size_t p = 0; p < planes.size(); ++p) {
            out.extended_data[p] = planes[p];
            if (p < AV_NUM_DATA_POINTERS)
                out.data[p] = planes[p];
        }
        out.nb_samples = count;
        av_channel_layout_uninit(&out.ch_layout);
        checkAv(av_channel_layout_copy(&out.ch_layout, &target_.layout), "out of memory");
        return count;
    }
    out.format = target_.format;
    out.sample_rate = target_.sampleRate;
    out.nb_samples = std::max(swr_get_out_samples(swr_.get(), count), 1);
    checkAv(av_channel_layout_copy(&out.ch_layout, &target_.layout), "out of memory");
    checkAv(av_frame_get_buffer(&out, 0), "out of memory");
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
    checkAv(av_channel_layout_copy(&out.ch_layout, &target_.layout), "out of memory");
    checkAv(av_frame_get_buffer(&out, 0), "out of memory");
    void* const* data = reinterpret_cast<void* const*>(out.extended_data);
    return av_audio_fifo_read(fifo_.get(), const_cast<void**>(data), n);
}

} // namespace coder
