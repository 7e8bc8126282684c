#include "coder/InputDecoder.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace coder {

InputDecoder::InputDecoder(const std::string& path)
    : path_(path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        throw CoderError(path + ": " + std::strerror(errno));
    if (S_ISDIR(st.st_mode))
        throw CoderError(path + ": is a folder, not a media file");
    if (st.st_size == 0 && S_ISREG(st.st_mode))
        throw CoderError(path + ": empty file, not a media file");

    AVFormatContext* raw = nullptr;
    int ret = avformat_open_input(&raw, fileUrl(path).c_str(), nullptr, nullptr);
    if (ret < 0) {
        if (ret == AVERROR(EACCES) || ret == AVERROR(EIO) || ret == AVERROR(ENOMEM))
            throw CoderError(path + ": cannot open (" + avErrorText(ret) + ")");
        throw CoderError(path + ": not a media file (" + avErrorText(ret) + ")");
    }
    format_.reset(raw);
    ret = avformat_find_stream_info(raw, nullptr);
    if (ret < 0)
        throw CoderError(path + ": not a media file (" + avErrorText(ret) + ")");

    // The first audio stream that can be decoded, as the command line promises.
    const AVCodec* codec = nullptr;
    bool anyAudio = false;
    ret = -1;
    for (unsigned i = 0; i < raw->nb_streams && ret < 0; ++i) {
        const AVCodecParameters* par = raw->streams[i]->codecpar;
        if (par->codec_type != AVMEDIA_TYPE_AUDIO)
            continue;
        anyAudio = true;
        codec = avcodec_find_decoder(par->codec_id);
        if (codec)
            ret = static_cast<int>(i);
    }
    if (!anyAudio)
        throw CoderError(path + (raw->nb_streams == 0 ? ": not a media file (no streams)" : ": no audio stream"));
    if (ret < 0)
        throw CoderError(path + ": no decoder for its audio stream");
    streamIndex_ = ret;
    for (unsigned i = 0; i < raw->nb_streams; ++i)
        raw->streams[i]->discard = static_cast<int>(i) == streamIndex_ ? AVDISCARD_DEFAULT : AVDISCARD_ALL;

    decoder_.reset(avcodec_alloc_context3(codec));
    if (!decoder_)
        throw CoderError("out of memory");
    checkAv(avcodec_parameters_to_context(decoder_.get(), raw->streams[streamIndex_]->codecpar), path);
    decoder_->pkt_timebase = raw->streams[streamIndex_]->time_base;
    ret = avcodec_open2(decoder_.get(), codec, nullptr);
    if (ret < 0)
        throw CoderError(path + ": cannot decode its audio (" + avErrorText(ret) + ")");
    if (decoder_->sample_rate <= 0 || decoder_->ch_layout.nb_channels <= 0)
        throw CoderError(path + ": not a media file (audio stream without rate or channels)");
}

bool InputDecoder::seekToSample(std::int64_t startSample)
{
    if (startSample <= 0)
        return true;
    const AVStream* st = stream();
    // Only PCM in a plain sample container has a byte position that follows from the sample
    // index; elsewhere a seek lands on a packet or index entry, and decoding from the start is
    // the only exact way.
    const std::string container = format_->iformat->name;
    const bool plainContainer = container == "wav" || container == "w64" || container == "aiff";
    if (!plainContainer || av_get_exact_bits_per_sample(st->codecpar->codec_id) <= 0)
        return false;
    std::int64_t ts = av_rescale_q(startSample, AVRational{1, sampleRate()}, st->time_base);
    if (st->start_time != AV_NOPTS_VALUE)
        ts += st->start_time;
    if (av_seek_frame(format_.get(), streamIndex_, ts, AVSEEK_FLAG_BACKWARD) < 0)
        return false;
    avcodec_flush_buffers(decoder_.get());
    positionFromTimestamp_ = true;
    nextPosition_ = 0;
    return true;
}

bool InputDecoder::readPacketIntoDecoder()
{
    for (;;) {
        int ret = av_read_frame(format_.get(), packet_.get());
        if (ret < 0) {
            // End of file, or a read error: either way the readable part has been delivered.
            readError_ = ret != AVERROR_EOF;
            avcodec_send_packet(decoder_.get(), nullptr);
            flushed_ = true;
            return false;
        }
        if (packet_->stream_index != streamIndex_) {
            av_packet_unref(packet_.get());
            continue;
        }
        ret = avcodec_send_packet(decoder_.get(), packet_.get());
        av_packet_unref(packet_.get());
        if (ret == AVERROR_INVALIDDATA) {
            ++damaged_;
            continue;
        }
        if (ret < 0 && ret != AVERROR(EAGAIN))
            checkAv(ret, path_ + ": decoding failed");
        return true;
    }
}

const AVFrame* InputDecoder::nextFrame()
{
    for (;;) {
        av_frame_unref(frame_.get());
        int ret = avcodec_receive_frame(decoder_.get(), frame_.get());
        if (ret == 0) {
            if (positionFromTimestamp_) {
                positionFromTimestamp_ = false;
                const AVStream* st = stream();
                std::int64_t ts = frame_->best_effort_timestamp;
                if (ts != AV_NOPTS_VALUE) {
                    if (st->start_time != AV_NOPTS_VALUE)
                        ts -= st->start_time;
                    nextPosition_ = av_rescale_q(ts, st->time_base, AVRational{1, sampleRate()});
                }
            }
            position_ = nextPosition_;
            nextPosition_ += frame_->nb_samples;
            return frame_.get();
        }
        if (ret == AVERROR_EOF)
            return nullptr;
        if (ret == AVERROR_INVALIDDATA) {
            ++damaged_;
            continue;
        }
        if (ret != AVERROR(EAGAIN))
            checkAv(ret, path_ + ": decoding failed");
        if (flushed_)
            return nullptr;
        readPacketIntoDecoder();
    }
}

} // namespace coder
