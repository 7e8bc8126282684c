#pragma once
#include "timeline/PeakScan.h"
#include "timeline/TimelineView.h"
#include "timeline/WaveformPeaks.h"

#include <QImage>
#include <QMetaType>
#include <QSize>
#include <QString>

#include <atomic>
#include <memory>
#include <vector>

// The envelope of a whole sound at every zoom: level 0 holds the lowest and highest sample (of
// every channel) per block of `blockFrames` frames, block i covering frames
// [i x blockFrames, (i + 1) x blockFrames) (the last block may be shorter); each next level
// halves the one below, entry i merging entries 2i and 2i + 1, up to a single entry. Empty when
// it could not be made. Owns its levels (about 8 bytes per block in all).
class PeakPyramid {
public:
    PeakPyramid() = default;
    // Builds the levels above `base`, which must hold ceil(frames / blockFrames) blocks.
    PeakPyramid(int sampleRate, qint64 frames, int blockFrames, std::vector<PeakRange> base);

    // Appends base blocks after the present ones and brings the levels above up to date,
    // recomputing only the entries that cover new blocks; `frames` becomes the frames the base
    // covers. Same result as building at once from all the base blocks. A sound still being
    // written grows this way by whole blocks, the shorter last block coming only at its end.
    void extend(const std::vector<PeakRange>& more, qint64 frames);

    bool isEmpty() const { return levels_.empty(); }
    int sampleRate() const { return sampleRate_; }
    // The frames the pyramid covers: of a sound still being written, the part scanned so far
    // (what lies beyond is still to come).
    qint64 frames() const { return frames_; }
    int blockFrames() const { return blockFrames_; }
    // The sound's length in seconds, unrounded.
    double seconds() const { return sampleRate_ > 0 ? double(frames_) / sampleRate_ : 0; }

    int levels() const { return int(levels_.size()); }
    qint64 blocks(int level) const { return qint64(levels_[size_t(level)].size()); }
    PeakRange at(int level, qint64 index) const { return levels_[size_t(level)][size_t(index)]; }
    // Lowest and highest sample of the base blocks [first, last), merged from at most two
    // entries per level; empty for an empty range.
    PeakRange range(qint64 first, qint64 last) const;

    bool operator==(const PeakPyramid&) const = default;

private:
    int sampleRate_ = 0;
    qint64 frames_ = 0;
    int blockFrames_ = 1;
    std::vector<std::vector<PeakRange>> levels_;
};
Q_DECLARE_METATYPE(std::shared_ptr<const PeakPyramid>)

// Frames per base block at a sample rate: 200 blocks a second (5 ms; 220 frames at 44.1 kHz),
// at least one frame. At the narrowest view (about 1 s per 100 px) a pixel spans two blocks.
int pyramidBlockFrames(int sampleRate);

class WavFile;
// Fills out[0, last - first) with the base blocks [first, last) of the first `frames` frames
// of `wav` (the last block may be shorter), in reads of about 1 MB, on two threads when there
// is much to read. Returns false when cancelled or on a read error.
bool scanPyramidBlocks(const WavFile& wav, qint64 frames, int blockFrames, qint64 first, qint64 last,
                       PeakRange* out, const std::atomic<bool>* cancel = nullptr);

// Scans the 16-bit PCM WAV at `wavPath` (RIFF or RF64) with the waveform scan's large reads,
// split between two threads, into a pyramid. Returns an empty pyramid when the file cannot be
// read or is no such WAV, or when `cancel` was set before the scan finished. A WAV without
// frames gives an empty pyramid too.
PeakPyramid buildPeakPyramid(const QString& wavPath, const std::atomic<bool>* cancel = nullptr);

// Draws the stretch of the sound that `view` shows (seconds of the sound) into a transparent
// image of `size` logical pixels at `dpr` device pixels each, in the look of renderWaveform():
// the image's pixel column x of w covers the view's times [x, x + 1) x span / w, rounded to
// the nearest block boundaries (at least one block), and is drawn from the lowest to the
// highest sample of those blocks, so a dense screen gets dpr times the columns of detail.
// Columns past the sound's end stay empty. An empty pyramid or view gives an image with
// nothing drawn; an empty size or dpr <= 0 a null image.
QImage renderWaveform(const PeakPyramid& pyramid, const TimelineView& view, QSize size,
                      const WaveformColours& colours, qreal dpr = 1);
