// "Play selection" with effects: the real transcoder renders the selection with the chain a save
// would use, into the private WAV that is then played.
#include "coder/CoderHarness.h"
#include "support/Recorders.h"
#include "transcode/SelectionPreview.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace coder_test;

namespace {

struct PreviewRig {
    QTemporaryDir dir;
    RecordingMessageBoxes boxes;
    EffectsSettings effects;
    QString wav = dir.filePath("open-7.wav");
    QString preview = dir.filePath("preview-7.wav");
    std::unique_ptr<SelectionPreview> renderer =
        std::make_unique<SelectionPreview>(boxes, coderPath(), wav, preview, effects);

    explicit PreviewRig(int seconds)
    {
        EXPECT_TRUE(ffmpeg({"-f", "lavfi", "-i",
                            QString("aevalsrc='0.5*sin(2*PI*440*t)':s=44100:d=%1:c=stereo").arg(seconds), "-c:a",
                            "pcm_s16le", wav}));
    }
};

TEST(SelectionPreview, WithEveryEffectOffTheDecodedSoundPlays)
{
    PreviewRig r(4);
    EXPECT_EQ(r.renderer->prepare(1000, 3000), QString());
    r.effects.fadeInMs = 1000;
    EXPECT_EQ(r.renderer->prepare(3000, 3000), QString());  // no end set: nothing to render
    EXPECT_FALSE(QFile::exists(r.preview));
    EXPECT_TRUE(r.boxes.shown.empty());
}

TEST(SelectionPreview, RendersTheSelectionAsASaveWouldWriteIt)
{
    PreviewRig r(40);
    r.effects = EffectsSettings{500, 500, 0};
    ASSERT_EQ(r.renderer->prepare(2000, 7000), r.preview);
    const WavData faded = readWav(r.preview);
    ASSERT_EQ(faded.samples.size(), 5u * 44100u * 2u);
    const auto peak = [&](std::size_t from) {
        int p = 0;
        for (std::size_t i = from * 2; i < (from + 441) * 2; ++i)
            p = std::max(p, std::abs(static_cast<int>(faded.samples[i])));
        return p;
    };
    EXPECT_LT(peak(0), 328);             // the first 10 ms under -40 dBFS
    EXPECT_LT(peak(5 * 44100 - 441), 328);  // and the last
    EXPECT_GT(peak(2 * 44100), 16000);     // the middle as loud as the source

    // The settings window changed the effects meanwhile: the next play renders with them.
    r.effects = EffectsSettings{0, 0, -23};
    QElapsedTimer t;
    t.start();
    ASSERT_EQ(r.renderer->prepare(5000, 35000), r.preview);
    std::printf("    a 30 s selection at -23 LUFS rendered in %lld ms\n", static_cast<long long>(t.elapsed()));
    EXPECT_EQ(readWav(r.preview).samples.size(), 30u * 44100u * 2u);
    EXPECT_NEAR(judgeLoudness(r.preview).integrated, -23, 1.0);

    r.renderer->discard();
    EXPECT_FALSE(QFile::exists(r.preview));
    ASSERT_EQ(r.renderer->prepare(5000, 10000), r.preview);
    r.renderer.reset();  // the program ends: its preview goes with it
    EXPECT_FALSE(QFile::exists(r.preview));
    EXPECT_TRUE(r.boxes.shown.empty());
}

TEST(SelectionPreview, AFailedRenderingIsToldAndNothingPlays)
{
    PreviewRig r(3);
    r.effects.loudnessLufs = -16;
    ASSERT_EQ(r.renderer->prepare(0, 2000), r.preview);
    QFile::remove(r.wav);  // the decoded sound is gone
    EXPECT_EQ(r.renderer->prepare(0, 2000), std::nullopt);
    ASSERT_EQ(r.boxes.shown.size(), 1u);
    EXPECT_TRUE(r.boxes.shown[0].text.startsWith("Could not prepare the selection"));
    EXPECT_TRUE(r.boxes.shown[0].text.contains("open-7.wav")) << r.boxes.shown[0].text.toStdString();
    EXPECT_FALSE(QFile::exists(r.preview));  // the old preview does not pass for the new one
}

} // namespace
