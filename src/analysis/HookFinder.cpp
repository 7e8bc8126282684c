#include "analysis/HookFinder.h"

#include "analysis/BeatFeatures.h"
#include "analysis/BeatTracker.h"
#include "analysis/FeatureExtractor.h"
#include "analysis/MonoReader.h"
#include "analysis/Repetition.h"
#include "analysis/SilenceTrim.h"

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

// The beat tracker places beats a little after the attacks they stand for; a marker snapped to
// a beat should sit at the attack, not after it.
constexpr double kBeatLatency = 0.015;
constexpr int kProposals = 3;
constexpr int kNoveltyBeats = 16;

HookAnalysis stopped(HookAnalysis::Status status)
{
    HookAnalysis result;
    result.status = status;
    return result;
}

} // namespace

double hookLength(double selectionSeconds, double fileSeconds)
{
    const double wanted = selectionSeconds >= 5.0 ? selectionSeconds : 30.0;
    return std::max(0.0, std::min(wanted, fileSeconds));
}

HookAnalysis findHooks(AudioSource& source, double lengthSeconds, const std::atomic<bool>* cancel,
                       ProgressCallback progress)
{
    RunControl run(cancel, std::move(progress));
    run.report(0);
    const std::int64_t frames = source.frameCount();
    const int rate = source.sampleRate();
    if (rate <= 0 || source.channels() < 1)
        return stopped(HookAnalysis::Status::ReadFailed);

    // One pass over the file: mono at the analysis rate, into the frame features.
    HookAnalysis result;
    const AnalysisShape shape = AnalysisShape::forDuration(double(frames) / rate);
    FeatureExtractor extractor(shape, frames * shape.rate / rate);
    Stage reading(run, 0.0, 0.75);
    const PassResult pass = readMono(
        source, shape.rate, reading, [&](std::span<const float> block) { extractor.push(block); }, &result.peak);
    if (pass == PassResult::Cancelled)
        return stopped(HookAnalysis::Status::Cancelled);
    if (pass == PassResult::ReadFailed)
        return stopped(HookAnalysis::Status::ReadFailed);
    const FrameFeatures features = extractor.finish();

    Stage tracking(run, 0.75, 0.88);
    std::optional<BeatGrid> grid = trackBeats(features, tracking);
    if (!grid)
        return stopped(HookAnalysis::Status::Cancelled);
    for (double& b : grid->beats)
        b = std::max(0.0, b - kBeatLatency);
    result.beats = grid->beats;
    result.downbeats = grid->downbeatTimes();
    result.bpm = grid->bpm;

    const BeatFeatures beats = gatherBeatFeatures(features, grid->beats);
    Stage repeating(run, 0.88, 0.98);
    const std::optional<std::vector<float>> repetition = repetitionPerBeat(beats.chroma, repeating);
    if (!repetition)
        return stopped(HookAnalysis::Status::Cancelled);
    const std::vector<float> novelty = sectionNovelty(centredChroma(beats.chroma), kNoveltyBeats);
    if (run.cancelled())
        return stopped(HookAnalysis::Status::Cancelled);

    HookScene scene;
    scene.beats = &beats;
    scene.repetition = &*repetition;
    scene.novelty = &novelty;
    scene.downbeat.assign(beats.size(), false);
    for (std::size_t i : grid->downbeats)
        scene.downbeat[i] = true;
    scene.durationMs = frames * 1000 / rate;
    // The mono mix's peak is compared, with the file's threshold in the same full scale.
    scene.silencePeak = float(soundThreshold(result.peak)) / 32768.0f;
    const auto lengthMs = std::int64_t(std::llround(std::max(0.0, lengthSeconds) * 1000.0));
    result.proposals = pickHooks(scene, lengthMs, kProposals);
    run.report(1.0);
    return result;
}

} // namespace analysis
