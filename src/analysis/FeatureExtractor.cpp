#include "analysis/FeatureExtractor.h"

#include <dsp/chromagram/Chromagram.h>
#include <dsp/onsets/DetectionFunction.h>
#include <dsp/rateconversion/Decimator.h>

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

// The chroma's range: C2 (bass notes) to C7 (melodies and their first overtones).
constexpr double kChromaLowest = 65.406;
constexpr double kChromaHighest = 2093.0;
// Above this many chroma frames a song gets a coarser hop (about 15 minutes at the finest).
constexpr std::int64_t kChromaFrameBudget = 10000;
constexpr int kFinestChromaHop = 1024;

DFConfig onsetConfig(const AnalysisShape& shape)
{
    DFConfig config{};
    config.stepSize = unsigned(shape.onsetHop);
    config.frameLength = unsigned(shape.onsetFrame);
    config.DFType = DF_COMPLEXSD;
    config.dbRise = 3;
    config.adaptiveWhitening = false;
    config.whiteningRelaxCoeff = -1;
    config.whiteningFloor = -1;
    return config;
}

ChromaConfig chromaConfig(const AnalysisShape& shape)
{
    ChromaConfig config{};
    config.FS = unsigned(shape.rate);
    config.min = kChromaLowest;
    config.max = kChromaHighest;
    config.BPO = 12;
    config.CQThresh = 0.0054;
    config.normalise = MathUtilities::NormaliseUnitMax;
    return config;
}

} // namespace

double FrameFeatures::onsetTime(double hop) const
{
    return (hop * shape.onsetHop + shape.onsetFrame / 2.0) / double(shape.rate);
}

double FrameFeatures::chromaTime(std::size_t frame) const
{
    return (double(frame) * chromaHop + chromaFrame / 2.0) / double(shape.rate);
}

int FeatureExtractor::chromaHopFor(std::int64_t samples)
{
    const std::int64_t hops = (samples / kChromaFrameBudget + kFinestChromaHop - 1) / kFinestChromaHop;
    return int(std::max<std::int64_t>(1, hops)) * kFinestChromaHop;
}

FeatureExtractor::FeatureExtractor(const AnalysisShape& shape, std::int64_t expectedSamples)
    : onsetFunction_(std::make_unique<DetectionFunction>(onsetConfig(shape))),
      chromagram_(std::make_unique<Chromagram>(chromaConfig(shape))),
      decimator_(std::make_unique<Decimator>(unsigned(shape.onsetHop), unsigned(shape.lowRateFactor)))
{
    features_.shape = shape;
    features_.chromaHop = chromaHopFor(expectedSamples);
    features_.chromaFrame = int(chromagram_->getFrameSize());
    const auto hops = std::size_t(expectedSamples / shape.onsetHop + 2);
    features_.onset.reserve(hops);
    features_.power.reserve(hops);
    features_.peak.reserve(hops);
    features_.lowRate.reserve(std::size_t(expectedSamples / shape.lowRateFactor + 64));
    features_.chroma.reserve(std::size_t(expectedSamples / features_.chromaHop + 2));
    scratch_.resize(std::size_t(std::max(features_.chromaFrame, shape.onsetFrame)));
    lowRateScratch_.resize(std::size_t(shape.onsetHop / shape.lowRateFactor));
}

FeatureExtractor::~FeatureExtractor() = default;

void FeatureExtractor::push(std::span<const float> block)
{
    pending_.insert(pending_.end(), block.begin(), block.end());
    features_.samples += std::int64_t(block.size());
    processPending();
}

void FeatureExtractor::processPending()
{
    const std::int64_t end = pendingStart_ + std::int64_t(pending_.size());
    auto at = [&](std::int64_t absolute) { return pending_.data() + (absolute - pendingStart_); };

    const int hop = features_.shape.onsetHop;
    const int onsetFrame = features_.shape.onsetFrame;
    while (nextOnset_ + onsetFrame <= end) {
        const float* frame = at(nextOnset_);
        std::copy_n(frame, onsetFrame, scratch_.data());
        features_.onset.push_back(onsetFunction_->processTimeDomain(scratch_.data()));
        double sum = 0;
        float peak = 0;
        for (int i = 0; i < hop; ++i) {
            sum += double(frame[i]) * frame[i];
            peak = std::max(peak, std::abs(frame[i]));
        }
        features_.power.push_back(float(sum / hop));
        features_.peak.push_back(peak);
        nextOnset_ += hop;
    }
    while (nextLowRate_ + hop <= end) {
        decimator_->process(at(nextLowRate_), lowRateScratch_.data());
        features_.lowRate.insert(features_.lowRate.end(), lowRateScratch_.begin(), lowRateScratch_.end());
        nextLowRate_ += hop;
    }
    const int chromaFrame = features_.chromaFrame;
    while (nextChroma_ + chromaFrame <= end) {
        std::copy_n(at(nextChroma_), chromaFrame, scratch_.data());
        const double* values = chromagram_->process(scratch_.data());
        std::array<float, 12> c{};
        for (int i = 0; i < 12; ++i)
            c[std::size_t(i)] = std::isfinite(values[i]) ? float(values[i]) : 0.0f;
        features_.chroma.push_back(c);
        nextChroma_ += features_.chromaHop;
    }
    const std::int64_t keep = std::min({nextOnset_, nextLowRate_, nextChroma_});
    if (keep > pendingStart_) {
        pending_.erase(pending_.begin(), pending_.begin() + (keep - pendingStart_));
        pendingStart_ = keep;
    }
}

FrameFeatures FeatureExtractor::finish()
{
    // Pads with silence so that every analysed sample has been in an onset hop and a chroma
    // frame whose centre lies within the song.
    const std::int64_t samples = features_.samples;
    const int onsetFrame = features_.shape.onsetFrame;
    const std::int64_t wanted = std::max(nextOnset_ + onsetFrame, samples + onsetFrame);
    const std::int64_t end = pendingStart_ + std::int64_t(pending_.size());
    if (wanted > end)
        pending_.resize(pending_.size() + std::size_t(wanted - end), 0.0f);
    processPending();
    while (!features_.onset.empty() && features_.onsetTime(double(features_.onset.size() - 1)) * features_.shape.rate
                                           > double(samples) + features_.shape.onsetHop)
        features_.onset.pop_back();
    features_.power.resize(features_.onset.size());
    features_.peak.resize(features_.onset.size());
    features_.samples = samples;
    return std::move(features_);
}

} // namespace analysis
