// What a conversion that cannot be set up says.
#include "coder/Resampler.h"

#include <gtest/gtest.h>

using namespace coder;

namespace {

AVChannelLayout unspecified(int channels)
{
    AVChannelLayout l{};
    l.order = AV_CHANNEL_ORDER_UNSPEC;
    l.nb_channels = channels;
    return l;
}

TEST(Resampler, AConversionThatCannotBeSetUpNamesTheFileAndTheReason)
{
    FramePtr source = makeFrame();
    source->sample_rate = 44100;
    source->format = AV_SAMPLE_FMT_S16;
    source->ch_layout = unspecified(10);
    SampleShape mono;
    mono.sampleRate = 44100;
    mono.layout = ChannelLayout::defaultFor(1);
    mono.format = AV_SAMPLE_FMT_S16;
    try {
        Resampler r(*source, mono, "/music/ring.mp3");
        FAIL() << "10 unplaced channels were mixed down";
    } catch (const CoderError& e) {
        EXPECT_STREQ(e.what(), "/music/ring.mp3: cannot set up the resampler from 44100 Hz 10 channels s16 to "
                               "44100 Hz mono s16 (Invalid argument)");
    }
}

} // namespace
