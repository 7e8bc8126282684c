#include "coder/EncodedFileSink.h"

#include "coder/ProgressPrinter.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

#include <algorithm>
#include <cstdlib>

namespace coder {
namespace {

constexpr std::int64_t defaultLossyBitRate = 128000;

const AVOutputFormat* containerFor(const std::string& name)
{
    const std::string ext = formatKeyOf(name);
    if (ext.empty())
        return nullptr;
    if (ext == "m4r")  // ring tones for phones: an iPod-style MP4 with AAC
        return av_guess_format("ipod", nullptr, nullptr);
    if (ext == "wma")
        return av_guess_format("asf", nullptr, nullptr);
    return av_guess_format(nullptr, ("x." + ext).c_str(), nullptr);
}

const AVCodec* encoderFor(const AVOutputFormat* container, const OutputRequest& request)
{
    if (!request.codecName.empty()) {
        const AVCodec* codec = avcodec_find_encoder_by_name(request.codecName.c_str());
        if (!codec || codec->type != AVMEDIA_TYPE_AUDIO)
            throw CoderError(request.name + ": unknown audio encoder " + request.codecName);
        return codec;
    }
    const std::string ext = formatKeyOf(request.name);
    if (ext == "wav")
        return avcodec_find_encoder(AV_CODEC_ID_PCM_S16LE);
    if (ext == "mp3") {
        if (const AVCodec* lame = avcodec_find_encoder_by_name("libmp3lame"))
            return lame;
    }
    if (ext == "wma")
        return avcodec_find_encoder(AV_CODEC_ID_WMAV2);
    if (container->audio_codec == AV_CODEC_ID_NONE)
        throw CoderError(request.name + ": " + container->name + " is not an audio format");
    const AVCodec* codec = avcodec_find_encoder(container->audio_codec);
    if (!codec)
        throw CoderError(request.name + ": no encoder for " + avcodec_get_name(container->audio_codec));
    return codec;
}

int chooseRate(const AVCodec* codec, int wanted)
{
    if (!codec->supported_samplerates)
        return wanted;
    int best = codec->supported_samplerates[0];
    for (const int* r = codec->supported_samplerates; *r; ++r) {
        if (*r == wanted)
            return wanted;
        if (std::abs(*r - wanted) < std::abs(best - wanted))
            best = *r;
    }
    return best;
}

int chooseChannels(const AVCodec* codec, int wanted)
{
    if (codec->id == AV_CODEC_ID_WMAV1 || codec->id == AV_CODEC_ID_WMAV2)
        return std::min(wanted, 2);
    if (!codec->ch_layouts)
        return wanted;
    int best = 0;
    for (const AVChannelLayout* l = codec->ch_layouts; l->nb_channels; ++l) {
        if (l->nb_channels == wanted)
            return wanted;
        if (l->nb_channels < wanted)
            best = std::max(best, l->nb_channels);
    }
    return best > 0 ? best : codec->ch_layouts[0].nb_channels;
}

bool takesLayout(const AVCodec* codec, const ChannelLayout& layout)
{
    if (!codec->ch_layouts)
        return true;
    for (const AVChannelLayout* l = codec->ch_layouts; l->nb_channels; ++l) {
        if (av_channel_layout_compare(l, &layout.get()) == 0)
            return true;
    }
    return false;
}

// The source's own layout when the channel count stays and the codec can store it (PCM stores
// any); else the usual layout of the channel count the codec can take. A source without speaker
// positions is taken to have the usual ones, as FFmpeg guesses them.
ChannelLayout chooseLayout(const AVCodec* codec, const OutputRequest& request)
{
    const int channels = request.sourceLayout.channels();
    const ChannelLayout source = request.sourceLayout.specified() ? request.sourceLayout : ChannelLayout::defaultFor(channels);
    const int count = chooseChannels(codec, request.channels.value_or(channels));
    if (count == channels && takesLayout(codec, source))
        return source;
    return ChannelLayout::defaultFor(count);
}

// The source's format when the encoder takes it, else its planar or packed twin (no
// conversion of the values, only of the layout), else the encoder's first choice.
AVSampleFormat chooseFormat(const AVCodec* codec, AVSampleFormat source)
{
    if (!codec->sample_fmts)
        return source;
    const AVSampleFormat preferred[] = {source, av_get_planar_sample_fmt(source), av_get_packed_sample_fmt(source)};
    for (AVSampleFormat want : preferred) {
        for (const AVSampleFormat* f = codec->sample_fmts; *f != AV_SAMPLE_FMT_NONE; ++f) {
            if (*f == want)
                return want;
        }
    }
    return codec->sample_fmts[0];
}

bool isLossy(const AVCodec* codec)
{
    const AVCodecDescriptor* d = avcodec_descriptor_get(codec->id);
    return d && (d->props & AV_CODEC_PROP_LOSSY);
}

} // namespace

EncodedFileSink::EncodedFileSink(const OutputRequest& request)
    : name_(request.name)
{
    const AVOutputFormat* container = containerFor(request.name);
    if (!container)
        throw CoderError(request.name + ": cannot tell the output format from the name");
    const AVCodec* codec = encoderFor(container, request);
    if (avformat_query_codec(container, codec->id, FF_COMPLIANCE_NORMAL) == 0)
        throw CoderError(request.name + ": " + codec->name + " cannot be stored in " + container->name);

    AVFormatContext* raw = nullptr;
    checkAv(avformat_alloc_output_context2(&raw, container, nullptr, nullptr), request.name);
    muxer_.reset(raw);
    setUpEncoder(codec, request);

    stream_ = avformat_new_stream(raw, nullptr);
    if (!stream_)
        throw CoderError("out of memory");
    stream_->time_base = encoder_->time_base;
    checkAv(avcodec_parameters_from_context(stream_->codecpar, encoder_.get()), request.name);

    for (const auto& [key, value] : request.tags) {
        checkAv(av_dict_set(&raw->metadata, key.c_str(), value.c_str(), 0), "out of memory");
        // Ogg keeps its comments with the stream, not the file.
        if (std::string(container->name) == "ogg")
            checkAv(av_dict_set(&stream_->metadata, key.c_str(), value.c_str(), 0), "out of memory");
    }

    int ret = avio_open(&raw->pb, fileUrl(request.writePath).c_str(), AVIO_FLAG_WRITE);
    if (ret < 0)
        throw CoderError(request.name + ": cannot write (" + avErrorText(ret) + ")");
    AVDictionary* options = nullptr;
    if (std::string(container->name) == "wav")
        av_dict_set(&options, "rf64", "auto", 0);
    ret = avformat_write_header(raw, &options);
    av_dict_free(&options);
    if (ret < 0)
        throw CoderError(request.name + ": cannot write the header (" + avErrorText(ret) + ")");
}

void EncodedFileSink::setUpEncoder(const AVCodec* codec, const OutputRequest& request)
{
    encoder_.reset(avcodec_alloc_context3(codec));
    if (!encoder_)
        throw CoderError("out of memory");
    AVCodecContext* enc = encoder_.get();
    enc->sample_rate = chooseRate(codec, request.sampleRate.value_or(request.sourceRate));
    const ChannelLayout layout = chooseLayout(codec, request);
    checkAv(av_channel_layout_copy(&enc->ch_layout, &layout.get()), "out of memory");
    enc->sample_fmt = chooseFormat(codec, request.sourceFormat);
    enc->time_base = AVRational{1, enc->sample_rate};
    if (request.bitRate)
        enc->bit_rate = *request.bitRate;
    else if (isLossy(codec))
        enc->bit_rate = defaultLossyBitRate;
    if (muxer_->oformat->flags & AVFMT_GLOBALHEADER)
        enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    const int ret = avcodec_open2(enc, codec, nullptr);
    if (ret < 0)
        throw CoderError(request.name + ": cannot start the " + codec->name + " encoder at "
                         + std::to_string(enc->sample_rate) + " Hz, "
                         + std::to_string(layout.channels()) + " channel(s) ("
                         + avErrorText(ret) + ")");
    shape_.sampleRate = enc->sample_rate;
    shape_.layout = ChannelLayout(enc->ch_layout);
    shape_.format = enc->sample_fmt;
    const bool anySize = (codec->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE) || enc->frame_size <= 0;
    shape_.frameSize = anySize ? 0 : enc->frame_size;
    // A WMA decoder gives nothing for the first frame it reads; ASF has no field that tells it
    // to skip priming, so the priming has to be that first frame.
    if (codec->id == AV_CODEC_ID_WMAV1 || codec->id == AV_CODEC_ID_WMAV2)
        primingSamples_ = enc->frame_size;
}

void EncodedFileSink::send(AVFrame* frame)
{
    if (frame) {
        frame->pts = nextPts_;
        nextPts_ += frame->nb_samples;
    }
    const int ret = avcodec_send_frame(encoder_.get(), frame);
    if (ret < 0 && !(frame == nullptr && ret == AVERROR_EOF))
        throw CoderError(name_ + ": encoding failed (" + avErrorText(ret) + ")");
    drainPackets();
}

void EncodedFileSink::prime()
{
    if (primingSamples_ <= 0)
        return;
    FramePtr silence = makeFrame();
    silence->format = shape_.format;
    silence->sample_rate = shape_.sampleRate;
    silence->nb_samples = primingSamples_;
    checkAv(av_channel_layout_copy(&silence->ch_layout, &shape_.layout.get()), "out of memory");
    checkAv(av_frame_get_buffer(silence.get(), 0), "out of memory");
    av_samples_set_silence(silence->extended_data, 0, primingSamples_, shape_.layout.channels(), shape_.format);
    primingSamples_ = 0;
    send(silence.get());
}

void EncodedFileSink::write(AVFrame& frame)
{
    prime();
    send(&frame);
}

void EncodedFileSink::drainPackets()
{
    for (;;) {
        int ret = avcodec_receive_packet(encoder_.get(), packet_.get());
        if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF)
            return;
        if (ret < 0)
            throw CoderError(name_ + ": encoding failed (" + avErrorText(ret) + ")");
        av_packet_rescale_ts(packet_.get(), encoder_->time_base, stream_->time_base);
        packet_->stream_index = stream_->index;
        ret = av_interleaved_write_frame(muxer_.get(), packet_.get());
        if (ret < 0)
            throw CoderError(name_ + ": cannot write (" + avErrorText(ret) + ")");
    }
}

void EncodedFileSink::finish()
{
    prime();
    send(nullptr);
    int ret = av_write_trailer(muxer_.get());
    if (ret < 0)
        throw CoderError(name_ + ": cannot complete the file (" + avErrorText(ret) + ")");
    AVIOContext* pb = muxer_->pb;
    avio_flush(pb);
    if (pb->error < 0)
        throw CoderError(name_ + ": cannot write (" + avErrorText(pb->error) + ")");
    finalSize_ = avio_size(pb);
    ret = avio_closep(&muxer_->pb);
    if (ret < 0)
        throw CoderError(name_ + ": cannot write (" + avErrorText(ret) + ")");
}

std::int64_t EncodedFileSink::bytesWritten() const
{
    if (finalSize_ >= 0)
        return finalSize_;
    return muxer_->pb ? avio_tell(muxer_->pb) : 0;
}

std::string EncodedFileSink::describe() const
{
    char stream[256] = {};
    avcodec_string(stream, sizeof stream, encoder_.get(), 1);
    return std::string("Output #0, ") + muxer_->oformat->name + ", to '" + shownName(name_, maxShownName) + "':\n"
        + "  Stream #0:0: " + stream + "\n";
}

} // namespace coder
