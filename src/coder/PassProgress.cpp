#include "coder/PassProgress.h"

#include "coder/ProgressPrinter.h"

#include <algorithm>

namespace coder {

PassProgress::PassProgress(ProgressPrinter& printer, double lengthSeconds, std::function<std::int64_t()> bytes)
    : printer_(printer)
    , length_(std::max(lengthSeconds, 0.0))
    , bytes_(std::move(bytes))
{
}

void PassProgress::begin(double weight, double weightAfter)
{
    passStart_ += passShare_;
    const double total = weight + std::max(weightAfter, 0.0);
    passShare_ = total > 0 ? (1 - passStart_) * weight / total : 0;
    at(0);
}

void PassProgress::at(double seconds)
{
    const double done = length_ > 0 ? std::clamp(seconds / length_, 0.0, 1.0) : 0;
    const double t = std::min((passStart_ + passShare_ * done) * length_, length_);
    if (t <= printed_)
        return;
    printed_ = t;
    printer_.update(bytes_(), t);
}

void PassProgress::setLength(double seconds)
{
    if (seconds > 0)
        length_ = seconds;
}

} // namespace coder
