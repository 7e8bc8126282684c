#include "coder/CutMeter.h"

#include "coder/AudioSink.h"
#include "coder/InputDecoder.h"

#include <cstdlib>

namespace coder {
namespace {

// The most a measured cut may take in memory to be kept for writing (about six minutes of
// stereo at 44.1 kHz in doubles, as the meter leaves them); a longer one is read again instead.
constexpr std::size_t maxKeptBytes = 256u << 20;

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

LoudnessReading CutMeter::measure(const std::string& chain, Measurement why)
{
    InputDecoder in(options_.input);
    const CutWindow window = cutWindowOf(options_, in.sampleRate());
    if (window.start() > 0)
        in.seekToSample(window.start());
    // The loudness from ebur128, the highest sample in dB from astats, both running totals that
    // the frames carry in their metadata; the samples pass both unchanged.
    const bool peak = why == Measurement::First;
    const std::string meters = peak ? "ebur128=metadata=1,astats=metadata=1:reset=0:measure_perchannel=none:"
                                      "measure_overall=Peak_level"
                                    : "ebur128=metadata=1";
    AudioFilter meter(shape_, joinChains(chain, meters), shape_, options_.output, false);
    kept_.clear();
    keptChain_ = chain;
    bool keeping = why == Measurement::Candidate;
    std::size_t bytes = 0;
    LoudnessReading reading;
    ChainFeeder feed(meter, [&](AVFrame& measured) {
        if (const AVDictionaryEntry* e = av_dict_get(measured.metadata, "lavfi.r128.I", nullptr, 0))
            reading.integrated = std::strtod(e->value, nullptr);
        if (const AVDictionaryEntry* e = av_dict_get(measured.metadata, "lavfi.astats.Overall.Peak_level", nullptr, 0))
            reading.samplePeak = std::strtod(e->value, nullptr);
        if (!keeping)
            return;
        bytes += static_cast<std::size_t>(measured.nb_samples) * measured.ch_layout.nb_channels
            * av_get_bytes_per_sample(static_cast<AVSampleFormat>(measured.format));
        keeping = bytes <= maxKeptBytes;
        if (keeping) {
            kept_.emplace_back(av_frame_clone(&measured));
            if (!kept_.back())
                throw CoderError("out of memory");
        } else {
            kept_.clear();
        }
    });
    samples_ = 0;
    read_ = readCut(in, window, shape_, options_.output, [&](AVFrame& piece) {
        samples_ += piece.nb_samples;
        feed(piece);
        progress_(static_cast<double>(samples_) / shape_.sampleRate);
    });
    if (read_.kept)
        feed.finish();
    if (!keeping)
        kept_.clear();
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

CutRead writeThroughChain(InputDecoder& in, const CoderOptions& options, std::vector<FramePtr> kept,
                          const std::string& ahead, const std::string& after, AudioSink& sink, std::int64_t& written,
                          const std::function<void()>& progress)
{
    auto write = [&](AVFrame& filtered) {
        sink.write(filtered);
        written += filtered.nb_samples;
    };
    if (!kept.empty()) {
        // The cut as chosen was the last one measured: write it from memory.
        const AVFrame& first = *kept.front();
        const SampleShape shape{first.sample_rate, ChannelLayout(first.ch_layout),
                                static_cast<AVSampleFormat>(first.format), 0};
        AudioFilter filter(shape, after, sink.shape(), options.output);
        ChainFeeder feed(filter, write);
        for (FramePtr& frame : kept) {
            feed(*frame);
            frame.reset();
            progress();
        }
        feed.finish();
        return CutRead{static_cast<std::int64_t>(kept.size()), true};
    }
    const SampleShape floats = filterShape(sink);
    AudioFilter filter(floats, joinChains(ahead, after), sink.shape(), options.output);
    ChainFeeder feed(filter, write);
    const CutRead read = readCut(in, cutWindowOf(options, in.sampleRate()), floats, options.output, [&](AVFrame& piece) {
        feed(piece);
        progress();
    });
    if (read.kept)
        feed.finish();
    return read;
}

} // namespace coder
