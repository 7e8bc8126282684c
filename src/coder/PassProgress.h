// The time= a run prints while it goes over a cut in several passes (measuring it, writing it,
// measuring what was written): one span from 0 to the cut's length for them all.
#pragma once

#include <cstdint>
#include <functional>

namespace coder {

class ProgressPrinter;

// Each pass takes a share of what is left of the span, in proportion to its weight among the
// passes still planned; so the time only moves forward, and reaches the cut's length as the last
// planned pass ends. Owns its position only.
class PassProgress {
public:
    // lengthSeconds: the cut's length as far as it is known (0 when it is not); bytes: the size
    // of the output so far.
    PassProgress(ProgressPrinter& printer, double lengthSeconds, std::function<std::int64_t()> bytes);

    // Ends the pass under way and starts one of `weight`, with passes of `weightAfter` in all
    // planned after it (0 when it is the last).
    void begin(double weight, double weightAfter);

    // How far the pass under way has got: the seconds of the cut it has gone over. Prints a
    // progress line (as often as the printer lets it).
    void at(double seconds);

    // The cut's length, once a pass has found it exactly.
    void setLength(double seconds);

    // The time printed last.
    double time() const { return printed_; }

private:
    ProgressPrinter& printer_;
    double length_;
    std::function<std::int64_t()> bytes_;
    double passStart_ = 0;  // fractions of the span
    double passShare_ = 0;
    double printed_ = 0;
};

} // namespace coder
