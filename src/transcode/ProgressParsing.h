#pragma once
#include <QString>
#include <cstdint>
#include <optional>

// Reading the transcoder's console output into a progress display. A chunk is whatever one
// read of the pipe delivered; fields split across two chunks are not recognised.

// While `durationSeconds` is 0: collects the text after every "Duration: " of the chunk (up to
// the next space), reads it as hours:minutes:seconds (the seconds may carry a fraction and a
// trailing comma) and stores the rounded total (halves to even). Leaves it 0 when the text is
// not of that form; does nothing when it is already known.
void readDuration(const QString& chunk, std::int32_t& durationSeconds);

// The elapsed time of a chunk's "time=" fields, joined and read as their leading number,
// rounded half to even; nullopt when the chunk has no "time=" field.
std::optional<std::int32_t> readTimeSeconds(const QString& chunk);

// What a progress bar shows: its filled fraction (0..1) and its percent text.
struct ProgressDisplay {
    double fraction = 0;
    QString text;
};

// The display for `elapsed` seconds of `total` seconds (which may carry a fraction): full bar and
// "100%" when the total is unknown (0) or reached; otherwise the fraction and the first four
// characters of the percentage.
ProgressDisplay progressFor(std::int32_t elapsed, double total);

// What a decode writes, as the transcoder's header describes its output stream
// ("Output #0, wav, ..." then "Stream #0:0: Audio: pcm_s16le, 44100 Hz, stereo, s16, 1411 kb/s").
struct PcmOutput {
    int sampleRate = 0;
    int channels = 0;
    bool operator==(const PcmOutput&) const = default;
};

// The 16-bit PCM output stream of a transcoder's header text (all of its first chunks): its rate,
// and its channels from the bit rate (rate x channels x 16 bits). nullopt until the header holds
// such a stream line.
std::optional<PcmOutput> readPcmOutput(const QString& header);

// The line a save prints when the file written misses its loudness target by more than a
// quarter LU ("Loudness: -19.4 LUFS reached, 3.4 LU under the target of -16 LUFS"), without its
// line end; empty when the output holds none.
QString loudnessShortfall(const QString& output);
