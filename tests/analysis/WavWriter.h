// Writes 16-bit PCM WAV files for the analysis tests and benchmark, in pieces, so that an
// hour-long file never sits in memory.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

namespace songgen {

// Owns the open file; the header's sizes are written by close() (or the destructor).
class WavWriter {
public:
    // extensible: write the WAVE_FORMAT_EXTENSIBLE header instead of the plain one; extraChunk:
    // put a LIST chunk between the format and the data, as some writers do.
    WavWriter(const std::string& path, int sampleRate, int channels, bool extensible = false,
              bool extraChunk = false);
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    bool ok() const { return file_ != nullptr; }
    // Appends interleaved samples (a whole number of frames).
    void append(std::span<const std::int16_t> samples);
    // Fixes up the sizes and closes; returns false when anything failed to write.
    bool close();

private:
    std::FILE* file_ = nullptr;
    std::int64_t dataStart_ = 0;
    std::int64_t dataBytes_ = 0;
    bool failed_ = false;
};

// Writes a whole file at once; returns false on failure.
bool writeWav(const std::string& path, std::span<const std::int16_t> samples, int sampleRate, int channels);

} // namespace songgen
