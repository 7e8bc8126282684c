#pragma once
#include <QtGlobal>

#include <algorithm>
#include <functional>

// The lowest and the highest of some 16-bit samples; empty (low > high) before any sample.
struct PeakRange {
    qint16 low = 32767;
    qint16 high = -32768;

    bool isEmpty() const { return low > high; }
    void merge(PeakRange other)
    {
        low = std::min(low, other.low);
        high = std::max(high, other.high);
    }
    bool operator==(const PeakRange&) const = default;
};

// Lowest and highest of n little-endian 16-bit samples at p (any alignment); empty when n is 0.
PeakRange sampleRange(const uchar* p, qint64 n);

// Runs work(0, half) on the calling thread and work(half, count) on a second thread (reading a
// cached file and scanning it keep two cores busy), half = count / 2. True when both returned true.
bool scanInTwoHalves(qint64 count, const std::function<bool(qint64 first, qint64 last)>& work);
