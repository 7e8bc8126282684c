#include "analysis/HookJudge.h"

#include <algorithm>
#include <cmath>

namespace songgen {

bool overlapsChorus(const GeneratedSong& song, double begin, double end)
{
    for (const TimeSpan& chorus : song.choruses()) {
        const double overlap = std::min(end, chorus.end) - std::max(begin, chorus.begin);
        if (overlap >= 0.5 * std::min(end - begin, chorus.length()))
            return true;
    }
    return false;
}

bool startsNearDownbeat(const GeneratedSong& song, double begin)
{
    const double beat = 60.0 / song.bpm;
    return std::any_of(song.downbeats.begin(), song.downbeats.end(),
                       [&](double d) { return std::abs(d - begin) <= beat + 1e-6; });
}

bool startsNearChorusStart(const GeneratedSong& song, double begin, double beats)
{
    const double beat = beats * 60.0 / song.bpm;
    return std::any_of(song.sections.begin(), song.sections.end(), [&](const Section& s) {
        return s.name == "chorus" && std::abs(s.span.begin - begin) <= beat + 1e-6;
    });
}

} // namespace songgen
