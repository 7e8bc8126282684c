#include "coder/AmrNbDecoder.h"

extern "C" {
#include <opencore-amrnb/interf_dec.h>
}

#include <array>
#include <cstring>

namespace coder {
namespace {

constexpr int samplesPerFrame = 160;
// Storage-format frame sizes with the header byte, by frame type: the eight speech modes
// (4.75k to 12.2k), SID, three reserved SID types, three reserved, no data.
constexpr std::array<std::uint8_t, 16> frameBytes{13, 14, 16, 18, 20, 21, 27, 32, 6, 1, 1, 1, 1, 1, 1, 1};
// The largest frame, and what the decoder may read of it.
constexpr std::size_t maxFrameBytes = 32;

} // namespace

int amrNbFrameBytes(std::uint8_t header)
{
    return frameBytes[(header >> 3) & 0x0F];
}

AmrNbDecoder::AmrNbDecoder()
{
    state_ = Decoder_Interface_init();
    if (!state_)
        throw CoderError("out of memory");
}

AmrNbDecoder::~AmrNbDecoder()
{
    if (state_)
        Decoder_Interface_exit(state_);
}

int AmrNbDecoder::send(const AVPacket* packet)
{
    av_frame_unref(pending_.get());
    if (!packet) {
        ended_ = true;
        return 0;
    }
    int frames = 0;
    int whole = 0;
    for (int at = 0; at < packet->size; at += amrNbFrameBytes(packet->data[at])) {
        ++frames;
        if (at + amrNbFrameBytes(packet->data[at]) <= packet->size)
            whole = at + amrNbFrameBytes(packet->data[at]);
    }
    const bool cutShort = whole < packet->size;
    if (cutShort)
        --frames;
    if (frames == 0)
        return cutShort ? AVERROR_INVALIDDATA : 0;

    AVFrame* out = pending_.get();
    out->format = AV_SAMPLE_FMT_S16;
    out->sample_rate = sampleRate();
    out->nb_samples = frames * samplesPerFrame;
    checkAv(av_channel_layout_copy(&out->ch_layout, &layout().get()), "out of memory");
    checkAv(av_frame_get_buffer(out, 0), "out of memory");
    out->pts = packet->pts;
    out->best_effort_timestamp = packet->pts;
    auto* samples = reinterpret_cast<short*>(out->data[0]);
    std::array<unsigned char, maxFrameBytes> frame{};
    for (int at = 0; at < whole; at += amrNbFrameBytes(packet->data[at])) {
        // The decoder reads the frame's full size for its type: give it a padded copy.
        frame.fill(0);
        std::memcpy(frame.data(), packet->data + at, static_cast<std::size_t>(amrNbFrameBytes(packet->data[at])));
        Decoder_Interface_Decode(state_, frame.data(), samples, 0);
        samples += samplesPerFrame;
    }
    return cutShort ? AVERROR_INVALIDDATA : 0;
}

int AmrNbDecoder::receive(AVFrame& frame)
{
    if (pending_->buf[0]) {
        av_frame_unref(&frame);
        av_frame_move_ref(&frame, pending_.get());
        return 0;
    }
    return ended_ ? AVERROR_EOF : AVERROR(EAGAIN);
}

void AmrNbDecoder::flush()
{
    av_frame_unref(pending_.get());
    ended_ = false;
    Decoder_Interface_exit(state_);
    state_ = nullptr;
    state_ = Decoder_Interface_init();
    if (!state_)
        throw CoderError("out of memory");
}

std::string AmrNbDecoder::describe() const
{
    return "Audio: amr_nb (opencore-amrnb), 8000 Hz, mono, s16";
}

} // namespace coder
