#pragma once
#include <optional>
#include <random>

// Where the random cutter puts the two markers: their Left on the track, in pixels.
struct RandomCutPlaces {
    double beginLeft = 0;
    double endLeft = 0;
};

// Draws a random selection of more than five whole seconds on a sound of `fullSeconds` (its
// whole seconds): the end second uniformly from those that leave room for such a selection with
// the begin marker a handle's width to its left, then the begin second uniformly from those more
// than five seconds before the end. The places map back to exactly those seconds (secondsAt);
// where the begin's place lies closer than a handle to the end's, the drag rules push it further
// left, which only lengthens the selection. Returns nullopt when the sound is five seconds long
// or shorter, so that no such selection exists.
std::optional<RandomCutPlaces> drawRandomCut(double fullSeconds, std::mt19937& random);
