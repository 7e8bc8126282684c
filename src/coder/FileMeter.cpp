#include "coder/FileMeter.h"

#include "coder/AudioFilter.h"
#include "coder/InputDecoder.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace coder {

FileLoudness measureFile(const std::string& path, const std::string& name,
                         const std::function<void(double seconds)>& progress)
{
    // Read back as FFmpeg's programs decode it (AMR-NB with libavcodec's decoder).
    InputDecoder in(path, AmrNbDecoding::Libavcodec);
    // Channels without speaker positions are taken to have the usual ones, as FFmpeg's meter
    // takes them.
    const ChannelLayout decoded = in.decoder().layout();
    const ChannelLayout layout = decoded.specified() ? decoded : ChannelLayout::defaultFor(decoded.channels());
    const SampleShape shape{in.sampleRate(), layout, in.decoder().sampleFormat(), 0};
    AudioFilter meter(shape, "ebur128=peak=true:metadata=1", shape, name, false);
    FileLoudness loudness;
    double peak = 0;
    FramePtr measured = makeFrame();
    auto take = [&] {
        while (meter.pull(*measured)) {
            if (const AVDictionaryEntry* e = av_dict_get(measured->metadata, "lavfi.r128.I", nullptr, 0))
                loudness.integrated = std::max(std::strtod(e->value, nullptr), -70.0);
            if (const AVDictionaryEntry* e = av_dict_get(measured->metadata, "lavfi.r128.true_peak", nullptr, 0))
                peak = std::strtod(e->value, nullptr);
        }
    };
    FramePtr copy = makeFrame();
    while (const AVFrame* frame = in.nextFrame()) {
        checkAv(av_frame_ref(copy.get(), frame), "out of memory");
        copy->pts = in.framePosition();
        av_channel_layout_uninit(&copy->ch_layout);
        checkAv(av_channel_layout_copy(&copy->ch_layout, &layout.get()), "out of memory");
        meter.push(copy.get());
        av_frame_unref(copy.get());
        take();
        progress(static_cast<double>(in.framePosition() + frame->nb_samples) / in.sampleRate());
    }
    meter.push(nullptr);
    take();
    loudness.truePeak = peak > 0 ? 20 * std::log10(peak) : -200;
    return loudness;
}

} // namespace coder
