// An output written with libavformat and a libavcodec encoder: WAV, MP3, WMA, M4A, OGG, FLAC...
#pragma once

#include "coder/AudioSink.h"

namespace coder {

// Owns the muxer, its file and the encoder. The container follows the name's extension:
// .wav is 16-bit PCM (RF64 past 4 GiB), .mp3 LAME with its gapless header, .wma ASF with
// wmav2 unless another codec is asked for, .m4r an iPod MP4 with AAC, others as libavformat
// guesses them with its default audio codec (.m4a AAC in an iPod MP4, .ogg Vorbis, .flac FLAC).
// The source's channel layout is kept unless another channel count is asked for or the codec
// cannot store it. The request's tags go into the container's own tags (Vorbis comments of the
// stream in Ogg).
class EncodedFileSink : public AudioSink {
public:
    // Opens the encoder and the file and writes the header; throws CoderError naming the output.
    explicit EncodedFileSink(const OutputRequest& request);

    const SampleShape& shape() const override { return shape_; }
    void write(AVFrame& frame) override;
    void finish() override;
    std::int64_t bytesWritten() const override;
    std::string describe() const override;

private:
    void drainPackets();
    void setUpEncoder(const AVCodec* codec, const OutputRequest& request);
    void send(AVFrame* frame);
    void prime();

    std::string name_;
    OutputFormatPtr muxer_;
    CodecContextPtr encoder_;
    AVStream* stream_ = nullptr;
    PacketPtr packet_ = makePacket();
    SampleShape shape_;
    std::int64_t nextPts_ = 0;
    // Silent samples sent ahead of the first frame, for codecs whose decoders drop that much
    // at the start while their container cannot say so (WMA in ASF); 0 when none or sent.
    int primingSamples_ = 0;
    std::int64_t finalSize_ = -1;
};

} // namespace coder
