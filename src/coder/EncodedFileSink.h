// An output written with libavformat and a libavcodec encoder: WAV, MP3, WMA, M4A, OGG, FLAC...
#pragma once

#include "coder/AudioSink.h"

namespace coder {

// Owns the muxer, its file and the encoder. The container follows the name's extension:
// .wav is 16-bit PCM (RF64 past 4 GiB), .mp3 LAME with its gapless header, .wma ASF with
// wmav2 unless another codec is asked for, .m4r an iPod MP4 with AAC, others as libavformat
// guesses them with its default audio codec.
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

    std::string name_;
    OutputFormatPtr muxer_;
    CodecContextPtr encoder_;
    AVStream* stream_ = nullptr;
    PacketPtr packet_ = makePacket();
    SampleShape shape_;
    std::int64_t nextPts_ = 0;
    std::int64_t finalSize_ = -1;
};

} // namespace coder
