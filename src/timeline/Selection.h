#pragma once
#include <cstdint>

// The selection as the editor keeps it: begin and end in milliseconds (end 0: no end set) and
// whether each marker is shown. A hidden begin marker stands at the file's start, a hidden end
// marker at its end.
struct Selection {
    std::int64_t beginMs = 0;
    std::int64_t endMs = 0;
    bool beginShown = false;
    bool endShown = false;

    bool operator==(const Selection&) const = default;
};
