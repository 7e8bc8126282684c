#include "coder/CutReader.h"

#include "coder/InputDecoder.h"

namespace coder {

CutWindow cutWindowOf(const CoderOptions& options, int sampleRate)
{
    return CutWindow(options.inputSeek + options.outputStart, options.duration, sampleRate);
}

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

} // namespace coder
