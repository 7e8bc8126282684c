#include "coder/FilteredWrite.h"

#include "coder/AudioSink.h"
#include "coder/CutMeter.h"
#include "coder/FileMeter.h"
#include "coder/InputDecoder.h"
#include "coder/MeteredSink.h"
#include "coder/PassProgress.h"
#include "coder/WrittenLoudness.h"

#include <algorithm>

namespace coder {
namespace {

// Relative cost of the passes, for the share of the progress each takes: reading the cut through
// the filters and a meter, writing it (the encoder does most of the work), measuring the file.
constexpr double measureWeight = 1;
constexpr double writeWeight = 2;
constexpr double checkWeight = 1;
// What a check that may be followed by another write keeps back for it.
constexpr double maybeMoreWeight = 0.15;
// An excerpt written first shows what the encoder does, where the cut is long enough for that to
// save writing the whole twice.
constexpr double excerptSeconds = 5;
constexpr double minExcerptCut = 18;
constexpr double excerptWeight = 0.5;

// The cut's length in seconds as far as the options and the input tell it; 0 when unknown.
double expectedLength(const InputDecoder& in, const CoderOptions& options)
{
    const double start = options.inputSeek + options.outputStart;
    double rest = in.duration() == AV_NOPTS_VALUE ? 0 : std::max(static_cast<double>(in.duration()) / 1e6 - start, 0.0);
    if (options.duration)
        rest = rest > 0 ? std::min(rest, *options.duration) : *options.duration;
    return rest;
}

} // namespace

CutRead writeFiltered(InputDecoder& in, const CoderOptions& options, const FilterChain& chain, AudioSink& sink,
                      std::int64_t& written, const std::function<void()>& progress)
{
    const CutWindow window = cutWindowOf(options, in.sampleRate());
    const SampleShape floats = filterShape(sink);
    const CutSource source = [&](const std::function<void(AVFrame&)>& consume) {
        return readCut(in, window, floats, options.output, consume);
    };
    return writeThroughChain(source, floats, {}, chain.before, chain.after, sink, options.output, written, progress);
}

LoudWrite writeToLoudness(InputDecoder& in, const CoderOptions& options, const FilterChain& chain,
                          const std::string& writtenPath,
                          const std::function<std::unique_ptr<AudioSink>()>& reopen, std::unique_ptr<AudioSink>& sink,
                          std::int64_t& written, ProgressPrinter& printer)
{
    const LoudnessTarget target = *chain.loudness;
    const bool checked = chain.after.empty();
    const double afterMeasuring = checked ? excerptWeight + writeWeight + checkWeight : writeWeight;
    PassProgress bar(printer, expectedLength(in, options), [&] { return sink ? sink->bytesWritten() : 0; });
    const SampleShape floats = filterShape(*sink);
    CutMeter cut(options, floats, [&](double seconds) { bar.at(seconds); });
    bool measured = false;
    LoudnessSearch search(floats.sampleRate, chain.before, [&](const std::string& c, Measurement why) {
        bar.begin(measureWeight, measured ? measureWeight + afterMeasuring : afterMeasuring);
        const LoudnessReading reading = cut.measure(c, why);
        if (!measured)
            bar.setLength(static_cast<double>(cut.samples()) / floats.sampleRate);
        measured = true;
        return reading;
    });
    LoudWrite result;
    // Nothing in the cut: the first reading finds it out, and nothing is written.
    search.first();
    result.read = cut.firstRead();
    if (!result.read.kept)
        return result;
    const std::int64_t length = cut.samples();

    bool sinkUnused = true;  // the sink as opened, nothing written to it yet
    // Writes the cut, or the part of it `source` gives, with a step, through `via` when given.
    auto writeStep = [&](const std::string& step, const CutSource& source, bool whole, AudioSink* via) {
        if (!sinkUnused) {
            sink.reset();
            sink = reopen();
        }
        sinkUnused = false;
        written = 0;
        const double outRate = sink->shape().sampleRate;
        const std::string ahead = joinChains(chain.before, step);
        std::vector<FramePtr> kept = whole ? cut.takeKept(ahead) : std::vector<FramePtr>{};
        writeThroughChain(source, floats, std::move(kept), ahead, chain.after, via ? *via : *sink, options.output,
                          written, [&] { bar.at(static_cast<double>(written) / outRate); });
        sink->finish();
    };
    if (!checked) {
        const LoudnessStep step = search.stepFor(LoudnessAim{target.integrated, target.truePeak - 1});
        bar.begin(writeWeight, 0);
        writeStep(step.filters, cut.source(), true, nullptr);
        return result;
    }
    const TryExcerpt excerpt = [&](const std::string& step) -> std::optional<ExcerptLoudness> {
        const auto part = static_cast<std::int64_t>(excerptSeconds * floats.sampleRate);
        if (length < static_cast<std::int64_t>(minExcerptCut * floats.sampleRate))
            return std::nullopt;
        bar.begin(excerptWeight, writeWeight + checkWeight);
        if (!sinkUnused) {
            sink.reset();
            sink = reopen();
            sinkUnused = true;
        }
        MeteredSink metered(*sink, options.output);
        // From the middle of the cut.
        writeStep(step, cut.source((length - part) / 2, part), false, &metered);
        metered.finish();
        return ExcerptLoudness{metered.integrated(), measureFile(writtenPath, options.output, [](double) {})};
    };
    bool surelyLast = false;
    const WriteAndMeasure writeAndMeasure = [&](const std::string& step) {
        bar.begin(writeWeight, checkWeight);
        writeStep(step, cut.source(), true, nullptr);
        bar.begin(checkWeight, surelyLast ? 0 : maybeMoreWeight);
        return measureFile(writtenPath, options.output, [&](double seconds) { bar.at(seconds); });
    };
    const LoudnessResult reached =
        reachWrittenLoudness(target, search, writeAndMeasure, excerpt, [&](bool last) { surelyLast = last; });
    result.shortfall = loudnessShortfall(target, reached.reached);
    return result;
}

} // namespace coder
