#include "coder/CutWindow.h"

#include <algorithm>
#include <cmath>

namespace coder {

CutWindow::CutWindow(double startSeconds, std::optional<double> lengthSeconds, int sampleRate)
    : start_(std::llround(startSeconds * sampleRate))
{
    if (lengthSeconds)
        length_ = std::llround(*lengthSeconds * sampleRate);
}

FrameSlice CutWindow::slice(std::int64_t framePosition, int frameSamples) const
{
    FrameSlice s;
    const std::int64_t frameEnd = framePosition + frameSamples;
    const std::int64_t from = std::max(framePosition, start_);
    std::int64_t to = frameEnd;
    if (length_) {
        const std::int64_t end = start_ + *length_;
        to = std::min(to, end);
        s.done = frameEnd >= end;
    }
    if (to > from) {
        s.offset = static_cast<int>(from - framePosition);
        s.count = static_cast<int>(to - from);
    }
    return s;
}

} // namespace coder
