// The frame-level features of a song, computed in one streaming pass at the analysis rate.
#pragma once

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
    // The onset detection function's hop at kAnalysisRate (about 11.6 ms, the beat tracker's
    // usual frame rate), and where a hop's value sits in time: hop n at (n * kOnsetHop +
    // kOnsetCentre) / kAnalysisRate seconds.
    static constexpr int kOnsetHop = 128;
    static constexpr int kOnsetFrame = 256;
    static constexpr int kOnsetCentre = kOnsetFrame / 2;
    // The factor from kAnalysisRate to the rate of `lowRate` (about 2.76 kHz).
    static constexpr int kLowRateFactor = 4;

    // One value per onset hop: complex spectral difference (onset strength).
    std::vector<double> onset;
    // One value per onset hop: mean square of the hop's samples (full scale sine: 0.5).
    std::vector<float> power;
    // One value per onset hop: largest absolute mixed sample of the hop.
    std::vector<float> peak;
    // Chroma frames (12 pitch classes, unit maximum), one per chromaHop samples; frame n is
    // centred at (n * chromaHop + chromaFrame / 2) / kAnalysisRate seconds.
    std::vector<std::array<float, 12>> chroma;
    int chromaHop = 0;
    int chromaFrame = 0;
    // The mono signal decimated by kLowRateFactor, for the downbeat finder.
    std::vector<float> lowRate;
    // Samples at kAnalysisRate that were analysed.
    std::int64_t samples = 0;

    double onsetTime(double hop) const;
    double chromaTime(std::size_t frame) const;
};

// Computes FrameFeatures from mono blocks at kAnalysisRate pushed in order. Owns the onset
// detection function, the chromagram, the decimator and a short sliding window of samples.
class FeatureExtractor {
public:
    // expectedSamples sizes the result ahead and picks the chroma hop: hour-long files get a
    // coarser hop so that their cost stays bounded.
    explicit FeatureExtractor(std::int64_t expectedSamples);
    ~FeatureExtractor();
    FeatureExtractor(const FeatureExtractor&) = delete;
    FeatureExtractor& operator=(const FeatureExtractor&) = delete;

    void push(std::span<const float> block);
    // Ends the stream (the last partial hops are padded with silence) and hands the features over.
    FrameFeatures finish();

    // The chroma hop used for a song of `samples` at kAnalysisRate.
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
};

} // namespace analysis
