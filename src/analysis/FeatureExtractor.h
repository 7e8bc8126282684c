// The frame-level features of a song, computed in one streaming pass at the analysis rate.
#pragma once

#include "analysis/AnalysisShape.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class Chromagram;
class Decimator;
class DetectionFunction;

namespace analysis {

// What the streaming pass leaves for the beat tracker and the scoring.
struct FrameFeatures {
    // The rate and frame sizes. Onset hop n covers samples [n * onsetHop, n * onsetHop +
    // onsetFrame), and its value stands for the time onsetTime(n).
    AnalysisShape shape;

    // One value per onset hop: complex spectral difference (onset strength).
    std::vector<double> onset;
    // One value per onset hop: mean square of samples [n * onsetHop, (n + 1) * onsetHop)
    // (a full-scale sine: 0.5).
    std::vector<float> power;
    // One value per onset hop: largest absolute mixed sample of the same samples.
    std::vector<float> peak;
    // Chroma frames (12 pitch classes, unit maximum), one per chromaHop samples; frame n is
    // centred at chromaTime(n).
    std::vector<std::array<float, 12>> chroma;
    int chromaHop = 0;
    int chromaFrame = 0;
    // The mono signal decimated by shape.lowRateFactor, for the downbeat finder.
    std::vector<float> lowRate;
    // Samples at shape.rate that were analysed.
    std::int64_t samples = 0;

    // Seconds: the centre of onset frame `hop` (fractional hops allowed), of chroma frame
    // `frame`, and the length of the analysed audio.
    double onsetTime(double hop) const;
    double chromaTime(std::size_t frame) const;
    double duration() const { return double(samples) / shape.rate; }
};

// Computes FrameFeatures from mono blocks at shape.rate pushed in order. Owns the onset
// detection function, the chromagram, the decimator and a short sliding window of samples.
class FeatureExtractor {
public:
    // expectedSamples sizes the result ahead and picks the chroma hop: hour-long files get a
    // coarser hop so that their cost stays bounded.
    FeatureExtractor(const AnalysisShape& shape, std::int64_t expectedSamples);
    ~FeatureExtractor();
    FeatureExtractor(const FeatureExtractor&) = delete;
    FeatureExtractor& operator=(const FeatureExtractor&) = delete;

    void push(std::span<const float> block);
    // Ends the stream (the last partial hops are padded with silence) and hands the features over.
    FrameFeatures finish();

    // The chroma hop used for a song of `samples` (at any rate).
    static int chromaHopFor(std::int64_t samples);

private:
    void processPending();

    std::unique_ptr<DetectionFunction> onsetFunction_;
    std::unique_ptr<Chromagram> chromagram_;
    std::unique_ptr<Decimator> decimator_;
    FrameFeatures features_;
    std::vector<float> pending_;      // samples from absolute index pendingStart_ on
    std::int64_t pendingStart_ = 0;
    std::int64_t nextOnset_ = 0;      // absolute start of the next onset frame
    std::int64_t nextChroma_ = 0;     // absolute start of the next chroma frame
    std::int64_t nextLowRate_ = 0;    // absolute start of the next block for the decimator
    std::vector<double> scratch_;
    std::vector<float> lowRateScratch_;
};

} // namespace analysis
