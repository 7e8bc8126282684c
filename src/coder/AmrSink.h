// An AMR-NB output in the "#!AMR\n" storage format, encoded with opencore-amrnb.
#pragma once

#include "coder/AudioSink.h"

#include <array>
#include <cstdio>
#include <memory>

namespace coder {

// The AMR-NB mode nearest to a bit rate in bit/s (7400 gives MR74); mode numbers follow the
// codec's table, 0 (4.75k) to 7 (12.2k).
int amrModeForBitRate(std::int64_t bitRate);

// Owns the encoder state and the open file. Takes 8000 Hz mono 16-bit samples in frames of 160.
// The encoder's look-ahead delays what a decoder gives by 40 samples (5 ms); so that the sound
// starts on time, the first 40 samples taken are not encoded (a decoder gives its start-up
// instead of them) and the file is as many frames long as the samples taken fill.
class AmrSink : public AudioSink {
public:
    // Refuses rates other than 8000 Hz and more than one channel; throws CoderError.
    explicit AmrSink(const OutputRequest& request);
    ~AmrSink() override;
    AmrSink(const AmrSink&) = delete;
    AmrSink& operator=(const AmrSink&) = delete;

    const SampleShape& shape() const override { return shape_; }
    void write(AVFrame& frame) override;
    void finish() override;
    std::int64_t bytesWritten() const override { return bytes_; }
    std::string describe() const override;

private:
    struct FileCloser {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    void put(const void* data, std::size_t size);
    void encodeFrame();

    // Samples of the encoder's look-ahead, left out at the start.
    static constexpr int encoderDelay = 40;

    std::string name_;
    std::unique_ptr<std::FILE, FileCloser> file_;
    void* state_ = nullptr;
    int mode_ = 0;
    SampleShape shape_;
    std::int64_t bytes_ = 0;
    std::array<short, 160> speech_{};  // the frame being filled
    int filled_ = 0;
    int delayLeft_ = encoderDelay;
    std::int64_t samplesIn_ = 0;
    std::int64_t framesOut_ = 0;
};

} // namespace coder
