#include "coder/CutMeter.h"

#include "coder/AudioSink.h"
#include "coder/InputDecoder.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace coder {
namespace {

// The most a measured cut may take in memory to be kept for writing (about six minutes of
// stereo at 44.1 kHz in doubles, as the meter leaves them); a longer one is read again instead.
constexpr std::size_t maxKeptBytes = 256u << 20;
// The most the converted cut may take in memory for the later passes (as long, in floats).
constexpr std::size_t maxCutBytes = 128u << 20;

std::size_t frameBytes(const AVFrame& frame)
{
    return static_cast<std::size_t>(frame.nb_samples) * static_cast<std::size_t>(frame.ch_layout.nb_channels)
        * static_cast<std::size_t>(av_get_bytes_per_sample(static_cast<AVSampleFormat>(frame.format)));
}

} // namespace

ChainFeeder::ChainFeeder(AudioFilter& filter, std::function<void(AVFrame&)> take)
    : filter_(filter)
    , take_(std::move(take))
{
}

void ChainFeeder::operator()(AVFrame& piece)
{
    piece.pts = position_;
    position_ += piece.nb_samples;
    filter_.push(&piece);
    drain();
}

void ChainFeeder::finish()
{
    filter_.push(nullptr);
    drain();
}

void ChainFeeder::drain()
{
    while (filter_.pull(*out_))
        take_(*out_);
}

CutMeter::CutMeter(const CoderOptions& options, const SampleShape& shape, std::function<void(double)> progress)
    : options_(options)
    , shape_(shape)
    , progress_(std::move(progress))
{
}

CutRead CutMeter::readInput(std::int64_t from, std::optional<std::int64_t> count,
                            const std::function<void(AVFrame&)>& consume)
{
    InputDecoder in(options_.input);
    const double rate = shape_.sampleRate;
    std::optional<double> length = options_.duration;
    if (count)
        length = static_cast<double>(*count) / rate;
    const CutWindow window(options_.inputSeek + options_.outputStart + static_cast<double>(from) / rate, length,
                           in.sampleRate());
    if (window.start() > 0)
        in.seekToSample(window.start());
    return readCut(in, window, shape_, options_.output, consume);
}

CutRead CutMeter::readMemory(std::int64_t from, std::optional<std::int64_t> count,
                             const std::function<void(AVFrame&)>& consume) const
{
    const std::int64_t end = count ? from + *count : samples_;
    std::int64_t at = 0;
    FramePtr piece = makeFrame();
    for (const FramePtr& frame : cut_) {
        const std::int64_t first = std::max(from, at);
        const std::int64_t last = std::min(end, at + frame->nb_samples);
        if (last > first) {
            if (first == at && last == at + frame->nb_samples) {
                checkAv(av_frame_ref(piece.get(), frame.get()), "out of memory");
            } else {
                // Part of a piece: copied into buffers of its own, aligned like any frame's.
                piece->format = frame->format;
                piece->sample_rate = frame->sample_rate;
                piece->nb_samples = static_cast<int>(last - first);
                checkAv(av_channel_layout_copy(&piece->ch_layout, &frame->ch_layout), "out of memory");
                checkAv(av_frame_get_buffer(piece.get(), 0), "out of memory");
                checkAv(av_samples_copy(piece->extended_data, frame->extended_data, 0, static_cast<int>(first - at),
                                        piece->nb_samples, piece->ch_layout.nb_channels,
                                        static_cast<AVSampleFormat>(frame->format)),
                        "out of memory");
            }
            consume(*piece);
            av_frame_unref(piece.get());
        }
        at += frame->nb_samples;
    }
    return CutRead{read_.decodedFrames, read_.kept && end > from};
}

CutSource CutMeter::source(std::int64_t from, std::optional<std::int64_t> count)
{
    return [this, from, count](const std::function<void(AVFrame&)>& consume) {
        return cutKept_ ? readMemory(from, count, consume) : readInput(from, count, consume);
    };
}

