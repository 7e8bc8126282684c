#include "analysis/BeatTracker.h"

#include <dsp/tempotracking/DownBeat.h>
#include <dsp/tempotracking/TempoTrackV2.h>

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

// Onset hops per tracking piece (about 140 s, some 30 ms of work) and the overlap of neighbours
// (about 18 s).
constexpr std::size_t kPiece = 12288;
constexpr std::size_t kOverlap = 1536;
// A piece whose beat period differs from the song's by more than this share is tracked again,
// held to the song's tempo (a piece alone may settle on double or half time).
constexpr double kTempoDisagreement = 0.15;
// Beats per downbeat-finding piece at most (about four minutes, some 25 ms of work); the bar
// phase is found per piece, and the beats are shared out evenly so that no piece is short.
constexpr std::size_t kDownbeatPiece = 512;
// A gap between beats more than this share off the median breaks the run of regular beats;
// a run shorter than kShortestRun beats is too short to find its own bar phase.
constexpr double kIrregularity = 0.1;
constexpr std::size_t kShortestRun = 16;

// Beat positions in onset hops for df[first, first + count); held near heldBpm when that is
// not 0.
std::vector<double> trackPiece(const AnalysisShape& shape, const std::vector<double>& df, std::size_t first,
                               std::size_t count, double heldBpm = 0)
{
    std::vector<double> piece(df.begin() + std::ptrdiff_t(first), df.begin() + std::ptrdiff_t(first + count));
    TempoTrackV2 tracker(float(shape.rate), std::size_t(shape.onsetHop));
    std::vector<double> period(piece.size());
    std::vector<double> tempi;
    tracker.calculateBeatPeriod(piece, period, tempi, heldBpm > 0 ? heldBpm : 120.0, heldBpm > 0);
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

// Runs of beats (first index, count) whose gaps all stay within kIrregularity of the median gap;
// every beat is in exactly one run, in order.
std::vector<std::pair<std::size_t, std::size_t>> regularRuns(const std::vector<double>& hops)
{
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    const double gap = medianGap(hops);
    std::size_t first = 0;
    for (std::size_t i = 1; i <= hops.size(); ++i) {
        if (i == hops.size() || std::abs((hops[i] - hops[i - 1]) / gap - 1.0) > kIrregularity) {
            runs.emplace_back(first, i - first);
            first = i;
        }
    }
    return runs;
}

// The downbeats (indices into hops) among hops[first, first + count), by qm-dsp's downbeat
// finder on the low-rate audio from the first of them on; empty when there is no audio there.
std::vector<std::size_t> downbeatsOf(const FrameFeatures& features, const std::vector<double>& hops,
                                     std::size_t first, std::size_t count)
{
    const AnalysisShape& shape = features.shape;
    const auto startHop = std::size_t(hops[first]);
    const std::size_t lowStart = startHop * std::size_t(shape.onsetHop / shape.lowRateFactor);
    if (lowStart >= features.lowRate.size())
        return {};
    std::vector<double> local;
    for (std::size_t i = first; i < first + count; ++i)
        local.push_back(hops[i] - double(startHop));
    DownBeat finder(float(shape.rate), std::size_t(shape.lowRateFactor), std::size_t(shape.onsetHop));
    finder.setBeatsPerBar(4);
    std::vector<int> found;
    finder.findDownBeats(features.lowRate.data() + lowStart, features.lowRate.size() - lowStart, local, found);
    std::vector<std::size_t> out;
    for (int i : found)
        if (i >= 0 && std::size_t(i) < count)
            out.push_back(first + std::size_t(i));
    return out;
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
    const AnalysisShape& shape = features.shape;
    constexpr std::size_t step = kPiece - kOverlap;
    const std::size_t pieces = df.size() <= kPiece ? 1 : (df.size() - kOverlap + step - 1) / step;
    auto firstOf = [&](std::size_t p) { return p * step; };
    auto countOf = [&](std::size_t p) { return std::min(kPiece, df.size() - firstOf(p)); };

    // Each piece alone, then again held to the song's tempo where it settled on another.
    std::vector<std::vector<double>> tracked(pieces);
    std::vector<double> periods;
    for (std::size_t p = 0; p < pieces; ++p) {
        if (stage.cancelled())
            return std::nullopt;
        if (countOf(p) >= 64)
            tracked[p] = trackPiece(shape, df, firstOf(p), countOf(p));
        if (tracked[p].size() >= 2)
            periods.push_back(medianGap(tracked[p]));
        stage.report(0.6 * double(p + 1) / double(pieces));
    }
    if (periods.size() > 1) {
        std::vector<double> sorted = periods;
        std::nth_element(sorted.begin(), sorted.begin() + std::ptrdiff_t(sorted.size() / 2), sorted.end());
        const double songPeriod = sorted[sorted.size() / 2];
        const double songBpm = 60.0 * shape.rate / (songPeriod * shape.onsetHop);
        for (std::size_t p = 0; p < pieces; ++p) {
            if (stage.cancelled())
                return std::nullopt;
            const double period = medianGap(tracked[p]);
            if (period > 0 && std::abs(period / songPeriod - 1.0) > kTempoDisagreement)
                tracked[p] = trackPiece(shape, df, firstOf(p), countOf(p), songBpm);
            stage.report(0.6 + 0.2 * double(p + 1) / double(pieces));
        }
    }

    // The pieces joined: each counts from the middle of its overlap with the previous piece to
    // the middle of its overlap with the next one; a beat closer than half a beat to the last
    // one kept is the same beat seen by both pieces.
    std::vector<double> hops; // beat positions in onset hops, ascending
    for (std::size_t p = 0; p < pieces; ++p) {
        const double from = p == 0 ? 0.0 : double(firstOf(p)) + kOverlap / 2.0;
        const double to = p + 1 == pieces ? double(df.size()) : double(firstOf(p) + countOf(p)) - kOverlap / 2.0;
        const double gap = medianGap(tracked[p]);
        for (double b : tracked[p]) {
            if (b < from || b >= to || (!hops.empty() && b - hops.back() < 0.5 * gap))
                continue;
            hops.push_back(b);
        }
    }

    BeatGrid grid;
    grid.beats.reserve(hops.size());
    for (double h : hops)
        grid.beats.push_back(features.onsetTime(h));
    const double gap = medianGap(grid.beats);
    grid.bpm = gap > 0 ? 60.0 / gap : 0;

    // Downbeats, run by run: a bar phase holds only while the beats are regular, so each run of
    // regular beats gets its own (a long one in pieces); a short run carries the bars on.
    const std::vector<std::pair<std::size_t, std::size_t>> runs = regularRuns(hops);
    for (const auto& [runFirst, runCount] : runs) {
        const std::size_t parts = (runCount + kDownbeatPiece - 1) / kDownbeatPiece;
        const std::size_t perPart = (runCount + parts - 1) / parts;
        for (std::size_t first = runFirst; first < runFirst + runCount; first += perPart) {
            if (stage.cancelled())
                return std::nullopt;
            const std::size_t count = std::min(perPart, runFirst + runCount - first);
            std::vector<std::size_t> found;
            if (count >= kShortestRun)
                found = downbeatsOf(features, hops, first, count);
            if (found.empty()) {
                std::size_t next = grid.downbeats.empty() ? first : grid.downbeats.back() + 4;
                while (next < first)
                    next += 4;
                for (; next < first + count; next += 4)
                    found.push_back(next);
            }
            grid.downbeats.insert(grid.downbeats.end(), found.begin(), found.end());
            stage.report(0.8 + 0.2 * double(first + count) / double(hops.size()));
        }
    }
    stage.report(1.0);
    return grid;
}

} // namespace analysis
