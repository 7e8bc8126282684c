// Where the analysis reads a song from: 16-bit PCM in any rate and 1 to 8 channels, pulled in
// pieces so that a long file never has to sit in memory whole.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace analysis {

// The audio of one file as the analysis pulls it. Implementations read from wherever the
// caller keeps the samples (a WAV on disk, a buffer, a decoder). The analysis calls read() from
// its own thread only, with ascending or random positions, never concurrently.
class AudioSource {
public:
    virtual ~AudioSource() = default;

    // Frames per second (> 0).
    virtual int sampleRate() const = 0;
    // Samples per frame, 1 to 8.
    virtual int channels() const = 0;
    // Frames in the file (>= 0).
    virtual std::int64_t frameCount() const = 0;

    // Writes frames [first, first + count) as interleaved samples, count * channels() values,
    // to out; the caller guarantees 0 <= first and first + count <= frameCount(). Returns
    // false when the frames cannot be read (the analysis then stops and says so).
    virtual bool read(std::int64_t first, std::int64_t count, std::int16_t* out) = 0;
};

// A source over interleaved samples that the caller keeps alive; owns nothing.
class MemorySource : public AudioSource {
public:
    // samples.size() must be a multiple of channels; trailing partial frames are ignored.
    MemorySource(std::span<const std::int16_t> samples, int sampleRate, int channels);

    int sampleRate() const override { return rate_; }
    int channels() const override { return channels_; }
    std::int64_t frameCount() const override { return frames_; }
    bool read(std::int64_t first, std::int64_t count, std::int16_t* out) override;

private:
    std::span<const std::int16_t> samples_;
    int rate_;
    int channels_;
    std::int64_t frames_;
};

// A 16-bit PCM WAV file read with pread(); owns the file descriptor. Understands the plain
// and the extensible format header, skips other chunks, and tolerates a data size that runs
// past the end of the file (as streaming writers leave it).
class WavFileSource : public AudioSource {
public:
    // Opens path; returns nullptr when it cannot be opened or is no 16-bit PCM WAV with 1 to 8
    // channels (error, when given, then tells why).
    static std::unique_ptr<WavFileSource> open(const std::string& path, std::string* error = nullptr);
    ~WavFileSource() override;
    WavFileSource(const WavFileSource&) = delete;
    WavFileSource& operator=(const WavFileSource&) = delete;

    int sampleRate() const override { return rate_; }
    int channels() const override { return channels_; }
    std::int64_t frameCount() const override { return frames_; }
    bool read(std::int64_t first, std::int64_t count, std::int16_t* out) override;

private:
    WavFileSource(int fd, int rate, int channels, std::int64_t dataOffset, std::int64_t frames);

    int fd_;
    int rate_;
    int channels_;
    std::int64_t dataOffset_;
    std::int64_t frames_;
};

} // namespace analysis
