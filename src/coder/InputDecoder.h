// Opens a media file and decodes its first audio stream, frame by frame.
#pragma once

#include "coder/AvHandles.h"
#include "coder/InputBytes.h"
#include "coder/OutputTags.h"
#include "coder/StreamDecoder.h"

#include <cstdint>
#include <memory>
#include <string>

namespace coder {

// Owns the demuxer, the audio stream's decoder and one reusable frame (and, for an input that
// is not a named file, its byte source). Never decodes video: every other stream is discarded
// at the demuxer.
class InputDecoder {
public:
    // Opens path; throws CoderError naming the file and the reason (missing, unreadable, not a
    // media file, no audio stream, no decoder, channels that could not be mixed down). `amr`
    // picks the decoder of AMR-NB (StreamDecoder.h).
    explicit InputDecoder(const std::string& path, AmrNbDecoding amr = AmrNbDecoding::Opencore);
    // Opens the media in bytes; name stands for it in messages and hints at its format.
    InputDecoder(const std::string& name, std::unique_ptr<InputBytes> bytes);

    // Moves to the sample startSample when that can be done exactly without decoding (PCM);
    // returns false, leaving the position at the start, otherwise.
    bool seekToSample(std::int64_t startSample);

    // Decodes the next frame; nullptr at the end. The frame is valid until the next call.
    // Damaged packets are skipped and counted; damage the demuxer cannot read past ends the
    // stream like the end of file. Throws CoderError when reading the input fails.
    const AVFrame* nextFrame();

    // Sample index (at the stream's rate) of the first sample of the frame nextFrame returned.
    std::int64_t framePosition() const { return position_; }

    // The input's duration in microseconds, or AV_NOPTS_VALUE when it is not known.
    std::int64_t duration() const { return duration_; }
    int sampleRate() const { return decoder_->sampleRate(); }
    const AVFormatContext* format() const { return format_.get(); }
    const StreamDecoder& decoder() const { return *decoder_; }
    const AVStream* stream() const { return format_->streams[streamIndex_]; }
    int damagedPackets() const { return damaged_; }
    // The artist and album the container names (its own tags, else the audio stream's).
    SourceTags sourceTags() const;
    bool endedOnDamage() const { return endedOnDamage_; }

private:
    void open(const std::string& url, AmrNbDecoding amr = AmrNbDecoding::Opencore);
    void countAmrFrames();
    bool readPacketIntoDecoder();

    std::string path_;
    std::unique_ptr<InputBytes> bytes_;
    AvioPtr avio_;
    InputFormatPtr format_;
    std::unique_ptr<StreamDecoder> decoder_;
    PacketPtr packet_ = makePacket();
    FramePtr frame_ = makeFrame();
    int streamIndex_ = -1;
    std::int64_t duration_ = AV_NOPTS_VALUE;
    std::int64_t position_ = 0;
    std::int64_t nextPosition_ = 0;
    bool positionFromTimestamp_ = false;
    bool flushed_ = false;
    bool endedOnDamage_ = false;
    int damaged_ = 0;
};

} // namespace coder
