#include "coder/InputDecoder.h"

#include "coder/AmrNbDecoder.h"
#include "coder/Resampler.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace coder {
namespace {

constexpr int ioBufferSize = 64 * 1024;

int readBytes(void* opaque, std::uint8_t* buf, int size)
{
    return static_cast<InputBytes*>(opaque)->read(buf, size);
}

std::int64_t seekBytes(void* opaque, std::int64_t offset, int whence)
{
    return static_cast<InputBytes*>(opaque)->seek(offset, whence);
}

// AMR-WB storage-format frame sizes with the header byte, by frame type.
constexpr std::array<std::uint8_t, 16> amrWbFrameBytes{18, 24, 33, 37, 41, 47, 51, 59, 61, 6, 1, 1, 1, 1, 1, 1};

} // namespace

InputDecoder::InputDecoder(const std::string& path, AmrNbDecoding amr)
    : path_(path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        throw CoderError(path + ": " + std::strerror(errno));
    if (S_ISDIR(st.st_mode))
        throw CoderError(path + ": is a folder, not a media file");
    if (st.st_size == 0 && S_ISREG(st.st_mode))
        throw CoderError(path + ": empty file, not a media file");
    open(fileUrl(path), amr);
}

InputDecoder::InputDecoder(const std::string& name, std::unique_ptr<InputBytes> bytes)
    : path_(name)
    , bytes_(std::move(bytes))
{
    auto* buffer = static_cast<unsigned char*>(av_malloc(ioBufferSize));
    if (!buffer)
        throw CoderError("out of memory");
    avio_.reset(avio_alloc_context(buffer, ioBufferSize, 0, bytes_.get(), &readBytes, nullptr, &seekBytes));
    if (!avio_) {
        av_free(buffer);
        throw CoderError("out of memory");
    }
    open(name);
}

void InputDecoder::open(const std::string& url, AmrNbDecoding amr)
{
    const std::string& path = path_;
    AVFormatContext* raw = nullptr;
    if (avio_) {
        raw = avformat_alloc_context();
        if (!raw)
            throw CoderError("out of memory");
        raw->pb = avio_.get();
        raw->flags |= AVFMT_FLAG_CUSTOM_IO;
    }
    int ret = avformat_open_input(&raw, url.c_str(), nullptr, nullptr);
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
    bool anyAudio = false;
    ret = -1;
    for (unsigned i = 0; i < raw->nb_streams && ret < 0; ++i) {
        const AVCodecParameters* par = raw->streams[i]->codecpar;
        if (par->codec_type != AVMEDIA_TYPE_AUDIO)
            continue;
        anyAudio = true;
        if (avcodec_find_decoder(par->codec_id))
            ret = static_cast<int>(i);
    }
    if (!anyAudio)
        throw CoderError(path + (raw->nb_streams == 0 ? ": not a media file (no streams)" : ": no audio stream"));
    if (ret < 0)
        throw CoderError(path + ": no decoder for its audio stream");
    streamIndex_ = ret;
    for (unsigned i = 0; i < raw->nb_streams; ++i)
        raw->streams[i]->discard = static_cast<int>(i) == streamIndex_ ? AVDISCARD_DEFAULT : AVDISCARD_ALL;

    decoder_ = openStreamDecoder(*raw->streams[streamIndex_], path, amr);
    const ChannelLayout layout = decoder_->layout();
    if (decoder_->sampleRate() <= 0 || layout.channels() <= 0)
        throw CoderError(path + ": not a media file (audio stream without rate or channels)");
    // Every cut the window makes but WAV mixes down to mono or stereo.
    if (!Resampler::canConvert(layout.get(), ChannelLayout::defaultFor(1).get()))
        throw CoderError(path + ": " + std::to_string(layout.channels())
                         + " audio channels without a speaker layout cannot be mixed down to mono or stereo"
                           " (at most 8 can)");
    duration_ = raw->duration;
    countAmrFrames();
}

void InputDecoder::countAmrFrames()
{
    // The raw AMR demuxer only estimates the duration from the bit rate, which is far off when
    // silence is sent as small comfort-noise frames; every frame is 20 ms, so count them.
    const AVCodecID codec = stream()->codecpar->codec_id;
    const std::string container = format_->iformat->name;
    AVIOContext* pb = format_->pb;
    if ((codec != AV_CODEC_ID_AMR_NB && codec != AV_CODEC_ID_AMR_WB) || container.rfind("amr", 0) != 0 || !pb
        || !(pb->seekable & AVIO_SEEKABLE_NORMAL))
        return;
    const std::int64_t resume = avio_tell(pb);
    const std::string magic = codec == AV_CODEC_ID_AMR_NB ? "#!AMR\n" : "#!AMR-WB\n";
    std::array<std::uint8_t, 64> buf{};
    std::int64_t frames = 0;
    if (avio_seek(pb, 0, SEEK_SET) == 0 && avio_read(pb, buf.data(), static_cast<int>(magic.size())) == static_cast<int>(magic.size())
        && std::memcmp(buf.data(), magic.data(), magic.size()) == 0) {
        for (;;) {
            const int header = avio_r8(pb);
            if (avio_feof(pb))
                break;
            const auto h = static_cast<std::uint8_t>(header);
            const int rest = (codec == AV_CODEC_ID_AMR_NB ? amrNbFrameBytes(h) : amrWbFrameBytes[(h >> 3) & 0x0F]) - 1;
            if (rest > 0 && avio_read(pb, buf.data(), rest) != rest)
                break;
            ++frames;
        }
        duration_ = frames * 20000;
    }
    const std::int64_t back = avio_seek(pb, resume, SEEK_SET);
    if (back < 0)
        throw CoderError(path_ + ": read error (" + avErrorText(static_cast<int>(back)) + ")");
}

SourceTags InputDecoder::sourceTags() const
{
    auto find = [this](const char* key) -> std::string {
        const AVDictionary* const places[] = {format_->metadata, stream()->metadata};
        for (const AVDictionary* tags : places) {
            const AVDictionaryEntry* e = av_dict_get(tags, key, nullptr, 0);
            if (e && e->value && *e->value)
                return e->value;
        }
        return {};
    };
    return SourceTags{find("artist"), find("album")};
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
    decoder_->flush();
    positionFromTimestamp_ = true;
    nextPosition_ = 0;
    return true;
}

bool InputDecoder::readPacketIntoDecoder()
{
    for (;;) {
        int ret = av_read_frame(format_.get(), packet_.get());
        if (ret < 0) {
            // A failed read of the file is a failure; the demuxer's end of file, or damage it
            // cannot read past, ends the stream with what was readable.
            const AVIOContext* pb = format_->pb;
            if (pb && pb->error < 0 && pb->error != AVERROR_EOF)
                throw CoderError(path_ + ": read error (" + avErrorText(pb->error) + ")");
            endedOnDamage_ = ret != AVERROR_EOF;
            decoder_->send(nullptr);
            flushed_ = true;
            return false;
        }
        if (packet_->stream_index != streamIndex_) {
            av_packet_unref(packet_.get());
            continue;
        }
        ret = decoder_->send(packet_.get());
        av_packet_unref(packet_.get());
        if (ret == AVERROR_INVALIDDATA) {
            // Frames of the packet decoded before the damage may still be waiting.
            ++damaged_;
            return true;
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
        int ret = decoder_->receive(*frame_);
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
