#include "coder/WrittenLoudness.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace coder {
namespace {

// Kept between the ceiling and the encoder's input at first, for what encoders add to the peaks.
constexpr double encoderHeadroom = 1.0;
// Added to what the peaks passed the ceiling by, when the ceiling is lowered for the next write.
constexpr double peakMargin = 0.3;
// How far under the ceiling an excerpt's peaks should stay for the whole to stay under it.
constexpr double excerptPeakRoom = 0.5;
constexpr int plannedWrites = 4;
// Writes that may follow while the peaks stay over the ceiling.
constexpr int extraWrites = 4;
// An excerpt quieter than this is not taken to show what the encoder does; nor is a change of
// loudness larger than maxOffset believed of it.
constexpr double quiet = -60;
constexpr double maxOffset = 6;

struct Written {
    std::string step;
    FileLoudness reached;
};

bool underCeiling(const Written& w, const LoudnessTarget& target)
{
    return w.reached.truePeak <= target.truePeak;
}

// Whether a is a better file to keep than b: under the ceiling first, then nearer the target.
bool better(const Written& a, const Written& b, const LoudnessTarget& target)
{
    if (underCeiling(a, target) != underCeiling(b, target))
        return underCeiling(a, target);
    if (!underCeiling(a, target))
        return a.reached.truePeak < b.reached.truePeak;
    return std::abs(a.reached.integrated - target.integrated) < std::abs(b.reached.integrated - target.integrated);
}

std::string oneDecimal(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", v);
    return std::string(text) == "-0.0" ? "0.0" : text;
}

// A target as given: "-16", "-16.5".
std::string asGiven(double v)
{
    const std::string s = oneDecimal(v);
    return s.compare(s.size() - 2, 2, ".0") == 0 ? s.substr(0, s.size() - 2) : s;
}

} // namespace

LoudnessResult reachWrittenLoudness(const LoudnessTarget& target, LoudnessSearch& search, const WriteAndMeasure& write,
                                    const TryExcerpt& excerpt, const WritePlanned& planned)
{
    double offset = 0;  // what the encoder did to the loudness on the last write
    double headroom = encoderHeadroom;
    if (excerpt) {
        const std::string step = search.roughStepFor(LoudnessAim{target.integrated, target.truePeak - headroom});
        const std::optional<ExcerptLoudness> tried = excerpt(step);
        // An excerpt with nothing above the meter's gate tells nothing.
        if (tried && tried->beforeEncoder > quiet && tried->written.integrated > quiet) {
            offset = std::clamp(tried->written.integrated - tried->beforeEncoder, -maxOffset, maxOffset);
            // A short excerpt holds fewer peaks than the whole: it should keep further under the ceiling.
            const double excerptCeiling = target.truePeak - excerptPeakRoom;
            if (tried->written.truePeak > excerptCeiling)
                headroom += tried->written.truePeak - excerptCeiling;
        }
    }
    std::vector<Written> written;
    for (int n = 0; n < plannedWrites + extraWrites; ++n) {
        const bool overCeiling = !written.empty() && !underCeiling(written.back(), target);
        if (n >= plannedWrites && !overCeiling)
            break;
        const LoudnessAim aim{target.integrated - offset, target.truePeak - headroom};
        const LoudnessStep step = search.stepFor(aim);
        if (!written.empty() && step.filters == written.back().step && !overCeiling)
            break;
        if (planned)
            planned(n + 1 == plannedWrites + extraWrites);
        written.push_back(Written{step.filters, write(step.filters)});
        const Written& last = written.back();
        const double miss = target.integrated - last.reached.integrated;
        if (underCeiling(last, target)) {
            if (std::abs(miss) <= writtenTolerance)
                break;
            // Out of reach before the encoder already: another write cannot come nearer.
            if (step.integrated < aim.integrated - writtenTolerance)
                break;
        } else {
            headroom += last.reached.truePeak - target.truePeak + peakMargin;
        }
        offset = last.reached.integrated - step.integrated;
    }
    const auto best = std::min_element(written.begin(), written.end(),
                                       [&](const Written& a, const Written& b) { return better(a, b, target); });
    LoudnessResult result{best->step, best->reached, static_cast<int>(written.size())};
    if (best != written.end() - 1) {
        if (planned)
            planned(true);
        write(best->step);
        ++result.writes;
    }
    return result;
}

std::string loudnessShortfall(const LoudnessTarget& target, const FileLoudness& reached)
{
    const double level = std::max(reached.integrated, -70.0);
    const double miss = level - target.integrated;
    if (std::abs(miss) <= writtenTolerance)
        return {};
    return "Loudness: " + oneDecimal(level) + " LUFS reached, " + oneDecimal(std::abs(miss))
        + " LU " + (miss < 0 ? "under" : "over") + " the target of " + asGiven(target.integrated) + " LUFS";
}

} // namespace coder
