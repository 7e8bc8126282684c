#include "analysis/BeatFeatures.h"

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

float toDb(double power) { return power > 1e-12 ? float(10 * std::log10(power)) : -120.0f; }

// Index range [first, last) of the items whose time (time(i), ascending) lies in [from, to).
template <class TimeOf>
std::pair<std::size_t, std::size_t> itemsWithin(std::size_t count, TimeOf time, double from, double to)
{
    std::size_t lo = 0;
    std::size_t hi = count;
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (time(mid) < from)
            lo = mid + 1;
        else
            hi = mid;
    }
    std::size_t last = lo;
    while (last < count && time(last) < to)
        ++last;
    return {lo, last};
}

} // namespace

BeatFeatures gatherBeatFeatures(const FrameFeatures& frames, const std::vector<double>& beats)
{
    BeatFeatures out;
    const double songEnd = frames.duration();
    const std::size_t n = beats.size();
    out.chroma.resize(n);
    out.loudness.resize(n);
    out.peak.resize(n);
    out.start.resize(n);
    out.end.resize(n);
    const double hopSeconds = double(frames.shape.onsetHop) / frames.shape.rate;
    auto hopTime = [&](std::size_t i) { return (double(i) + 0.5) * hopSeconds; };
    auto chromaTime = [&](std::size_t i) { return frames.chromaTime(i); };
    for (std::size_t b = 0; b < n; ++b) {
        const double from = beats[b];
        double to = b + 1 < n ? beats[b + 1] : from + (b > 0 ? from - beats[b - 1] : 0.5);
        to = std::min(to, songEnd);
        out.start[b] = from;
        out.end[b] = std::max(from, to);

        auto [h0, h1] = itemsWithin(frames.power.size(), hopTime, from, to);
        if (h0 == h1 && h0 < frames.power.size())
            h1 = h0 + 1;
        double power = 0;
        float peak = 0;
        for (std::size_t h = h0; h < h1; ++h) {
            power += frames.power[h];
            peak = std::max(peak, frames.peak[h]);
        }
        out.loudness[b] = toDb(h1 > h0 ? power / double(h1 - h0) : 0);
        out.peak[b] = peak;

        auto [c0, c1] = itemsWithin(frames.chroma.size(), chromaTime, from, to);
        if (c0 == c1 && !frames.chroma.empty()) {
            // The nearest frame: the one found or the one before it.
            std::size_t nearest = std::min(c0, frames.chroma.size() - 1);
            if (nearest > 0 && std::abs(chromaTime(nearest - 1) - from) < std::abs(chromaTime(nearest) - from))
                --nearest;
            c0 = nearest;
            c1 = nearest + 1;
        }
        std::array<float, 12> sum{};
        for (std::size_t c = c0; c < c1; ++c)
            for (std::size_t k = 0; k < 12; ++k)
                sum[k] += frames.chroma[c][k];
        float norm = 0;
        for (float v : sum)
            norm += v * v;
        norm = std::sqrt(norm);
        if (norm > 0)
            for (float& v : sum)
                v /= norm;
        out.chroma[b] = sum;
    }
    return out;
}

} // namespace analysis
