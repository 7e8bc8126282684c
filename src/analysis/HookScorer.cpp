#include "analysis/HookScorer.h"

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

// Beats of context before and after a start for the entry term: two bars for repetition,
// one for loudness; a rise of kEntryRiseDb counts fully.
constexpr std::size_t kEntryBeats = 8;
constexpr std::size_t kBarBeats = 4;
constexpr double kEntryRiseDb = 6.0;
// The loudness range the energy term spans, below the song's loud passages.
constexpr float kEnergyRangeDb = 20.0f;

struct PerBeat {
    std::vector<float> repetition; // 0..1, relative to the song's most repeated beat
    std::vector<float> energy;     // 0..1
    std::vector<float> silent;     // 0 or 1
};

PerBeat normalise(const HookScene& scene)
{
    const BeatFeatures& beats = *scene.beats;
    const std::size_t n = beats.size();
    PerBeat out;
    // Repetition relative to the song: its typical beat (the median) counts 0, its most
    // repeated passages (the 95th percentile) 1.
    std::vector<float> sortedRepetition = *scene.repetition;
    float typical = 0;
    float top = 0;
    if (n > 0) {
        std::sort(sortedRepetition.begin(), sortedRepetition.end());
        typical = sortedRepetition[n / 2];
        top = sortedRepetition[n * 95 / 100];
    }
    out.repetition.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        out.repetition[i] = top > typical ? std::clamp(((*scene.repetition)[i] - typical) / (top - typical), 0.0f, 1.0f)
                                          : 0.0f;
    // The song's loud passages: the 95th percentile of its beats' loudness.
    std::vector<float> sorted = beats.loudness;
    float reference = -120;
    if (!sorted.empty()) {
        const std::size_t q = sorted.size() * 95 / 100;
        std::nth_element(sorted.begin(), sorted.begin() + std::ptrdiff_t(q), sorted.end());
        reference = sorted[q];
    }
    out.energy.resize(n);
    out.silent.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        out.energy[i] = std::clamp((beats.loudness[i] - (reference - kEnergyRangeDb)) / kEnergyRangeDb, 0.0f, 1.0f);
        out.silent[i] = beats.peak[i] < scene.silencePeak ? 1.0f : 0.0f;
    }
    return out;
}

struct Candidate {
    std::int64_t beginMs = 0;
    double score = 0;
};

} // namespace

