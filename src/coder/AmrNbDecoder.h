// AMR-NB decoding with opencore-amrnb, which, unlike libavcodec's decoder, decodes every frame
// type of a phone recording: speech, comfort noise (SID) and no data.
#pragma once

#include "coder/StreamDecoder.h"

#include <cstddef>
#include <cstdint>

namespace coder {

// Bytes of one AMR-NB frame of the storage format, its header byte included, for the frame
// type in bits 3..6 of that header byte (1 for no data and the reserved types).
int amrNbFrameBytes(std::uint8_t header);

// Owns the opencore decoder state and the frame decoded from the last packet. A packet holds
// one or more whole frames (the raw .amr demuxer gives one, MP4/3GP may give several); each
// becomes 160 samples of 8000 Hz mono 16-bit, so the length is always frames x 20 ms.
class AmrNbDecoder : public StreamDecoder {
public:
    AmrNbDecoder();
    ~AmrNbDecoder() override;
    AmrNbDecoder(const AmrNbDecoder&) = delete;
    AmrNbDecoder& operator=(const AmrNbDecoder&) = delete;

    // A frame cut short by the end of the packet is skipped and reported as AVERROR_INVALIDDATA
    // after the whole frames before it have been decoded.
    int send(const AVPacket* packet) override;
    int receive(AVFrame& frame) override;
    void flush() override;
    int sampleRate() const override { return 8000; }
    ChannelLayout layout() const override { return ChannelLayout::defaultFor(1); }
    AVSampleFormat sampleFormat() const override { return AV_SAMPLE_FMT_S16; }
    std::string describe() const override;

private:
    void* state_ = nullptr;
    FramePtr pending_ = makeFrame();
    bool ended_ = false;
};

} // namespace coder
