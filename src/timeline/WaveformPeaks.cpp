#include "timeline/WaveformPeaks.h"

#include "platform/WavFile.h"
#include "timeline/PeakScan.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

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
        PeakRange r;
        if (to == from)
            r.low = r.high = 0;
        for (qint64 at = from; at < to;) {
            if (cancel && cancel->load(std::memory_order_relaxed))
                return false;
            const qint64 got = wav.readFrames(at, block.data(), std::min(blockFrames, to - at));
            if (got <= 0)
                return false;
            r.merge(sampleRange(block.data(), got * f.channels));
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

    const bool done = scanInTwoHalves(columns, [&](qint64 first, qint64 last) {
        return scanColumns(*wav, columns, int(first), int(last), peaks, cancel);
    });
    if (!done || (cancel && cancel->load()))
        return {};
    return peaks;
}

EnvelopeCanvas::EnvelopeCanvas(QSize size, const WaveformColours& colours, qreal dpr)
    : fill_(qPremultiply(colours.fill.rgba())),
      edge_(colours.edge.isValid() ? qPremultiply(colours.edge.rgba()) : fill_)
{
    if (size.isEmpty() || !(dpr > 0))
        return;
    image_ = QImage(QSize(int(std::ceil(size.width() * dpr)), int(std::ceil(size.height() * dpr))),
                    QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(dpr);
    image_.fill(Qt::transparent);
}

void EnvelopeCanvas::drawColumn(int x, qint16 low, qint16 high)
{
    const int h = image_.height();
    auto row = [h](int s) { return int((qint64(32767) - s) * (h - 1) / 65535); };
    const int top = row(high);
    const int bottom = row(low);
    for (int y = top; y <= bottom; ++y)
        reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = (y == top || y == bottom) ? edge_ : fill_;
}

QImage renderWaveform(const WaveformPeaks& peaks, QSize size, const WaveformColours& colours, qreal dpr)
{
    EnvelopeCanvas canvas(size, colours, dpr);
    const int n = peaks.columns();
    if (n == 0 || canvas.isNull())
        return canvas.take();
    const int w = canvas.width();
    for (int x = 0; x < w; ++x) {
        const int c0 = int(qint64(x) * n / w);
        const int c1 = std::max(c0 + 1, int(qint64(x + 1) * n / w));
        const qint16 low = *std::min_element(peaks.low.begin() + c0, peaks.low.begin() + c1);
        const qint16 high = *std::max_element(peaks.high.begin() + c0, peaks.high.begin() + c1);
        canvas.drawColumn(x, low, high);
    }
    return canvas.take();
}
