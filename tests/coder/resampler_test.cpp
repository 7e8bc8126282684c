// Which channel layouts can be converted, and what a conversion that cannot be set up says.
#include "coder/Resampler.h"

#include <gtest/gtest.h>

extern "C" {
#include <libavutil/channel_layout.h>
}

using namespace coder;

namespace {

AVChannelLayout unspecified(int channels)
{
    AVChannelLayout l{};
    l.order = AV_CHANNEL_ORDER_UNSPEC;
    l.nb_channels = channels;
    return l;
}

ChannelLayout fromMask(std::uint64_t mask)
{
    AVChannelLayout l{};
    av_channel_layout_from_mask(&l, mask);
    return ChannelLayout(l);
}

TEST(Resampler, LayoutsWithSpeakersOrAUsualLayoutCanBeMixedDown)
{
    const ChannelLayout mono = ChannelLayout::defaultFor(1);
    EXPECT_TRUE(Resampler::canConvert(unspecified(4), mono.get()));
    EXPECT_TRUE(Resampler::canConvert(unspecified(8), mono.get()));
    EXPECT_FALSE(Resampler::canConvert(unspecified(10), mono.get()));
    // Ten channels with speaker positions: 7.1 with two height channels.
    const ChannelLayout tenWithSpeakers = fromMask(AV_CH_LAYOUT_7POINT1 | AV_CH_TOP_FRONT_LEFT | AV_CH_TOP_FRONT_RIGHT);
    ASSERT_EQ(tenWithSpeakers.channels(), 10);
    EXPECT_TRUE(Resampler::canConvert(tenWithSpeakers.get(), mono.get()));
    EXPECT_TRUE(Resampler::canConvert(unspecified(10), unspecified(10)));
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
