#include "timeline/WaveformPeaks.h"

#include "platform/WavFile.h"

#include <QtEndian>

#include <algorithm>
#include <thread>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

struct Range {
    qint16 low = 32767;
    qint16 high = -32768;
};

// Lowest and highest of n little-endian 16-bit samples at p (any alignment).
Range scan(const uchar* p, qint64 n)
{
    Range r;
    qint64 i = 0;
#if defined(__SSE2__) && Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    __m128i lo0 = _mm_set1_epi16(32767), lo1 = lo0, hi0 = _mm_set1_epi16(-32768), hi1 = hi0;
    for (; i + 16 <= n; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 2 * i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 2 * i + 16));
        lo0 = _mm_min_epi16(lo0, a);
        hi0 = _mm_max_epi16(hi0, a);
        lo1 = _mm_min_epi16(lo1, b);
        hi1 = _mm_max_epi16(hi1, b);
    }
    alignas(16) qint16 lows[8], highs[8];
    _mm_store_si128(reinterpret_cast<__m128i*>(lows), _mm_min_epi16(lo0, lo1));
    _mm_store_si128(reinterpret_cast<__m128i*>(highs), _mm_max_epi16(hi0, hi1));
    for (int k = 0; k < 8; ++k) {
        r.low = std::min(r.low, lows[k]);
        r.high = std::max(r.high, highs[k]);
    }
#endif
    for (; i < n; ++i) {
        const qint16 s = qFromLittleEndian<qint16>(p + 2 * i);
        r.low = std::min(r.low, s);
        r.high = std::max(r.high, s);
    }
    return r;
}

constexpr qint64 kBlockBytes = 1 << 20;  // per read: large enough to stream, small enough to cache

// Fills columns [first, last) of `out`, reading each column's frames in large blocks;
// false when cancelled or on a read error.
bool scanColumns(const WavFile& wav, int columns, int first, int last, WaveformPeaks& out,
                 const std::atomic<bool>* cancel)
{
    const WavFormat& f = wav.format();
    const qint64 blockFrames = std::max<qint64>(1, kBlockBytes / f.blockAlign);
    std::vector<uchar> block(size_t(blockFrames * f.blockAlign));
    for (int c = first; c < last; ++c) {
        const qint64 from = f.frames * c / columns;
        const qint64 to = f.frames * (c + 1) / columns;
        Range r;
        if (to == from)
            r.low = r.high = 0;
        for (qint64 at = from; at < to;) {
            if (cancel && cancel->load(std::memory_order_relaxed))
                return false;
            const qint64 got = wav.readFrames(at, block.data(), std::min(blockFrames, to - at));
            if (got <= 0)
                return false;
            const Range part = scan(block.data(), got * f.channels);
            r.low = std::min(r.low, part.low);
            r.high = std::max(r.high, part.high);
            at += got;
        }
        out.low[size_t(c)] = r.low;
        out.high[size_t(c)] = r.high;
    }
    return true;
}

}  // namespace

WaveformPeaks computePeaks(const QString& wavPath, int columns, const std::atomic<bool>* cancel)
{
    if (columns < 1)
        return {};
    const std::unique_ptr<WavFile> wav = WavFile::open(wavPath);
    if (!wav)
        return {};
    const WavFormat f = wav->format();
    WaveformPeaks peaks;
    peaks.low.assign(size_t(columns), 0);
    peaks.high.assign(size_t(columns), 0);
    if (f.frames == 0)
        return peaks;

    // Two halves at once: reading a cached file and scanning it keep two cores busy.
    const int half = columns / 2;
    bool secondDone = true;
    std::thread second([&] { secondDone = scanColumns(*wav, columns, half, columns, peaks, cancel); });
    const bool firstDone = scanColumns(*wav, columns, 0, half, peaks, cancel);
    second.join();
    if (!firstDone || !secondDone || (cancel && cancel->load()))
        return {};
    return peaks;
}

QImage renderWaveform(const WaveformPeaks& peaks, QSize size, const WaveformColours& colours)
{
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const int n = peaks.columns();
    if (n == 0)
        return image;
    const int w = size.width();
    const int h = size.height();
    const QRgb fill = qPremultiply(colours.fill.rgba());
    const QRgb edge = colours.edge.isValid() ? qPremultiply(colours.edge.rgba()) : fill;
    auto row = [h](int s) { return int((qint64(32767) - s) * (h - 1) / 65535); };
    for (int x = 0; x < w; ++x) {
        const int c0 = int(qint64(x) * n / w);
        const int c1 = std::max(c0 + 1, int(qint64(x + 1) * n / w));
        const qint16 low = *std::min_element(peaks.low.begin() + c0, peaks.low.begin() + c1);
        const qint16 high = *std::max_element(peaks.high.begin() + c0, peaks.high.begin() + c1);
        const int top = row(high);
        const int bottom = row(low);
        for (int y = top; y <= bottom; ++y)
            reinterpret_cast<QRgb*>(image.scanLine(y))[x] = (y == top || y == bottom) ? edge : fill;
    }
    return image;
}
