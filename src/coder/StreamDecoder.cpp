#include "coder/StreamDecoder.h"

#include "coder/AmrNbDecoder.h"

#include <algorithm>

namespace coder {
namespace {

// libavcodec's decoder for a stream. Its AMR-WB decoder cannot decode comfort-noise (SID)
// frames: each of those becomes silence of the frame's length, so the stream keeps its length.
class LibavDecoder : public StreamDecoder {
public:
    LibavDecoder(const AVStream& stream, const AVCodec& codec, const std::string& name)
    {
        context_.reset(avcodec_alloc_context3(&codec));
        if (!context_)
            throw CoderError("out of memory");
        checkAv(avcodec_parameters_to_context(context_.get(), stream.codecpar), name);
        context_->pkt_timebase = stream.time_base;
        const int ret = avcodec_open2(context_.get(), &codec, nullptr);
        if (ret < 0)
            throw CoderError(name + ": cannot decode its audio (" + avErrorText(ret) + ")");
    }

    int send(const AVPacket* packet) override
    {
        const int ret = avcodec_send_packet(context_.get(), packet);
        if (ret == AVERROR_PATCHWELCOME && packet && context_->codec_id == AV_CODEC_ID_AMR_WB) {
            const std::int64_t frame = context_->sample_rate / 50;  // 20 ms
            const std::int64_t samples = packet->duration > 0
                ? av_rescale_q(packet->duration, context_->pkt_timebase, AVRational{1, context_->sample_rate})
                : frame;
            // A packet of a damaged file may claim any length: at most a second per packet.
            silentSamples_ += std::clamp<std::int64_t>(samples, frame, context_->sample_rate);
            return 0;
        }
        return ret;
    }

    int receive(AVFrame& frame) override
    {
        if (silentSamples_ > 0)
            return takeSilence(frame);
        return avcodec_receive_frame(context_.get(), &frame);
    }

    void flush() override
    {
        avcodec_flush_buffers(context_.get());
        silentSamples_ = 0;
    }

    int sampleRate() const override { return context_->sample_rate; }
    ChannelLayout layout() const override { return ChannelLayout(context_->ch_layout); }
    AVSampleFormat sampleFormat() const override { return context_->sample_fmt; }

    std::string describe() const override
    {
        char text[256] = {};
        avcodec_string(text, sizeof text, context_.get(), 0);
        return text;
    }

private:
    int takeSilence(AVFrame& frame)
    {
        av_frame_unref(&frame);
        frame.format = context_->sample_fmt;
        frame.sample_rate = context_->sample_rate;
        frame.nb_samples = static_cast<int>(silentSamples_);
        checkAv(av_channel_layout_copy(&frame.ch_layout, &context_->ch_layout), "out of memory");
        checkAv(av_frame_get_buffer(&frame, 0), "out of memory");
        av_samples_set_silence(frame.extended_data, 0, frame.nb_samples, frame.ch_layout.nb_channels,
                               context_->sample_fmt);
        silentSamples_ = 0;
        return 0;
    }

    CodecContextPtr context_;
    std::int64_t silentSamples_ = 0;
};

} // namespace

std::unique_ptr<StreamDecoder> openStreamDecoder(const AVStream& stream, const std::string& name, AmrNbDecoding amr)
{
    if (stream.codecpar->codec_id == AV_CODEC_ID_AMR_NB && amr == AmrNbDecoding::Opencore)
        return std::make_unique<AmrNbDecoder>();
    const AVCodec* codec = avcodec_find_decoder(stream.codecpar->codec_id);
    if (!codec)
        throw CoderError(name + ": no decoder for its audio stream");
    return std::make_unique<LibavDecoder>(stream, *codec, name);
}

} // namespace coder
