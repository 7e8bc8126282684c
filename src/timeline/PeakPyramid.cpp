#include "timeline/PeakPyramid.h"

#include "platform/WavFile.h"

#include <cmath>

namespace {

constexpr int kBlocksPerSecond = 200;
constexpr qint64 kReadBytes = 1 << 20;  // per read, as the column scan

constexpr qint64 kSplitBytes = 4 << 20;  // less than this is read on one thread

// Fills out[0, last - first) from the WAV, reading whole blocks about 1 MB at a time;
// false when cancelled or on a read error.
bool scanBlocks(const WavFile& wav, qint64 frames, int blockFrames, qint64 first, qint64 last, PeakRange* out,
                const std::atomic<bool>* cancel)
{
    const int channels = wav.format().channels;
    const qint64 blockBytes = qint64(blockFrames) * channels * 2;
    const qint64 blocksPerRead = std::max<qint64>(1, kReadBytes / blockBytes);
    std::vector<uchar> buffer(size_t(blocksPerRead * blockBytes));
    for (qint64 b = first; b < last; b += blocksPerRead) {
        if (cancel && cancel->load(std::memory_order_relaxed))
            return false;
        const qint64 count = std::min(blocksPerRead, last - b);
        const qint64 from = b * blockFrames;
        const qint64 n = std::min(count * blockFrames, frames - from);
        if (n <= 0 || wav.readFrames(from, buffer.data(), n) != n)
            return false;
        for (qint64 i = 0; i < count; ++i) {
            const qint64 inBlock = std::min<qint64>(blockFrames, n - i * blockFrames);
            out[b - first + i] = sampleRange(buffer.data() + i * blockBytes, inBlock * channels);
        }
    }
    return true;
}

}  // namespace

PeakPyramid::PeakPyramid(int sampleRate, qint64 frames, int blockFrames, std::vector<PeakRange> base)
    : sampleRate_(sampleRate), frames_(frames), blockFrames_(std::max(1, blockFrames))
{
    if (base.empty())
        return;
    levels_.push_back(std::move(base));
    while (levels_.back().size() > 1) {
        const std::vector<PeakRange>& below = levels_.back();
        std::vector<PeakRange> level((below.size() + 1) / 2);
        for (size_t i = 0; i < level.size(); ++i) {
            level[i] = below[2 * i];
            if (2 * i + 1 < below.size())
                level[i].merge(below[2 * i + 1]);
        }
        levels_.push_back(std::move(level));
    }
}

void PeakPyramid::extend(const std::vector<PeakRange>& more, qint64 frames)
{
    frames_ = frames;
    if (more.empty())
        return;
    if (levels_.empty())
        levels_.emplace_back();
    size_t changed = levels_[0].size();  // the first entry of the level that is new or changed
    levels_[0].insert(levels_[0].end(), more.begin(), more.end());
    for (size_t level = 0; levels_[level].size() > 1; ++level) {
        if (level + 1 == levels_.size())
            levels_.emplace_back();
        const std::vector<PeakRange>& below = levels_[level];
        std::vector<PeakRange>& above = levels_[level + 1];
        changed /= 2;
        above.resize((below.size() + 1) / 2);
        for (size_t i = changed; i < above.size(); ++i) {
            above[i] = below[2 * i];
            if (2 * i + 1 < below.size())
                above[i].merge(below[2 * i + 1]);
        }
    }
}

PeakRange PeakPyramid::range(qint64 first, qint64 last) const
{
    PeakRange r;
    if (isEmpty())
        return r;
    first = std::max<qint64>(first, 0);
    last = std::min(last, blocks(0));
    // Bottom-up: an odd edge is taken at its level, the rest lies in whole entries one level up.
    for (size_t level = 0; first < last; ++level) {
        const std::vector<PeakRange>& entries = levels_[level];
        if (first & 1)
            r.merge(entries[size_t(first++)]);
        if (last & 1)
            r.merge(entries[size_t(--last)]);
        first >>= 1;
        last >>= 1;
    }
    return r;
}

int pyramidBlockFrames(int sampleRate)
{
    return std::max(1, sampleRate / kBlocksPerSecond);
}

bool scanPyramidBlocks(const WavFile& wav, qint64 frames, int blockFrames, qint64 first, qint64 last,
                       PeakRange* out, const std::atomic<bool>* cancel)
{
    if (last <= first)
        return true;
    const qint64 bytes = (last - first) * blockFrames * wav.format().blockAlign;
    if (bytes < kSplitBytes)
        return scanBlocks(wav, frames, blockFrames, first, last, out, cancel);
    return scanInTwoHalves(last - first, [&](qint64 a, qint64 b) {
        return scanBlocks(wav, frames, blockFrames, first + a, first + b, out + a, cancel);
    });
}

PeakPyramid buildPeakPyramid(const QString& wavPath, const std::atomic<bool>* cancel)
{
    const std::unique_ptr<WavFile> wav = WavFile::open(wavPath);
    if (!wav)
        return {};
    const WavFormat f = wav->format();
    if (f.frames == 0)
        return {};
    const int blockFrames = pyramidBlockFrames(f.sampleRate);
    const qint64 blocks = (f.frames + blockFrames - 1) / blockFrames;
    std::vector<PeakRange> base(static_cast<size_t>(blocks));
    const bool done = scanInTwoHalves(blocks, [&](qint64 first, qint64 last) {
        return scanBlocks(*wav, f.frames, blockFrames, first, last, base.data() + first, cancel);
    });
    if (!done || (cancel && cancel->load()))
        return {};
    return PeakPyramid(f.sampleRate, f.frames, blockFrames, std::move(base));
}

QImage renderWaveform(const PeakPyramid& pyramid, const TimelineView& view, QSize size, const WaveformColours& colours,
                      qreal dpr)
{
    EnvelopeCanvas canvas(size, colours, dpr);
    if (pyramid.isEmpty() || canvas.isNull() || !(view.span > 0))
        return canvas.take();
    const int w = canvas.width();
    const qint64 blocks = pyramid.blocks(0);
    const double blocksPerSecond = double(pyramid.sampleRate()) / pyramid.blockFrames();
    auto boundary = [&](int x) {
        const double t = view.start + view.span * x / w;
        return std::llround(std::clamp(t * blocksPerSecond, -1.0, double(blocks) + 1));
    };
    qint64 next = boundary(0);
    for (int x = 0; x < w; ++x) {
        const qint64 first = next;
        next = boundary(x + 1);
        // Outside the sound the range is empty and the column stays clear.
        const PeakRange r = pyramid.range(first, std::max(first + 1, next));
        if (!r.isEmpty())
            canvas.drawColumn(x, r.low, r.high);
    }
    return canvas.take();
}
