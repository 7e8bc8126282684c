#include "analysis/MonoReader.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <memory>
#include <vector>

namespace analysis {

namespace {

constexpr std::int64_t kBlockFrames = 8192;

struct SwrFreer {
    void operator()(SwrContext* c) const { swr_free(&c); }
};
using SwrPtr = std::unique_ptr<SwrContext, SwrFreer>;

// A mono float resampler from inRate to outRate, or null when it cannot be set up.
SwrPtr makeResampler(int inRate, int outRate)
{
    SwrContext* raw = nullptr;
    AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
    if (swr_alloc_set_opts2(&raw, &mono, AV_SAMPLE_FMT_FLT, outRate, &mono, AV_SAMPLE_FMT_FLT, inRate, 0,
                            nullptr)
        < 0)
        return nullptr;
    SwrPtr swr(raw);
    if (swr_init(swr.get()) < 0)
        return nullptr;
    return swr;
}

} // namespace

void mixToMono(const std::int16_t* in, std::int64_t count, int channels, float* out)
{
    const float scale = 1.0f / (32768.0f * float(channels));
    switch (channels) {
    case 1:
        for (std::int64_t i = 0; i < count; ++i)
            out[i] = float(in[i]) * scale;
        return;
    case 2:
        for (std::int64_t i = 0; i < count; ++i)
            out[i] = float(in[2 * i] + in[2 * i + 1]) * scale;
        return;
    default:
        for (std::int64_t i = 0; i < count; ++i) {
            int sum = 0;
            for (int c = 0; c < channels; ++c)
                sum += in[i * channels + c];
            out[i] = float(sum) * scale;
        }
    }
}

int samplePeak(const std::int16_t* samples, std::int64_t count)
{
    std::int16_t low = 0;
    std::int16_t high = 0;
    for (std::int64_t i = 0; i < count; ++i) {
        low = samples[i] < low ? samples[i] : low;
        high = samples[i] > high ? samples[i] : high;
    }
    return std::max(-int(low), int(high));
}

PassResult readMono(AudioSource& source, int rate, Stage& stage,
                    const std::function<void(std::span<const float>)>& sink, int* peak)
{
    if (peak)
        *peak = 0;
    const int channels = source.channels();
    const std::int64_t frames = source.frameCount();
    SwrPtr swr;
    if (source.sampleRate() != rate) {
        swr = makeResampler(source.sampleRate(), rate);
        if (!swr)
            return PassResult::ReadFailed;
    }
    std::vector<std::int16_t> raw(std::size_t(kBlockFrames * channels));
    std::vector<float> mono(static_cast<std::size_t>(kBlockFrames));
    std::vector<float> resampled;
    auto convert = [&](const float* in, int count) {
        const int room = swr_get_out_samples(swr.get(), count);
        if (room <= 0)
            return true;
        resampled.resize(std::size_t(room));
        auto* out = reinterpret_cast<std::uint8_t*>(resampled.data());
        const auto* inPlane = reinterpret_cast<const std::uint8_t*>(in);
        const int made = swr_convert(swr.get(), &out, room, in ? &inPlane : nullptr, count);
        if (made < 0)
            return false;
        if (made > 0)
            sink(std::span<const float>(resampled.data(), std::size_t(made)));
        return true;
    };
    for (std::int64_t first = 0; first < frames; first += kBlockFrames) {
        if (stage.cancelled())
            return PassResult::Cancelled;
        const std::int64_t count = std::min(kBlockFrames, frames - first);
        if (!source.read(first, count, raw.data()))
            return PassResult::ReadFailed;
        if (peak)
            *peak = std::max(*peak, samplePeak(raw.data(), count * channels));
        mixToMono(raw.data(), count, channels, mono.data());
        if (!swr)
            sink(std::span<const float>(mono.data(), std::size_t(count)));
        else if (!convert(mono.data(), int(count)))
            return PassResult::ReadFailed;
        stage.report(double(first + count) / double(frames));
    }
    if (swr && !convert(nullptr, 0))
        return PassResult::ReadFailed;
    stage.report(1.0);
    return PassResult::Done;
}

} // namespace analysis
