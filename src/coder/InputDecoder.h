// Opens a media file and decodes its first audio stream, frame by frame.
#pragma once

#include "coder/AvHandles.h"

#include <cstdint>
#include <string>

namespace coder {

// Owns the demuxer, the audio decoder and one reusable frame. Never decodes video: every other
// stream is discarded at the demuxer.
class InputDecoder {
public:
    // Opens path; throws CoderError naming the file and the reason (missing, unreadable, not a
    // media file, no audio stream, no decoder).
    explicit InputDecoder(const std::string& path);

    // Moves to the sample startSample when that can be done exactly without decoding (PCM);
    // returns false, leaving the position at the start, otherwise.
    bool seekToSample(std::int64_t startSample);

    // Decodes the next frame; nullptr at the end. The frame is valid until the next call.
    // Damaged packets are skipped and counted; a read error ends the stream like the end of file.
    const AVFrame* nextFrame();

    // Sample index (at the stream's rate) of the first sample of the frame nextFrame returned.
    std::int64_t framePosition() const { return position_; }

    int sampleRate() const { return decoder_->sample_rate; }
    const AVFormatContext* format() const { return format_.get(); }
    const AVCodecContext* decoder() const { return decoder_.get(); }
    const AVStream* stream() const { return format_->streams[streamIndex_]; }
    int damagedPackets() const { return damaged_; }
    bool endedOnReadError() const { return readError_; }

private:
    bool readPacketIntoDecoder();

    std::string path_;
    InputFormatPtr format_;
    CodecContextPtr decoder_;
    PacketPtr packet_ = makePacket();
    FramePtr frame_ = makeFrame();
    int streamIndex_ = -1;
    std::int64_t position_ = 0;
    std::int64_t nextPosition_ = 0;
    bool positionFromTimestamp_ = false;
    bool flushed_ = false;
    bool readError_ = false;
    int damaged_ = 0;
};

} // namespace coder
