#pragma once
#include <QColor>
#include <QImage>
#include <QMetaType>
#include <QSize>
#include <QString>

#include <atomic>
#include <vector>

// The envelope of a sound across the timeline: for each column, the lowest and the highest
// sample of every channel in that column's stretch of time. Empty when it could not be made.
struct WaveformPeaks {
    std::vector<qint16> low;
    std::vector<qint16> high;

    int columns() const { return int(low.size()); }
    bool isEmpty() const { return low.empty(); }
};
Q_DECLARE_METATYPE(WaveformPeaks)

// Scans the 16-bit PCM WAV at `wavPath` (RIFF or RF64) in large sequential reads, splitting
// the columns between two threads. Column c covers frames [c * n / columns, (c + 1) * n / columns)
// of the n frames; a column with no frames (fewer frames than columns) holds 0 and 0.
// Returns empty peaks when the file cannot be read or is no such WAV, when columns < 1, or when
// `cancel` was set before the scan finished.
WaveformPeaks computePeaks(const QString& wavPath, int columns, const std::atomic<bool>* cancel = nullptr);

// Colours of a drawn envelope: `fill` for each column's span, `edge` (when valid) for its
// topmost and bottommost pixel.
struct WaveformColours {
    QColor fill;
    QColor edge;
};

// Draws the envelope into a transparent ARGB image of `size` logical pixels at `dpr` device
// pixels each (size x dpr pixels rounded up, its device pixel ratio set to dpr): one vertical
// span per pixel column, from the row of the column's highest sample to the row of its lowest,
// where sample s lies on row (32767 - s) * (height - 1) / 65535 (integer division; width and
// height in the image's own pixels), so +32767 is row 0 and -32768 the last row. Peaks with
// more columns than pixels are merged, fewer are stretched. Empty peaks give an image with
// nothing drawn; an empty size or dpr <= 0 a null image.
QImage renderWaveform(const WaveformPeaks& peaks, QSize size, const WaveformColours& colours, qreal dpr = 1);

// A transparent ARGB image of an envelope being drawn column by column, in the look above:
// `size` logical pixels at `dpr` device pixels each; columns and rows count the image's own
// pixels. Owns the image until take(); an empty size or dpr <= 0 gives a null image.
class EnvelopeCanvas {
public:
    EnvelopeCanvas(QSize size, const WaveformColours& colours, qreal dpr = 1);
    bool isNull() const { return image_.isNull(); }
    int width() const { return image_.width(); }
    // The span of pixel column x from the row of `high` to the row of `low` (low <= high).
    void drawColumn(int x, qint16 low, qint16 high);
    QImage take() { return std::move(image_); }

private:
    QImage image_;
    QRgb fill_;
    QRgb edge_;
};
