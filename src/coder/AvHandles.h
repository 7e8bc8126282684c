// Owning handles for FFmpeg's C objects, and the one place that turns an AVERROR into text.
#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libswresample/swresample.h>
}

#include <memory>
#include <stdexcept>
#include <string>

namespace coder {

// A failure that ends the run; what() is the one line printed for the user.
class CoderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Returns FFmpeg's description of an AVERROR code (never empty).
std::string avErrorText(int errnum);

// Throws CoderError("<context>: <reason>") when ret is negative; returns ret otherwise.
int checkAv(int ret, const std::string& context);

struct InputFormatCloser {
    void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};
struct OutputFormatFreer {
    void operator()(AVFormatContext* c) const
    {
        if (c->pb && !(c->oformat->flags & AVFMT_NOFILE))
            avio_closep(&c->pb);
        avformat_free_context(c);
    }
};
struct CodecContextFreer {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct SwrFreer {
    void operator()(SwrContext* c) const { swr_free(&c); }
};
struct FrameFreer {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketFreer {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct AvioFreer {
    void operator()(AVIOContext* c) const
    {
        av_freep(&c->buffer);
        avio_context_free(&c);
    }
};
struct FilterGraphFreer {
    void operator()(AVFilterGraph* g) const { avfilter_graph_free(&g); }
};
struct FifoFreer {
    void operator()(AVAudioFifo* f) const { av_audio_fifo_free(f); }
};

using InputFormatPtr = std::unique_ptr<AVFormatContext, InputFormatCloser>;
using OutputFormatPtr = std::unique_ptr<AVFormatContext, OutputFormatFreer>;
using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextFreer>;
using SwrPtr = std::unique_ptr<SwrContext, SwrFreer>;
using FramePtr = std::unique_ptr<AVFrame, FrameFreer>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFreer>;
using FifoPtr = std::unique_ptr<AVAudioFifo, FifoFreer>;
using FilterGraphPtr = std::unique_ptr<AVFilterGraph, FilterGraphFreer>;
using AvioPtr = std::unique_ptr<AVIOContext, AvioFreer>;

// Owns one channel layout (a custom order holds an allocated map): copies are deep.
class ChannelLayout {
public:
    ChannelLayout() = default;
    // Copies layout; throws CoderError when memory runs out.
    explicit ChannelLayout(const AVChannelLayout& layout);
    // The usual layout for a channel count; an unspecified order of that many channels where
    // there is none (more than 8).
    static ChannelLayout defaultFor(int channels);
    ChannelLayout(const ChannelLayout& other);
    ChannelLayout& operator=(const ChannelLayout& other);
    ~ChannelLayout();

    const AVChannelLayout& get() const { return layout_; }
    int channels() const { return layout_.nb_channels; }
    bool specified() const { return layout_.order != AV_CHANNEL_ORDER_UNSPEC; }
    // The same channels in the same order; an unspecified order only equals itself.
    bool operator==(const ChannelLayout& other) const;
    // FFmpeg's name of the layout ("quad", "3.1", "10 channels").
    std::string name() const;

private:
    AVChannelLayout layout_{};
};

// Allocates a frame or packet; throws CoderError when memory runs out.
FramePtr makeFrame();
PacketPtr makePacket();

// Prefixes a local path so that libavformat never reads it as a protocol ("concat:", "http:").
std::string fileUrl(const std::string& path);

} // namespace coder
