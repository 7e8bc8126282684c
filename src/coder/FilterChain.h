// The -af option: a chain of libavfilter filters, in which a loudnorm step is done in two passes.
#pragma once

#include <optional>
#include <string>

namespace coder {

// What a loudnorm step asks for: the integrated loudness in LUFS and the true-peak ceiling in
// dBTP (loudnorm's I and TP; its defaults are -24 and -2).
struct LoudnessTarget {
    double integrated = -24;
    double truePeak = -2;
};

// An -af chain split around its loudnorm step. `before` and `after` are filter chains in
// FFmpeg's syntax ("" when empty); without a loudnorm step everything is in `before`.
struct FilterChain {
    std::string before;
    std::optional<LoudnessTarget> loudness;
    std::string after;
};

struct FilterChainParse {
    std::optional<FilterChain> chain;  // set on success
    std::string error;                 // what is wrong otherwise
};

// Splits a linear chain ("afade=t=in:d=1,loudnorm=I=-16:TP=-1") at its commas, minding quotes
// and backslash escapes. Refuses more than one loudnorm step, loudnorm options other than I, TP
// and LRA (by name; LRA is accepted and has no effect) or outside loudnorm's ranges, and graphs
// with labels or several chains (';', '[').
FilterChainParse parseFilterChain(const std::string& text);

} // namespace coder
