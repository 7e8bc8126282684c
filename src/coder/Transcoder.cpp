#include "coder/Transcoder.h"

#include "coder/AmrSink.h"
#include "coder/AudioFilter.h"
#include "coder/CutWindow.h"
#include "coder/EncodedFileSink.h"
#include "coder/FilterChain.h"
#include "coder/InputDecoder.h"
#include "coder/Loudness.h"
#include "coder/TempOutput.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <sys/stat.h>

namespace coder {
namespace {

// Frames handed to writers that take any size: large enough to keep per-call costs small.
constexpr int anySizeChunk = 8192;

std::string inputHeader(const InputDecoder& in, const std::string& name)
{
    const AVFormatContext* fmt = in.format();
    char start[48] = "N/A";
    if (fmt->start_time != AV_NOPTS_VALUE) {
        const std::int64_t s = fmt->start_time;
        std::snprintf(start, sizeof start, "%s%" PRId64 ".%06" PRId64, s < 0 ? "-" : "",
                      (s < 0 ? -s : s) / AV_TIME_BASE, (s < 0 ? -s : s) % AV_TIME_BASE);
    }
    std::string bitrate = "N/A";
    if (fmt->bit_rate > 0)
        bitrate = std::to_string(fmt->bit_rate / 1000) + " kb/s";
    return std::string("Input #0, ") + fmt->iformat->name + ", from '" + shownName(name, maxShownName) + "':\n"
        + "  Duration: " + durationText(in.duration() == AV_NOPTS_VALUE ? -1 : in.duration())
        + ", start: " + start + ", bitrate: " + bitrate + "\n"
        + "  Stream #0:" + std::to_string(in.stream()->index) + ": " + in.decoder().describe() + "\n";
}

// Refuses to write over the input: the run would destroy what it reads (names that differ
// may still be one file, by a link or a second path).
void refuseOutputOverInput(const CoderOptions& options)
{
    struct stat in {};
    struct stat out {};
    if (::stat(options.input.c_str(), &in) == 0 && ::stat(options.output.c_str(), &out) == 0
        && in.st_dev == out.st_dev && in.st_ino == out.st_ino)
        throw CoderError(options.output + ": is the input file itself; choose another name for the output");
}

// Hands every full frame of the queue to the sink; at the end also the short rest.
void drain(Resampler& resampler, AudioSink& sink, AVFrame& frame, bool end, std::int64_t& written)
{
    const int size = sink.shape().frameSize > 0 ? sink.shape().frameSize : anySizeChunk;
    while (resampler.queued() >= size || (end && resampler.queued() > 0)) {
        const int n = resampler.pop(frame, size);
        sink.write(frame);
        written += n;
    }
}

// What one reading of a cut found.
struct CutRead {
    std::int64_t decodedFrames = 0;
    bool kept = false;  // some sample of the input lies in the cut
};

// Decodes the cut of `in` and writes it to sink in the frames it takes, without filters;
// `progress` runs after each decoded frame.
CutRead writeCut(InputDecoder& in, const CutWindow& window, AudioSink& sink, const std::string& name,
                 std::int64_t& written, const std::function<void()>& progress)
{
    CutRead read;
    std::unique_ptr<Resampler> resampler;
    FramePtr out = makeFrame();
    while (const AVFrame* frame = in.nextFrame()) {
        ++read.decodedFrames;
        const FrameSlice slice = window.slice(in.framePosition(), frame->nb_samples);
        if (slice.count > 0) {
            if (!resampler)
                resampler = std::make_unique<Resampler>(*frame, sink.shape(), name);
            resampler->adaptTo(*frame);
            read.kept = true;
            if (sink.shape().frameSize == 0) {
                // Any frame size will do: skip the queue and its copies, once what a change of
                // input shape left in it has gone out.
                if (resampler->queued() > 0)
                    drain(*resampler, sink, *out, true, written);
                const int n = resampler->convertDirect(*frame, slice.offset, slice.count, *out);
                if (n > 0) {
                    sink.write(*out);
                    written += n;
                }
            } else {
                resampler->push(*frame, slice.offset, slice.count);
                drain(*resampler, sink, *out, false, written);
            }
        }
        progress();
        if (slice.done)
            break;
    }
    if (resampler) {
        resampler->flush();
        drain(*resampler, sink, *out, true, written);
    }
    return read;
}

// Decodes the cut of `in` and hands each kept piece, converted to `shape` (any number of samples
// per frame), to `consume`; at the end also what the conversion held back.
CutRead readCut(InputDecoder& in, const CutWindow& window, const SampleShape& shape, const std::string& name,
                const std::function<void(AVFrame&)>& consume)
{
    CutRead read;
    std::unique_ptr<Resampler> resampler;
    FramePtr out = makeFrame();
    auto emptyQueue = [&] {
        while (resampler->queued() > 0) {
            resampler->pop(*out, anySizeChunk);
            consume(*out);
        }
    };
    while (const AVFrame* frame = in.nextFrame()) {
        ++read.decodedFrames;
        const FrameSlice slice = window.slice(in.framePosition(), frame->nb_samples);
        if (slice.count > 0) {
            if (!resampler)
                resampler = std::make_unique<Resampler>(*frame, shape, name);
            resampler->adaptTo(*frame);
            emptyQueue();
            read.kept = true;
            if (resampler->convertDirect(*frame, slice.offset, slice.count, *out) > 0)
                consume(*out);
        }
        if (slice.done)
            break;
    }
    if (resampler) {
        resampler->flush();
        emptyQueue();
    }
    return read;
}

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

CutWindow cutWindowOf(const CoderOptions& options, int sampleRate)
{
    return CutWindow(options.inputSeek + options.outputStart, options.duration, sampleRate);
}

// Reads the cut of options.input again through `chain` and an EBU R 128 meter.
LoudnessReading measureCut(const CoderOptions& options, const SampleShape& shape, const std::string& chain)
{
    InputDecoder in(options.input);
    const CutWindow window = cutWindowOf(options, in.sampleRate());
    if (window.start() > 0)
        in.seekToSample(window.start());
    AudioFilter meter(shape, joinChains(chain, "ebur128=peak=true:metadata=1"), shape, options.output, false);
    LoudnessReading reading;
    ChainFeeder feed(meter, [&reading](AVFrame& measured) {
        // Each reading holds the loudness and the highest peak so far.
        if (const AVDictionaryEntry* e = av_dict_get(measured.metadata, "lavfi.r128.I", nullptr, 0))
            reading.integrated = std::strtod(e->value, nullptr);
        if (const AVDictionaryEntry* e = av_dict_get(measured.metadata, "lavfi.r128.true_peak", nullptr, 0))
            reading.truePeak = 20 * std::log10(std::max(std::strtod(e->value, nullptr), 1e-10));
    });
    if (readCut(in, window, shape, options.output, std::ref(feed)).kept)
        feed.finish();
    return reading;
}

// The chain the output is written through: the -af chain with its loudnorm step worked out by
// measuring the cut as it will be written (after the conversion to the output's rate and channels).
std::string workedOutChain(const FilterChain& chain, const CoderOptions& options, const SampleShape& shape)
{
    if (!chain.loudness)
        return chain.before;
    const LoudnessMeter meter = [&](const std::string& c) { return measureCut(options, shape, c); };
    const std::string step = loudnessStep(*chain.loudness, shape.sampleRate, chain.before, meter);
    return joinChains(joinChains(chain.before, step), chain.after);
}

} // namespace

std::unique_ptr<AudioSink> openSink(const OutputRequest& request)
{
    if (formatKeyOf(request.name) == "amr")
        return std::make_unique<AmrSink>(request);
    return std::make_unique<EncodedFileSink>(request);
}

int transcode(const CoderOptions& options, ProgressPrinter& printer)
{
    refuseOutputOverInput(options);
    InputDecoder in(options.input);
    return transcode(in, options, printer);
}

int transcode(InputDecoder& in, const CoderOptions& options, ProgressPrinter& printer)
{
    printer.text(inputHeader(in, options.input));

    std::optional<FilterChain> chain;
    if (!options.audioFilters.empty()) {
        FilterChainParse parsed = parseFilterChain(options.audioFilters);
        if (!parsed.chain)
            throw CoderError(options.output + ": " + parsed.error);
        chain = std::move(parsed.chain);
    }

    struct stat st {};
    if (!options.overwrite && ::stat(options.output.c_str(), &st) == 0)
        throw CoderError(options.output + ": already exists (use -y to overwrite)");

    const double startSeconds = options.inputSeek + options.outputStart;
    const CutWindow window = cutWindowOf(options, in.sampleRate());
    const bool seeked = window.start() > 0 && in.seekToSample(window.start());

    TempOutput temp(options.output);
    OutputRequest request;
    request.name = options.output;
    request.writePath = temp.path();
    request.bitRate = options.bitRate;
    request.sampleRate = options.sampleRate;
    request.channels = options.channels;
    request.codecName = options.codecName;
    request.sourceRate = in.sampleRate();
    request.sourceLayout = in.decoder().layout();
    request.sourceFormat = in.decoder().sampleFormat();
    request.tags = outputTags(in.sourceTags(), options);
    std::unique_ptr<AudioSink> sink = openSink(request);
    printer.text(sink->describe());

    std::int64_t written = 0;
    const double outRate = sink->shape().sampleRate;
    CutRead read;
    if (chain) {
        // Filters work on the samples as they will be written: converted first, in floats.
        const SampleShape floats{sink->shape().sampleRate, sink->shape().layout, AV_SAMPLE_FMT_FLTP, 0};
        AudioFilter filter(floats, workedOutChain(*chain, options, floats), sink->shape(), options.output);
        ChainFeeder feed(filter, [&](AVFrame& filtered) {
            sink->write(filtered);
            written += filtered.nb_samples;
        });
        read = readCut(in, window, floats, options.output, [&](AVFrame& piece) {
            feed(piece);
            printer.update(sink->bytesWritten(), static_cast<double>(written) / outRate);
        });
        if (read.kept)
            feed.finish();
    } else {
        read = writeCut(in, window, *sink, options.output, written, [&] {
            printer.update(sink->bytesWritten(), static_cast<double>(written) / outRate);
        });
    }
    if (!read.kept) {
        if (read.decodedFrames == 0 && !seeked)
            throw CoderError(options.input + ": not a media file (no audio could be decoded)");
        char at[64];
        std::snprintf(at, sizeof at, "%.3f", startSeconds);
        throw CoderError(options.output + ": nothing to write, the start " + at + " s is at or past the end of "
                         + options.input);
    }
    sink->finish();
    temp.commit(options.overwrite);
    printer.finish(sink->bytesWritten(), static_cast<double>(written) / outRate);

    int warnings = 0;
    if (in.damagedPackets() > 0) {
        std::fprintf(stderr, "warning: %s: %d damaged packet(s) skipped\n",
                     shownName(options.input, maxShownName).c_str(), in.damagedPackets());
        ++warnings;
    }
    if (in.endedOnDamage()) {
        std::fprintf(stderr, "warning: %s: damaged data ends the stream early, converted what came before\n",
                     shownName(options.input, maxShownName).c_str());
        ++warnings;
    }
    std::fflush(stderr);
    return warnings;
}

} // namespace coder
