// Turns the packets of one audio stream into decoded frames.
#pragma once

#include "coder/AvHandles.h"

#include <memory>
#include <string>

namespace coder {

// The decoder of one audio stream, in libavcodec's send/receive manner: after each packet,
// frames are received until AVERROR(EAGAIN). Owns its codec state.
class StreamDecoder {
public:
    virtual ~StreamDecoder() = default;
    // Takes one packet, or nullptr at the end of the stream. Returns 0, AVERROR_INVALIDDATA for
    // a damaged packet that was skipped, or another AVERROR that ends the run.
    virtual int send(const AVPacket* packet) = 0;
    // Returns 0 with the next frame in frame, AVERROR(EAGAIN) when a packet is needed,
    // AVERROR_EOF after the end, AVERROR_INVALIDDATA for skipped damage, or another AVERROR.
    virtual int receive(AVFrame& frame) = 0;
    // Forgets what it holds, after a seek.
    virtual void flush() = 0;
    virtual int sampleRate() const = 0;
    virtual ChannelLayout layout() const = 0;
    virtual AVSampleFormat sampleFormat() const = 0;
    // The stream as FFmpeg's header shows it: "Audio: mp3, 44100 Hz, stereo, fltp, 128 kb/s".
    virtual std::string describe() const = 0;
};

// Which decoder reads AMR-NB: opencore-amrnb, which decodes the comfort-noise and no-data
// frames of discontinuous transmission, or libavcodec's own, which FFmpeg's programs use.
enum class AmrNbDecoding { Opencore, Libavcodec };

// Opens the decoder for stream: for AMR-NB the one `amr` names, libavcodec's for everything
// else. Throws CoderError naming name and the reason.
std::unique_ptr<StreamDecoder> openStreamDecoder(const AVStream& stream, const std::string& name,
                                                 AmrNbDecoding amr = AmrNbDecoding::Opencore);

} // namespace coder
