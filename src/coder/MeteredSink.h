// An output that measures the loudness of what it is handed on the way to its encoder.
#pragma once

#include "coder/AudioFilter.h"
#include "coder/AudioSink.h"

namespace coder {

// Passes every frame on to another sink (which it does not own) and through an ebur128 meter
// (which it owns), so that the loudness going into the encoder is known exactly.
class MeteredSink : public AudioSink {
public:
    // Throws CoderError naming `name` when the meter cannot be set up.
    MeteredSink(AudioSink& sink, const std::string& name);

    const SampleShape& shape() const override { return sink_.shape(); }
    void write(AVFrame& frame) override;
    // Completes the measurement; the sink itself is left for its owner to finish.
    void finish() override;
    std::int64_t bytesWritten() const override { return sink_.bytesWritten(); }
    std::string describe() const override { return sink_.describe(); }

    // The integrated loudness, in LUFS, of what was written so far (-70 for silence).
    double integrated() const { return integrated_; }

private:
    void take();

    AudioSink& sink_;
    AudioFilter meter_;
    FramePtr copy_ = makeFrame();
    FramePtr measured_ = makeFrame();
    std::int64_t position_ = 0;
    double integrated_ = -70;
};

} // namespace coder
