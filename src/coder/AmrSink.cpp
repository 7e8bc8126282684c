#include "coder/AmrSink.h"

#include "coder/ProgressPrinter.h"

extern "C" {
#include <opencore-amrnb/interf_enc.h>
}

#include <cerrno>
#include <cmath>
#include <cstring>

namespace coder {
namespace {

constexpr int amrRate = 8000;
constexpr int amrFrame = 160;
constexpr int amrDefaultMode = 7;  // 12.2k, the codec's best
constexpr std::array<int, 8> modeRates{4750, 5150, 5900, 6700, 7400, 7950, 10200, 12200};
constexpr std::array<const char*, 8> modeNames{"4.75", "5.15", "5.9", "6.7", "7.4", "7.95", "10.2", "12.2"};

} // namespace

int amrModeForBitRate(std::int64_t bitRate)
{
    int best = 0;
    for (int m = 1; m < static_cast<int>(modeRates.size()); ++m) {
        if (std::llabs(modeRates[static_cast<size_t>(m)] - bitRate)
            < std::llabs(modeRates[static_cast<size_t>(best)] - bitRate))
            best = m;
    }
    return best;
}

AmrSink::AmrSink(const OutputRequest& request)
    : name_(request.name)
{
    if (request.sampleRate && *request.sampleRate != amrRate)
        throw CoderError(name_ + ": AMR-NB is 8000 Hz only, not " + std::to_string(*request.sampleRate));
    if (request.channels && *request.channels != 1)
        throw CoderError(name_ + ": AMR-NB is mono only, not " + std::to_string(*request.channels) + " channels");
    if (!request.codecName.empty() && request.codecName != "libopencore_amrnb" && request.codecName != "amr_nb")
        throw CoderError(name_ + ": " + request.codecName + " cannot be stored in amr");
    mode_ = request.bitRate ? amrModeForBitRate(*request.bitRate) : amrDefaultMode;
    shape_.sampleRate = amrRate;
    shape_.layout = ChannelLayout::defaultFor(1);
    shape_.format = AV_SAMPLE_FMT_S16;
    shape_.frameSize = amrFrame;

    file_.reset(std::fopen(request.writePath.c_str(), "wb"));
    if (!file_)
        throw CoderError(name_ + ": cannot write (" + std::strerror(errno) + ")");
    state_ = Encoder_Interface_init(0);
    if (!state_)
        throw CoderError("out of memory");
    static const char magic[] = "#!AMR\n";
    put(magic, sizeof magic - 1);
}

AmrSink::~AmrSink()
{
    if (state_)
        Encoder_Interface_exit(state_);
}

void AmrSink::put(const void* data, std::size_t size)
{
    if (std::fwrite(data, 1, size, file_.get()) != size)
        throw CoderError(name_ + ": cannot write (" + std::strerror(errno) + ")");
    bytes_ += static_cast<std::int64_t>(size);
}

void AmrSink::encodeFrame()
{
    std::array<unsigned char, 64> out{};
    const int size = Encoder_Interface_Encode(state_, static_cast<Mode>(mode_), speech_.data(), out.data(), 0);
    if (size <= 0)
        throw CoderError(name_ + ": AMR encoding failed");
    put(out.data(), static_cast<std::size_t>(size));
    speech_.fill(0);
    filled_ = 0;
    ++framesOut_;
}

void AmrSink::write(AVFrame& frame)
{
    const auto* samples = reinterpret_cast<const short*>(frame.data[0]);
    samplesIn_ += frame.nb_samples;
    for (int i = 0; i < frame.nb_samples; ++i) {
        if (delayLeft_ > 0) {
            --delayLeft_;
            continue;
        }
        speech_[static_cast<std::size_t>(filled_++)] = samples[i];
        if (filled_ == amrFrame)
            encodeFrame();
    }
}

void AmrSink::finish()
{
    // As many whole 20 ms frames as the samples taken fill: the last ones end in silence where
    // the samples taken off the start leave room.
    const std::int64_t frames = (samplesIn_ + amrFrame - 1) / amrFrame;
    while (framesOut_ < frames)
        encodeFrame();
    if (std::fflush(file_.get()) != 0)
        throw CoderError(name_ + ": cannot write (" + std::strerror(errno) + ")");
    std::FILE* f = file_.release();
    if (std::fclose(f) != 0)
        throw CoderError(name_ + ": cannot write (" + std::strerror(errno) + ")");
}

std::string AmrSink::describe() const
{
    return "Output #0, amr, to '" + shownName(name_, maxShownName) + "':\n  Stream #0:0: Audio: amr_nb (opencore-amrnb), 8000 Hz, mono, s16, "
        + modeNames[static_cast<size_t>(mode_)] + " kb/s\n";
}

} // namespace coder