LoudnessReading CutMeter::measure(const std::string& chain, Measurement why)
{
    // The loudness and, on the first pass, the highest sample from ebur128, running totals that
    // the frames carry in their metadata; the samples pass unchanged.
    const bool first = why == Measurement::First;
    const std::string meter = first ? "ebur128=metadata=1:peak=sample" : "ebur128=metadata=1";
    AudioFilter filter(shape_, joinChains(chain, meter), shape_, options_.output, false);
    kept_.clear();
    keptChain_ = chain;
    bool keeping = why == Measurement::Candidate;
    std::size_t bytes = 0;
    LoudnessReading reading;
    double samplePeak = 0;
    ChainFeeder feed(filter, [&](AVFrame& measured) {
        if (const AVDictionaryEntry* e = av_dict_get(measured.metadata, "lavfi.r128.I", nullptr, 0))
            reading.integrated = std::strtod(e->value, nullptr);
        if (const AVDictionaryEntry* e = av_dict_get(measured.metadata, "lavfi.r128.sample_peak", nullptr, 0))
            samplePeak = std::strtod(e->value, nullptr);
        if (!keeping)
            return;
        bytes += frameBytes(measured);
        keeping = bytes <= maxKeptBytes;
        if (keeping) {
            kept_.emplace_back(av_frame_clone(&measured));
            if (!kept_.back())
                throw CoderError("out of memory");
        } else {
            kept_.clear();
        }
    });
    std::int64_t done = 0;
    const auto consume = [&](AVFrame& piece) {
        done += piece.nb_samples;
        feed(piece);
        progress_(static_cast<double>(done) / shape_.sampleRate);
    };
    CutRead read;
    if (first) {
        // The first pass reads the input and keeps the converted cut, when it is not too large.
        std::size_t cutBytes = 0;
        cutKept_ = false;
        read = readInput(0, std::nullopt, [&](AVFrame& piece) {
            cutBytes += frameBytes(piece);
            if (cutBytes <= maxCutBytes) {
                cut_.emplace_back(av_frame_clone(&piece));
                if (!cut_.back())
                    throw CoderError("out of memory");
            } else {
                cut_.clear();
            }
            consume(piece);
        });
        cutKept_ = cutBytes <= maxCutBytes;
        if (!cutKept_)
            cut_.clear();
        read_ = read;
        samples_ = done;
    } else {
        read = source()(consume);
    }
    if (read.kept)
        feed.finish();
    if (!keeping)
        kept_.clear();
    if (first)
        reading.samplePeak = samplePeak > 0 ? 20 * std::log10(samplePeak) : -200;
    return reading;
}

std::vector<FramePtr> CutMeter::takeKept(const std::string& chain)
{
    if (chain != keptChain_)
        return {};
    keptChain_.clear();
    return std::move(kept_);
}

SampleShape filterShape(const AudioSink& sink)
{
    return SampleShape{sink.shape().sampleRate, sink.shape().layout, AV_SAMPLE_FMT_FLTP, 0};
}

CutRead writeThroughChain(const CutSource& source, const SampleShape& shape, std::vector<FramePtr> kept,
                          const std::string& ahead, const std::string& after, AudioSink& sink, const std::string& name,
                          std::int64_t& written, const std::function<void()>& progress)
{
    auto write = [&](AVFrame& filtered) {
        sink.write(filtered);
        written += filtered.nb_samples;
    };
    if (!kept.empty()) {
        // The cut as chosen was the last one measured: write it from memory.
        const AVFrame& first = *kept.front();
        const SampleShape keptShape{first.sample_rate, ChannelLayout(first.ch_layout),
                                    static_cast<AVSampleFormat>(first.format), 0};
        AudioFilter filter(keptShape, after, sink.shape(), name);
        ChainFeeder feed(filter, write);
        for (FramePtr& frame : kept) {
            feed(*frame);
            frame.reset();
            progress();
        }
        feed.finish();
        return CutRead{static_cast<std::int64_t>(kept.size()), true};
    }
    AudioFilter filter(shape, joinChains(ahead, after), sink.shape(), name);
    ChainFeeder feed(filter, write);
    const CutRead read = source([&](AVFrame& piece) {
        feed(piece);
        progress();
    });
    if (read.kept)
        feed.finish();
    return read;
}

} // namespace coder
