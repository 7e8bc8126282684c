#pragma once
#include <cstdint>

// The selection as the editor keeps it: begin and end in whole seconds (end 0: no end set)
// and whether each marker is shown. A hidden begin marker stands at the file's start, a hidden
// end marker at its end.
struct Selection {
    std::int32_t begin = 0;
    std::int32_t end = 0;
    bool beginShown = false;
    bool endShown = false;

    bool operator==(const Selection&) const = default;
};
