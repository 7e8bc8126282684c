// The filters an -af chain may name, each with the options it may take: afade, loudnorm and
// volume. Nothing else reaches libavfilter: other filters can open files, listen on the network
// or never end.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace coder {

// What a loudnorm step asks for: the integrated loudness in LUFS and the true-peak ceiling in
// dBTP (loudnorm's I and TP; its defaults are -24 and -2).
struct LoudnessTarget {
    double integrated = -24;
    double truePeak = -2;
};

// One step of a chain as checked.
struct CheckedStep {
    // The step as libavfilter is handed it, rebuilt from the checked values
    // ("afade=t=in:st=0:d=1:curve=hsin"); "" for loudnorm, which this program does itself.
    std::string filter;
    std::optional<LoudnessTarget> loudness;  // set for a loudnorm step
    std::string error;                       // why the step is refused; "" when it is accepted
};

// The accepted filters for messages: "afade, loudnorm and volume".
extern const char* const acceptedFilters;

// Checks one step, "name" or "name=options" (options separated by ':', quoted with '...' or
// escaped with a backslash as in FFmpeg's syntax):
//   afade    t (in, out), st and d (seconds), curve (FFmpeg's curve names), ss and ns (samples),
//            all by name;
//   volume   the volume, first or by name, as a factor from 0 to 1000 or in dB ("-6dB", from
//            -200 to +60), and precision (fixed, float, double);
//   loudnorm I (-70 to -5 LUFS), TP (-9 to 0 dBTP) and LRA (accepted, no effect), by name.
// Anything else, expressions included, is refused with the reason.
CheckedStep checkStep(const std::string& step);

// Splits text at every `separator` that is not inside '...' and not escaped by a backslash;
// quotes and escapes stay in the parts. Returns false with error set when a quote is left open
// or, outside quotes, a character of filter graphs (';', '[', ']') appears.
bool splitFilterText(const std::string& text, char separator, std::vector<std::string>& parts, std::string& error);

// text without blanks around it.
std::string trimmedText(const std::string& text);

} // namespace coder
