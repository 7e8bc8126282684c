// How a proposed window is judged against a generated song's truth; shared by the hook
// finder's tests and its benchmark.
#pragma once

#include "analysis/SongGenerator.h"

namespace songgen {

// Whether [begin, end) overlaps one of the song's choruses by at least half the shorter of the
// window and that chorus (a 30 s window cannot hold 15 s of a 12 s chorus).
bool overlapsChorus(const GeneratedSong& song, double begin, double end);

// Whether begin is within one beat (60 / bpm seconds) of one of the song's downbeats.
bool startsNearDownbeat(const GeneratedSong& song, double begin);

// Whether begin is within `beats` beats of the start of a chorus section (stricter than the
// above: the window opens where the chorus does).
bool startsNearChorusStart(const GeneratedSong& song, double begin, double beats = 1);

} // namespace songgen
