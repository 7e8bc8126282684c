#include "analysis/BeatTracker.h"

#include <dsp/tempotracking/DownBeat.h>
#include <dsp/tempotracking/TempoTrackV2.h>

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

// Onset hops per tracking piece (about 3 minutes) and the overlap of neighbours (about 20 s).
constexpr std::size_t kPiece = 16384;
constexpr std::size_t kOverlap = 1792;
// Beats per downbeat-finding piece (a few minutes); the bar phase is found per piece.
constexpr std::size_t kDownbeatPiece = 512;

// Beat positions in onset hops for df[first, first + count).
std::vector<double> trackPiece(const AnalysisShape& shape, const std::vector<double>& df, std::size_t first,
                               std::size_t count)
{
    std::vector<double> piece(df.begin() + std::ptrdiff_t(first), df.begin() + std::ptrdiff_t(first + count));
    TempoTrackV2 tracker(float(shape.rate), std::size_t(shape.onsetHop));
    std::vector<double> period(piece.size());
    std::vector<double> tempi;
    tracker.calculateBeatPeriod(piece, period, tempi, 120.0, false);
    std::vector<double> beats;
    tracker.calculateBeats(piece, period, beats, 0.9, 4.0);
    for (double& b : beats)
        b += double(first);
    return beats;
}

// The median distance between neighbouring positions (0 with fewer than two).
double medianGap(const std::vector<double>& positions)
{
    if (positions.size() < 2)
        return 0;
    std::vector<double> gaps;
    for (std::size_t i = 1; i < positions.size(); ++i)
        gaps.push_back(positions[i] - positions[i - 1]);
    std::nth_element(gaps.begin(), gaps.begin() + std::ptrdiff_t(gaps.size() / 2), gaps.end());
    return gaps[gaps.size() / 2];
}

} // namespace

std::vector<double> BeatGrid::downbeatTimes() const
{
    std::vector<double> times;
    times.reserve(downbeats.size());
    for (std::size_t i : downbeats)
        times.push_back(beats[i]);
    return times;
}

std::optional<BeatGrid> trackBeats(const FrameFeatures& features, Stage& stage)
{
    const std::vector<double>& df = features.onset;
    std::vector<double> hops; // beat positions in onset hops, ascending
    constexpr std::size_t step = kPiece - kOverlap;
    const std::size_t pieces = df.size() <= kPiece ? 1 : (df.size() - kOverlap + step - 1) / step;
    for (std::size_t p = 0; p < pieces; ++p) {
        if (stage.cancelled())
            return std::nullopt;
        const std::size_t first = p * step;
        const std::size_t count = std::min(kPiece, df.size() - first);
        if (count < 64)
            break;
        const std::vector<double> beats = trackPiece(features.shape, df, first, count);
        // This piece's beats count from the middle of its overlap with the previous piece to the
        // middle of its overlap with the next one; a beat closer than half a beat to the last one
        // kept is the same beat seen by both pieces.
        const double from = p == 0 ? 0.0 : double(first) + kOverlap / 2.0;
        const double to = p + 1 == pieces ? double(df.size()) : double(first + count) - kOverlap / 2.0;
        const double gap = medianGap(beats);
        for (double b : beats) {
            if (b < from || b >= to || (!hops.empty() && b - hops.back() < 0.5 * gap))
                continue;
            hops.push_back(b);
        }
        stage.report(0.8 * double(p + 1) / double(pieces));
    }

    BeatGrid grid;
    grid.beats.reserve(hops.size());
    for (double h : hops)
        grid.beats.push_back(features.onsetTime(h));
    const double gap = medianGap(grid.beats);
    grid.bpm = gap > 0 ? 60.0 / gap : 0;

    // Downbeats, piece by piece over the beats.
    for (std::size_t first = 0; first + 1 < hops.size(); first += kDownbeatPiece) {
        if (stage.cancelled())
            return std::nullopt;
        const std::size_t count = std::min(kDownbeatPiece, hops.size() - first);
        if (count < 8) {
            // Too few beats to tell a phase: continue the previous bars.
            const std::size_t next = grid.downbeats.empty() ? first : grid.downbeats.back() + 4;
            for (std::size_t i = next; i < first + count; i += 4)
                grid.downbeats.push_back(i);
            break;
        }
        // The piece's audio starts at its first beat's hop; beats are passed relative to it.
        const auto startHop = std::size_t(hops[first]);
        const AnalysisShape& shape = features.shape;
        const std::size_t lowStart = startHop * std::size_t(shape.onsetHop / shape.lowRateFactor);
        if (lowStart >= features.lowRate.size())
            break;
        std::vector<double> local;
        for (std::size_t i = first; i < first + count; ++i)
            local.push_back(hops[i] - double(startHop));
        DownBeat finder(float(shape.rate), std::size_t(shape.lowRateFactor), std::size_t(shape.onsetHop));
        finder.setBeatsPerBar(4);
        std::vector<int> found;
        finder.findDownBeats(features.lowRate.data() + lowStart, features.lowRate.size() - lowStart, local, found);
        for (int i : found)
            if (i >= 0 && std::size_t(i) < count)
                grid.downbeats.push_back(first + std::size_t(i));
        stage.report(0.8 + 0.2 * double(first + count) / double(hops.size()));
    }
    stage.report(1.0);
    return grid;
}

} // namespace analysis
