#include "analysis/SilenceTrim.h"

#include "analysis/MonoReader.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace analysis {

namespace {

constexpr double kFloorDb = -50.0;
constexpr double kBelowPeakDb = 40.0; // a factor of 100
constexpr std::int64_t kBlockFrames = 16384;

// ceil(a / b) and floor(a / b) for a >= 0, b > 0.
std::int64_t ceilDiv(std::int64_t a, std::int64_t b) { return (a + b - 1) / b; }

// Whether frame i of an interleaved block has a sample at or above threshold.
bool sounds(const std::int16_t* block, std::int64_t frame, int channels, int threshold)
{
    for (int c = 0; c < channels; ++c)
        if (std::abs(int(block[frame * channels + c])) >= threshold)
            return true;
    return false;
}

} // namespace

double silenceThresholdDb(int filePeak)
{
    if (filePeak <= 0)
        return -HUGE_VAL;
    return std::min(kFloorDb, 20.0 * std::log10(double(filePeak) / 32768.0) - kBelowPeakDb);
}

int soundThreshold(int filePeak)
{
    // |s| >= 32768 * 10^(-50 / 20) = 103.6 for the fixed floor, |s| >= peak / 100 (40 dB) for
    // the relative one; samples are integers, so both round up. Exact for the relative case.
    const int floorThreshold = int(std::ceil(32768.0 * std::pow(10.0, kFloorDb / 20.0)));
    const int relative = (std::max(filePeak, 0) + 99) / 100;
    return std::max(1, std::min(floorThreshold, relative));
}

std::optional<int> filePeak(AudioSource& source, const std::atomic<bool>* cancel)
{
    const int channels = source.channels();
    std::vector<std::int16_t> block(std::size_t(kBlockFrames * channels));
    int peak = 0;
    for (std::int64_t first = 0; first < source.frameCount(); first += kBlockFrames) {
        if (cancel && cancel->load(std::memory_order_relaxed))
            return std::nullopt;
        const std::int64_t count = std::min(kBlockFrames, source.frameCount() - first);
        if (!source.read(first, count, block.data()))
            return std::nullopt;
        peak = std::max(peak, samplePeak(block.data(), count * channels));
    }
    return peak;
}

std::optional<MsRange> trimSilence(AudioSource& source, MsRange selection, int filePeak)
{
    const std::int64_t rate = source.sampleRate();
    const int channels = source.channels();
    if (selection.beginMs < 0 || selection.endMs < selection.beginMs || rate <= 0)
        return std::nullopt;
    const std::int64_t first = ceilDiv(selection.beginMs * rate, 1000);
    const std::int64_t last = std::min(source.frameCount() - 1, selection.endMs * rate / 1000);
    if (last < first)
        return std::nullopt;
    const int threshold = soundThreshold(filePeak);
    std::vector<std::int16_t> block(std::size_t(kBlockFrames * channels));

    // The first sound frame, from the front.
    std::optional<std::int64_t> begin;
    for (std::int64_t at = first; at <= last && !begin; at += kBlockFrames) {
        const std::int64_t count = std::min(kBlockFrames, last + 1 - at);
        if (!source.read(at, count, block.data()))
            return std::nullopt;
        for (std::int64_t i = 0; i < count; ++i)
            if (sounds(block.data(), i, channels, threshold)) {
                begin = at + i;
                break;
            }
    }
    if (!begin)
        return std::nullopt;
    // The last sound frame, from the back; it exists, at the latest at *begin.
    std::int64_t end = *begin;
    for (std::int64_t stop = last + 1; stop > *begin;) {
        const std::int64_t at = std::max(*begin, stop - kBlockFrames);
        const std::int64_t count = stop - at;
        if (!source.read(at, count, block.data()))
            return std::nullopt;
        std::int64_t found = -1;
        for (std::int64_t i = count - 1; i >= 0; --i)
            if (sounds(block.data(), i, channels, threshold)) {
                found = at + i;
                break;
            }
        if (found >= 0) {
            end = found;
            break;
        }
        stop = at;
    }
    return MsRange{*begin * 1000 / rate, ceilDiv(end * 1000, rate)};
}

} // namespace analysis
