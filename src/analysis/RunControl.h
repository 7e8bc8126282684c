// How a caller on another thread follows and stops a long analysis.
#pragma once

#include <atomic>
#include <functional>
#include <utility>

namespace analysis {

// Called with the part done so far, 0 to 1, rising; from the analysing thread.
using ProgressCallback = std::function<void(double fraction)>;

// The cancel flag and the progress callback of one run, with the bookkeeping between them;
// owns neither the flag nor the callback's target. The analysis asks cancelled() at least every
// few milliseconds of work, so that a cancel takes effect well within 100 ms.
class RunControl {
public:
    // cancel may be null (the run cannot be cancelled); progress may be empty.
    RunControl(const std::atomic<bool>* cancel, ProgressCallback progress)
        : cancel_(cancel), progress_(std::move(progress))
    {
    }

    bool cancelled() const { return cancel_ && cancel_->load(std::memory_order_relaxed); }

    // Reports fraction (clamped to [0, 1]) when it has risen by at least 1 % since the last
    // report, or is 1; never reports a smaller value than before.
    void report(double fraction)
    {
        if (!progress_)
            return;
        fraction = fraction < 0 ? 0 : fraction > 1 ? 1 : fraction;
        if (fraction < last_ + 0.01 && !(fraction == 1 && last_ < 1))
            return;
        last_ = fraction;
        progress_(fraction);
    }

private:
    const std::atomic<bool>* cancel_;
    ProgressCallback progress_;
    double last_ = -1;
};

// One stage of a run: maps the stage's own 0..1 onto [begin, end] of the whole.
class Stage {
public:
    Stage(RunControl& run, double begin, double end) : run_(run), begin_(begin), end_(end) {}
    bool cancelled() const { return run_.cancelled(); }
    void report(double fraction) { run_.report(begin_ + (end_ - begin_) * fraction); }

private:
    RunControl& run_;
    double begin_;
    double end_;
};

} // namespace analysis
