#include "timeline/GrowingPyramid.h"

#include "platform/WavFile.h"

#include <memory>
#include <thread>
#include <vector>

namespace {

constexpr qint64 kStepBytes = 8 << 20;  // scanned between two looks at the file and the clock

bool cancelled(const std::atomic<bool>* cancel)
{
    return cancel && cancel->load(std::memory_order_relaxed);
}

// Sleeps for `nap` in short steps, so that a cancel is seen within a few milliseconds.
void napUnlessCancelled(std::chrono::milliseconds nap, const std::atomic<bool>* cancel)
{
    constexpr auto kStep = std::chrono::milliseconds(5);
    for (auto left = nap; left.count() > 0 && !cancelled(cancel); left -= kStep)
        std::this_thread::sleep_for(std::min(left, kStep));
}

// The file once its header is there; nullptr when it cannot be or the wait was cancelled.
std::unique_ptr<WavFile> openWhenWritten(const QString& wavPath, const std::atomic<bool>* cancel,
                                         std::chrono::milliseconds nap)
{
    while (!cancelled(cancel)) {
        WavFile::Error error = WavFile::Error::None;
        std::unique_ptr<WavFile> wav = WavFile::openGrowing(wavPath, &error);
        if (wav || error != WavFile::Error::Incomplete)
            return wav;
        napUnlessCancelled(nap, cancel);
    }
    return nullptr;
}

}  // namespace

PeakPyramid followPeakPyramid(const QString& wavPath, const std::atomic<bool>* cancel,
                              const std::function<void(const PeakPyramid&)>& update, PyramidFollowPace pace)
{
    const std::unique_ptr<WavFile> wav = openWhenWritten(wavPath, cancel, pace.nap);
    if (!wav)
        return {};
    const WavFormat format = wav->format();
    const int blockFrames = pyramidBlockFrames(format.sampleRate);
    const qint64 stepBlocks = std::max<qint64>(1, kStepBytes / (qint64(blockFrames) * format.blockAlign));
    PeakPyramid pyramid(format.sampleRate, 0, blockFrames, {});
    qint64 shownFrames = 0;  // the frames of the last update
    auto lastUpdate = std::chrono::steady_clock::now();
    std::vector<PeakRange> more;

    auto maybeUpdate = [&] {
        const auto now = std::chrono::steady_clock::now();
        if (!update || pyramid.frames() <= shownFrames || now - lastUpdate < pace.updateEvery)
            return;
        update(pyramid);
        shownFrames = pyramid.frames();
        lastUpdate = now;
    };

    while (!cancelled(cancel)) {
        wav->refresh();
        const bool final = wav->isFinal();  // before the frames: until final they only grow
        const qint64 frames = wav->frames();
        if (final && frames < pyramid.frames())
            pyramid = PeakPyramid(format.sampleRate, 0, blockFrames, {});  // the end was no data
        const qint64 have = pyramid.isEmpty() ? 0 : pyramid.blocks(0);
        const qint64 whole = final ? (frames + blockFrames - 1) / blockFrames : frames / blockFrames;
        if (whole > have) {
            // A long backlog (a file found late) is taken in steps, with updates in between.
            const qint64 last = std::min(whole, have + stepBlocks);
            more.resize(size_t(last - have));
            if (!scanPyramidBlocks(*wav, frames, blockFrames, have, last, more.data(), cancel))
                return {};
            pyramid.extend(more, std::min(frames, last * blockFrames));
            if (last < whole || !final)
                maybeUpdate();
            continue;
        }
        if (final)
            return frames == 0 ? PeakPyramid() : pyramid;
        maybeUpdate();
        napUnlessCancelled(pace.nap, cancel);
    }
    return {};
}
