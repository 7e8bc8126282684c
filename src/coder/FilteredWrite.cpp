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
constexpr double excerptSeconds = 6;
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
    return writeThroughChain(in, options, {}, chain.before, chain.after, sink, written, progress);
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
            bar.setLength(static_cast<double>(cut.lastSamples()) / floats.sampleRate);
        measured = true;
        return reading;
    });
    LoudWrite result;
    // Nothing in the cut: the first reading finds it out, and nothing is written.
    search.first();
    if (!cut.lastRead().kept) {
        result.read = cut.lastRead();
        return result;
    }
    const double length = static_cast<double>(cut.lastSamples()) / floats.sampleRate;

    bool sinkUnused = true;  // the sink as opened, nothing written to it yet
    bool inputUnread = true;
    // Writes the whole cut, or the part of it `part` names, with a step, through `via` when given.
    auto writeStep = [&](const std::string& step, const CoderOptions* part, AudioSink* via) {
        if (!sinkUnused) {
            sink.reset();
            sink = reopen();
        }
        sinkUnused = false;
        written = 0;
        const double outRate = sink->shape().sampleRate;
        const std::string ahead = joinChains(chain.before, step);
        auto progress = [&] { bar.at(static_cast<double>(written) / outRate); };
        AudioSink& destination = via ? *via : *sink;
        std::vector<FramePtr> kept = part ? std::vector<FramePtr>{} : cut.takeKept(ahead);
        if (inputUnread && !part) {
            inputUnread = false;
            result.read = writeThroughChain(in, options, std::move(kept), ahead, chain.after, destination, written,
                                            progress);
        } else {
            // The input opened first has been read: the cut is read again.
            const CoderOptions& wanted = part ? *part : options;
            InputDecoder again(options.input);
            const CutWindow window = cutWindowOf(wanted, again.sampleRate());
            if (window.start() > 0 && kept.empty())
                again.seekToSample(window.start());
            result.read = writeThroughChain(again, wanted, std::move(kept), ahead, chain.after, destination, written,
                                            progress);
        }
        sink->finish();
    };
    if (!checked) {
        const LoudnessStep step = search.stepFor(LoudnessAim{target.integrated, target.truePeak - 1});
        bar.begin(writeWeight, 0);
        writeStep(step.filters, nullptr, nullptr);
        return result;
    }
    const TryExcerpt excerpt = [&](const std::string& step) -> std::optional<ExcerptLoudness> {
        if (length < minExcerptCut)
            return std::nullopt;
        // From the middle of the cut.
        CoderOptions part = options;
        part.inputSeek = options.inputSeek + options.outputStart + (length - excerptSeconds) / 2;
        part.outputStart = 0;
        part.duration = excerptSeconds;
        bar.begin(excerptWeight, writeWeight + checkWeight);
        if (!sinkUnused) {
            sink.reset();
            sink = reopen();
            sinkUnused = true;
        }
        MeteredSink metered(*sink, options.output);
        writeStep(step, &part, &metered);
        metered.finish();
        return ExcerptLoudness{metered.integrated(), measureFile(writtenPath, options.output, [](double) {})};
    };
    bool surelyLast = false;
    const WriteAndMeasure writeAndMeasure = [&](const std::string& step) {
        bar.begin(writeWeight, checkWeight);
        writeStep(step, nullptr, nullptr);
        bar.begin(checkWeight, surelyLast ? 0 : maybeMoreWeight);
        return measureFile(writtenPath, options.output, [&](double seconds) { bar.at(seconds); });
    };
    const LoudnessResult reached =
        reachWrittenLoudness(target, search, writeAndMeasure, excerpt, [&](bool last) { surelyLast = last; });
    result.shortfall = loudnessShortfall(target, reached.reached);
    return result;
}

} // namespace coder
