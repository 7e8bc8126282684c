#include "coder/Transcoder.h"

#include "coder/AmrSink.h"
#include "coder/CutReader.h"
#include "coder/EncodedFileSink.h"
#include "coder/FilterChain.h"
#include "coder/FilteredWrite.h"
#include "coder/InputDecoder.h"
#include "coder/TempOutput.h"

#include <cinttypes>
#include <cstdio>
#include <functional>
#include <optional>
#include <sys/stat.h>

namespace coder {
namespace {

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
    const auto progress = [&] { printer.update(sink->bytesWritten(), static_cast<double>(written) / outRate); };
    CutRead read;
    std::string shortfall;
    const bool toLoudness = chain && chain->loudness;
    if (toLoudness) {
        LoudWrite loud = writeToLoudness(in, options, *chain, request.writePath, [&] { return openSink(request); }, sink,
                                         written, printer);
        read = loud.read;
        shortfall = std::move(loud.shortfall);
    } else {
        read = chain ? writeFiltered(in, options, *chain, *sink, written, progress)
                     : writeCut(in, window, *sink, options.output, written, progress);
    }
    if (!read.kept) {
        if (read.decodedFrames == 0 && !seeked)
            throw CoderError(options.input + ": not a media file (no audio could be decoded)");
        char at[64];
        std::snprintf(at, sizeof at, "%.3f", startSeconds);
        throw CoderError(options.output + ": nothing to write, the start " + at + " s is at or past the end of "
                         + options.input);
    }
    if (!toLoudness)
        sink->finish();
    temp.commit(options.overwrite);
    printer.finish(sink->bytesWritten(), static_cast<double>(written) / outRate);
    if (!shortfall.empty())
        printer.text(shortfall + "\n");

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
