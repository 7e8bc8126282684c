#include "coder/FilteredWrite.h"

#include "coder/AudioFilter.h"
#include "coder/AudioSink.h"
#include "coder/InputDecoder.h"
#include "coder/Loudness.h"

#include <cstdlib>
#include <vector>

namespace coder {
namespace {

// The most a measured cut may take in memory to be kept for writing (about six minutes of
// stereo at 44.1 kHz in doubles); a longer one is read again instead.
constexpr std::size_t maxKeptBytes = 256u << 20;

// Feeds the pieces of a cut into a filter chain with their positions, and hands on what comes out.
class ChainFeeder {
public:
    ChainFeeder(AudioFilter& filter, std::function<void(AVFrame&)> take)
        : filter_(filter)
        , take_(std::move(take))
    {
    }
    void operator()(AVFrame& piece)
    {
        piece.pts = position_;
        position_ += piece.nb_samples;
        filter_.push(&piece);
        drain();
    }
    void finish()
    {
        filter_.push(nullptr);
        drain();
    }

private:
    void drain()
    {
        while (filter_.pull(*out_))
            take_(*out_);
    }

    AudioFilter& filter_;
    std::function<void(AVFrame&)> take_;
    FramePtr out_ = makeFrame();
    std::int64_t position_ = 0;
};

// The samples of the last cut measured, as the chain measured left them.
struct MeasuredCut {
    std::string chain;
    std::vector<FramePtr> frames;
    std::size_t bytes = 0;
    bool complete = false;
};

// Reads the cut of options.input again through `chain` and the meters; keeps the samples of a
// candidate for writing in `kept`.
LoudnessReading measureCut(const CoderOptions& options, const SampleShape& shape, const std::string& chain,
                           Measurement why, MeasuredCut& kept)
{
    InputDecoder in(options.input);
    const CutWindow window = cutWindowOf(options, in.sampleRate());
    if (window.start() > 0)
        in.seekToSample(window.start());
    // The loudness from ebur128, the highest sample in dB from astats, both running totals that
    // the frames carry in their metadata; the samples pass both unchanged.
    const bool peak = why == Measurement::First;
    const std::string meters = peak ? "ebur128=metadata=1,astats=metadata=1:reset=0:measure_perchannel=none:"
                                      "measure_overall=Peak_level"
                                    : "ebur128=metadata=1";
    AudioFilter meter(shape, joinChains(chain, meters), shape, options.output, false);
    kept = MeasuredCut{chain, {}, 0, false};
    bool keeping = why == Measurement::Candidate;
    LoudnessReading reading;
    ChainFeeder feed(meter, [&](AVFrame& measured) {
        if (const AVDictionaryEntry* e = av_dict_get(measured.metadata, "lavfi.r128.I", nullptr, 0))
            reading.integrated = std::strtod(e->value, nullptr);
        if (const AVDictionaryEntry* e = av_dict_get(measured.metadata, "lavfi.astats.Overall.Peak_level", nullptr, 0))
            reading.samplePeak = std::strtod(e->value, nullptr);
        if (!keeping)
            return;
        kept.bytes += static_cast<std::size_t>(measured.nb_samples) * measured.ch_layout.nb_channels
            * av_get_bytes_per_sample(static_cast<AVSampleFormat>(measured.format));
        keeping = kept.bytes <= maxKeptBytes;
        if (keeping) {
            kept.frames.emplace_back(av_frame_clone(&measured));
            if (!kept.frames.back())
                throw CoderError("out of memory");
        } else {
            kept.frames.clear();
        }
    });
    if (readCut(in, window, shape, options.output, std::ref(feed)).kept)
        feed.finish();
    kept.complete = keeping && !kept.frames.empty();
    return reading;
}

} // namespace

CutRead writeFiltered(InputDecoder& in, const CoderOptions& options, const FilterChain& chain, AudioSink& sink,
                      std::int64_t& written, const std::function<void()>& progress)
{
    const SampleShape floats{sink.shape().sampleRate, sink.shape().layout, AV_SAMPLE_FMT_FLTP, 0};
    std::string ahead = chain.before;
    MeasuredCut kept;
    if (chain.loudness) {
        const LoudnessMeter meter = [&](const std::string& c, Measurement why) {
            return measureCut(options, floats, c, why, kept);
        };
        ahead = joinChains(chain.before, loudnessStep(*chain.loudness, floats.sampleRate, chain.before, meter));
    }
    auto write = [&](AVFrame& filtered) {
        sink.write(filtered);
        written += filtered.nb_samples;
    };
    if (kept.complete && kept.chain == ahead) {
        // The cut as chosen was the last one measured: write it from memory.
        const AVFrame& first = *kept.frames.front();
        const SampleShape shape{first.sample_rate, ChannelLayout(first.ch_layout),
                                static_cast<AVSampleFormat>(first.format), 0};
        AudioFilter filter(shape, chain.after, sink.shape(), options.output);
        ChainFeeder feed(filter, write);
        for (FramePtr& frame : kept.frames) {
            feed(*frame);
            frame.reset();
            progress();
        }
        feed.finish();
        return CutRead{static_cast<std::int64_t>(kept.frames.size()), true};
    }
    AudioFilter filter(floats, joinChains(ahead, chain.after), sink.shape(), options.output);
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
