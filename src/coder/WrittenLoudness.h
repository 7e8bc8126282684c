// Bringing the written file to a loudness target under a true-peak ceiling: write, decode it
// back, measure, correct.
#pragma once

#include "coder/AcceptedFilters.h"
#include "coder/Loudness.h"

#include <functional>
#include <optional>
#include <string>

namespace coder {

// The loudness of a file as a decoder gives it back: integrated loudness in LUFS and true peak
// in dBTP (EBU R 128, as FFmpeg's ebur128 filter measures them with peak=true).
struct FileLoudness {
    double integrated = -70;
    double truePeak = -200;
};

// Writes the whole cut with a filter step ahead of the encoder ("" for none) over whatever the
// last call wrote, completes the file, and measures the file as written. Throws CoderError.
using WriteAndMeasure = std::function<FileLoudness(const std::string& step)>;

// What writing a short excerpt of the cut with a step showed: the loudness going into the
// encoder, and that of the file written.
struct ExcerptLoudness {
    double beforeEncoder = -70;
    FileLoudness written;
};

// Writes an excerpt of the cut with a step and measures it; empty when the cut is too short for
// an excerpt to save a write of the whole. Throws CoderError.
using TryExcerpt = std::function<std::optional<ExcerptLoudness>(const std::string& step)>;

// Told before every write whether it will surely be the last one.
using WritePlanned = std::function<void(bool surelyLast)>;

struct LoudnessResult {
    std::string step;      // the step of the file written last, which is kept
    FileLoudness reached;  // that file's loudness
    int writes = 0;
};

// How far the written loudness may lie from the target and still count as reached.
constexpr double writtenTolerance = 0.25;

// Brings the written file to target: the integrated loudness within writtenTolerance, the true
// peak at or under target.truePeak. The encoder's input is aimed at the target with its ceiling
// 1 dB under target.truePeak (the step searched for by `search`). An excerpt written first with
// a rough step for that aim (`excerpt`, when it gives one) shows what the encoder does to the
// loudness and the peaks, and the aim is corrected by that before the whole is written. Every
// later write corrects by what the encoder did to the last: its change of loudness, and where
// the peaks passed the ceiling, the ceiling lowered by as much and a margin. Stops when the
// target is met, when the step would be the same again, or when the loudness is out of reach
// (the search reached less than it aimed at: a lone click that the limiter holds, or more gain
// than maxLoudnessGain) with the peaks under the ceiling; at most four writes, and more only
// while the peaks are over the ceiling. The file left is the best written: under the ceiling,
// nearest the target (written once more when it was not the last).
LoudnessResult reachWrittenLoudness(const LoudnessTarget& target, LoudnessSearch& search, const WriteAndMeasure& write,
                                    const TryExcerpt& excerpt = {}, const WritePlanned& planned = {});

// The one line that says how far a written file fell short of the target, for a caller to read
// (coder prints it on a line of its own after the last progress line):
//   "Loudness: -19.4 LUFS reached, 3.4 LU under the target of -16 LUFS"
//   "Loudness: -13.1 LUFS reached, 0.9 LU over the target of -14 LUFS"
// that is "Loudness: <R> LUFS reached, <M> LU <under|over> the target of <T> LUFS", R (at least
// -70.0) and M with exactly one decimal, T as given to loudnorm (one decimal at most, none when
// it is whole); "" when the file is within writtenTolerance of the target.
std::string loudnessShortfall(const LoudnessTarget& target, const FileLoudness& reached);

} // namespace coder
