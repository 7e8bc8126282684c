#include "analysis/Repetition.h"

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

float dot(const std::array<float, 12>& a, const std::array<float, 12>& b)
{
    float s = 0;
    for (std::size_t k = 0; k < 12; ++k)
        s += a[k] * b[k];
    return s;
}

} // namespace

std::vector<std::array<float, 12>> centredChroma(const std::vector<std::array<float, 12>>& chroma)
{
    std::array<double, 12> mean{};
    std::size_t voiced = 0;
    for (const auto& c : chroma) {
        if (std::all_of(c.begin(), c.end(), [](float v) { return v == 0; }))
            continue;
        for (std::size_t k = 0; k < 12; ++k)
            mean[k] += c[k];
        ++voiced;
    }
    std::vector<std::array<float, 12>> out(chroma.size());
    if (voiced == 0)
        return out;
    for (double& m : mean)
        m /= double(voiced);
    for (std::size_t i = 0; i < chroma.size(); ++i) {
        if (std::all_of(chroma[i].begin(), chroma[i].end(), [](float v) { return v == 0; }))
            continue;
        double norm = 0;
        for (std::size_t k = 0; k < 12; ++k) {
            out[i][k] = float(chroma[i][k] - mean[k]);
            norm += double(out[i][k]) * out[i][k];
        }
        norm = std::sqrt(norm);
        for (float& v : out[i])
            v = norm > 0 ? float(v / norm) : 0.0f;
    }
    return out;
}

std::optional<std::vector<float>> repetitionPerBeat(const std::vector<std::array<float, 12>>& beatChroma,
                                                   Stage& stage, const RepetitionOptions& options)
{
    const std::vector<std::array<float, 12>> chroma = centredChroma(beatChroma);
    const auto beats = int(chroma.size());
    std::vector<float> result(chroma.size(), 0.0f);
    const int minLag = options.minLag;
    const int maxLag = std::min(options.maxLag, beats - 1);
    if (maxLag < minLag)
        return result;
    const int window = std::max(1, options.window);

    // smooth[k - minLag][i]: the mean similarity of beats (i + m, i + k + m), m in [0, window),
    // over the pairs that exist.
    std::vector<std::vector<float>> smooth(std::size_t(maxLag - minLag + 1));
    std::vector<double> prefix;
    std::vector<float> all;
    for (int k = minLag; k <= maxLag; ++k) {
        if ((k - minLag) % 16 == 0) {
            if (stage.cancelled())
                return std::nullopt;
            stage.report(0.5 * double(k - minLag) / double(maxLag - minLag + 1));
        }
        const int n = beats - k;
        prefix.assign(std::size_t(n) + 1, 0.0);
        for (int i = 0; i < n; ++i)
            prefix[std::size_t(i) + 1] = prefix[std::size_t(i)] + dot(chroma[std::size_t(i)], chroma[std::size_t(i + k)]);
        auto& row = smooth[std::size_t(k - minLag)];
        row.resize(std::size_t(n));
        for (int i = 0; i < n; ++i) {
            const int hi = std::min(n, i + window);
            row[std::size_t(i)] = float((prefix[std::size_t(hi)] - prefix[std::size_t(i)]) / (hi - i));
        }
        all.insert(all.end(), row.begin(), row.end());
    }

    // The threshold: well above what unrelated passages of this song reach.
    const std::size_t q = all.size() * 9 / 10;
    std::nth_element(all.begin(), all.begin() + std::ptrdiff_t(q), all.end());
    double mean = 0;
    for (float v : all)
        mean += v;
    mean /= double(all.size());
    double var = 0;
    for (float v : all)
        var += (v - mean) * (v - mean);
    const double spread = std::sqrt(var / double(all.size()));
    const float threshold = float(std::min(0.98, std::max<double>(all[q], mean + 1.5 * spread)));
    all.clear();
    all.shrink_to_fit();

    // Per beat, the peaks over the lag towards either side, once for the context that follows
    // the beat and once for the context that leads up to it; the beat counts the better of the
    // two, so that the first beat of a repeated section scores as high as its middle.
    const int radius = options.peakRadius;
    std::vector<float> profile(std::size_t(maxLag + 1));
    auto peaks = [&]() {
        float score = 0;
        for (int k = minLag; k <= maxLag; ++k) {
            const float x = profile[std::size_t(k)];
            if (x < threshold)
                continue;
            bool peak = true;
            for (int d = -radius; d <= radius && peak; ++d) {
                const int j = k + d;
                if (d == 0 || j < minLag || j > maxLag)
                    continue;
                // Ties go to the shorter lag.
                peak = profile[std::size_t(j)] < x || (profile[std::size_t(j)] == x && j > k);
            }
            if (peak) {
                const float strength = (x - threshold) / (1.0f - threshold);
                score += strength * strength;
            }
        }
        return score;
    };
    // The smoothed similarity of the pair (a, a + k), or -1 when it does not exist.
    auto at = [&](int k, int a) {
        const auto& row = smooth[std::size_t(k - minLag)];
        return a >= 0 && a < int(row.size()) ? row[std::size_t(a)] : -1.0f;
    };
    for (int i = 0; i < beats; ++i) {
        if (i % 32 == 0) {
            if (stage.cancelled())
                return std::nullopt;
            stage.report(0.5 + 0.5 * double(i) / double(beats));
        }
        float best = 0;
        for (const int lead : {0, window - 1}) {
            float score = 0;
            for (int k = minLag; k <= maxLag; ++k)
                profile[std::size_t(k)] = at(k, i - lead);
            score += peaks();
            for (int k = minLag; k <= maxLag; ++k)
                profile[std::size_t(k)] = at(k, i - k - lead);
            score += peaks();
            best = std::max(best, score);
        }
        result[std::size_t(i)] = best;
    }
    stage.report(1.0);
    return result;
}

std::vector<float> sectionNovelty(const std::vector<std::array<float, 12>>& chroma, int half)
{
    const auto n = int(chroma.size());
    std::vector<float> out(chroma.size(), 0.0f);
    // Similarities of every beat with the 2 * half - 1 beats after it.
    const int reach = 2 * half;
    std::vector<float> near(chroma.size() * std::size_t(reach), 0.0f);
    for (int i = 0; i < n; ++i)
        for (int d = 1; d < reach && i + d < n; ++d)
            near[std::size_t(i) * std::size_t(reach) + std::size_t(d)] =
                dot(chroma[std::size_t(i)], chroma[std::size_t(i + d)]);
    auto sim = [&](int a, int b) { // a < b, b - a < reach
        return near[std::size_t(a) * std::size_t(reach) + std::size_t(b - a)];
    };
    for (int b = half; b + half <= n; ++b) {
        double within = 0;
        double across = 0;
        int withinCount = 0;
        int acrossCount = 0;
        for (int x = b - half; x < b + half; ++x) {
            for (int y = x + 1; y < b + half; ++y) {
                if ((x < b) == (y < b)) {
                    within += sim(x, y);
                    ++withinCount;
                } else {
                    across += sim(x, y);
                    ++acrossCount;
                }
            }
        }
        out[std::size_t(b)] = float(std::max(0.0, within / withinCount - across / acrossCount));
    }
    return out;
}

} // namespace analysis
