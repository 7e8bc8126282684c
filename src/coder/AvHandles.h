// Owning handles for FFmpeg's C objects, and the one place that turns an AVERROR into text.
#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
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

// Allocates a frame or packet; throws CoderError when memory runs out.
FramePtr makeFrame();
PacketPtr makePacket();

// Prefixes a local path so that libavformat never reads it as a protocol ("concat:", "http:").
std::string fileUrl(const std::string& path);

} // namespace coder
