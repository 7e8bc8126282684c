// The -af option: a chain of the accepted filters, in which a loudnorm step is done in passes.
#pragma once

#include "coder/AcceptedFilters.h"

#include <optional>
#include <string>

namespace coder {

// An -af chain split around its loudnorm step. `before` and `after` are filter chains in
// FFmpeg's syntax ("" when empty), rebuilt from the checked steps; without a loudnorm step
// everything is in `before`.
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
// and backslash escapes, and checks every step (AcceptedFilters.h). Refuses any other filter,
// options the filters do not accept or values out of their ranges, more than one loudnorm step,
// and graphs with labels or several chains (';', '['). The error says what is wrong and, for a
// filter that is not accepted, lists those that are.
FilterChainParse parseFilterChain(const std::string& text);

} // namespace coder