std::vector<HookProposal> pickHooks(const HookScene& scene, std::int64_t lengthMs, int count, const HookWeights& w)
{
    const BeatFeatures& beats = *scene.beats;
    const std::int64_t durationMs = scene.durationMs;
    if (durationMs <= 0 || count <= 0)
        return {};
    lengthMs = std::clamp<std::int64_t>(lengthMs, 1, durationMs);
    const std::int64_t lastBegin = durationMs - lengthMs;
    const double length = double(lengthMs) / 1000.0;
    const PerBeat per = normalise(scene);
    const std::size_t n = beats.size();

    // The section novelty relative to the song's strongest change.
    std::vector<float> novelty(n, 0.0f);
    if (scene.novelty && n > 0) {
        const float strongest = *std::max_element(scene.novelty->begin(), scene.novelty->end());
        for (std::size_t i = 0; i < n; ++i)
            novelty[i] = strongest > 0 ? (*scene.novelty)[i] / strongest : 0.0f;
    }
    auto meanOf = [&](const std::vector<float>& v, std::size_t from, std::size_t to) {
        double s = 0;
        for (std::size_t i = from; i < to; ++i)
            s += v[i];
        return to > from ? s / double(to - from) : 0.0;
    };
    auto meanLoudness = [&](std::size_t from, std::size_t to) {
        double power = 0;
        for (std::size_t i = from; i < to; ++i)
            power += std::pow(10.0, beats.loudness[i] / 10.0);
        return to > from ? 10.0 * std::log10(power / double(to - from) + 1e-12) : -120.0;
    };
    // How clearly a section starts at beat b: louder, more repeated and different from before.
    auto entry = [&](std::size_t b) {
        const std::size_t barBefore = b >= kBarBeats ? b - kBarBeats : 0;
        const std::size_t barAfter = std::min(n, b + kBarBeats);
        const double louder = b > 0 ? meanLoudness(b, barAfter) - meanLoudness(barBefore, b) : 0.0;
        const std::size_t before = b >= kEntryBeats ? b - kEntryBeats : 0;
        const std::size_t after = std::min(n, b + kEntryBeats);
        const double repeated = meanOf(per.repetition, b, after) - meanOf(per.repetition, before, b);
        return 0.4 * std::clamp(louder / kEntryRiseDb, 0.0, 1.0) + 0.3 * std::clamp(repeated, 0.0, 1.0)
               + 0.3 * double(novelty[b]);
    };

    // Scores the window [begin, begin + length); `first` is the first beat at or after begin.
    auto score = [&](double begin, std::size_t first, bool onBeat) {
        double weightSum = 0;
        double repetition = 0;
        double energy = 0;
        double silent = 0;
        const double end = begin + length;
        for (std::size_t i = first; i < n && beats.start[i] < end; ++i) {
            const double overlap = std::min(beats.end[i], end) - std::max(beats.start[i], begin);
            if (overlap <= 0)
                continue;
            const double middle = 0.5 * (std::max(beats.start[i], begin) + std::min(beats.end[i], end));
            const double weight = overlap * (1.0 - 0.5 * (middle - begin) / length);
            weightSum += weight;
            repetition += weight * per.repetition[i];
            energy += weight * per.energy[i];
            silent += overlap * per.silent[i];
        }
        if (weightSum <= 0)
            return -w.silencePenalty;
        double total = w.repetition * repetition / weightSum + w.energy * energy / weightSum;
        if (onBeat && first < n) {
            total += w.entry * entry(first);
            total += w.downbeat * (scene.downbeat[first] ? 1.0 : 0.5);
            total += w.attack * per.energy[first];
        }
        return total - w.silencePenalty * silent / length;
    };

    std::vector<Candidate> candidates;
    candidates.reserve(n + 1);
    bool zeroIsBeat = false;
    for (std::size_t i = 0; i < n; ++i) {
        const auto beginMs = std::int64_t(std::llround(beats.start[i] * 1000.0));
        if (beginMs > lastBegin || beginMs < 0)
            continue;
        zeroIsBeat = zeroIsBeat || beginMs == 0;
        candidates.push_back({beginMs, score(double(beginMs) / 1000.0, i, true)});
    }
    // The first and the last possible window are candidates too, for songs without beats
    // where they are needed.
    auto firstBeatFrom = [&](std::int64_t ms) {
        return std::size_t(std::lower_bound(beats.start.begin(), beats.start.end(), double(ms) / 1000.0)
                           - beats.start.begin());
    };
    if (!zeroIsBeat)
        candidates.push_back({0, score(0.0, firstBeatFrom(0), false)});
    if (lastBegin > 0 && std::none_of(candidates.begin(), candidates.end(),
                                      [&](const Candidate& c) { return c.beginMs == lastBegin; }))
        candidates.push_back({lastBegin, score(double(lastBegin) / 1000.0, firstBeatFrom(lastBegin), false)});
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.score > b.score; });

    std::vector<HookProposal> picked;
    for (const Candidate& c : candidates) {
        if (int(picked.size()) == count)
            break;
        const bool distinct = std::all_of(picked.begin(), picked.end(), [&](const HookProposal& p) {
            const std::int64_t overlap = std::min(p.endMs, c.beginMs + lengthMs) - std::max(p.beginMs, c.beginMs);
            return 2 * overlap <= lengthMs;
        });
        if (distinct)
            picked.push_back({c.beginMs, c.beginMs + lengthMs, std::clamp(c.score, 0.0, 1.0)});
    }
    return picked;
}

} // namespace analysis
