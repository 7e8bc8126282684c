// What the encoded outputs hold: the source's channel layout and samples, WMA content on its
// second, and the encoder's real settings when it cannot start.
#include "coder/CoderHarness.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

using namespace coder_test;

namespace {

class EncodedFileSink : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
    }
    static void TearDownTestSuite() { dir_.reset(); }

    static QString path(const QString& name) { return dir_->filePath(name); }

    // One second of a layout whose channels all differ, so a swap, a silent channel or a mix shows.
    static QString makeLayout(const QString& layout, int channels)
    {
        QStringList exprs;
        for (int c = 0; c < channels; ++c)
            exprs << QString("(0.1+0.08*%1)*sin(2*PI*(220+97*%1)*t)").arg(c);
        const QString name = path("in-" + layout + ".wav");
        EXPECT_TRUE(ffmpeg({"-f", "lavfi", "-i", "aevalsrc=exprs=" + exprs.join('|') + ":c=" + layout + ":s=44100:d=1",
                            "-c:a", "pcm_s16le", name}));
        return name;
    }

    static std::unique_ptr<QTemporaryDir> dir_;
};

std::unique_ptr<QTemporaryDir> EncodedFileSink::dir_;

TEST_F(EncodedFileSink, DecodingAndCuttingKeepTheSourcesChannelLayoutBitForBit)
{
    struct Case {
        const char* layout;
        int channels;
    };
    for (const Case& c : {Case{"quad", 4}, Case{"3.1", 4}, Case{"6.0", 6}}) {
        const QString in = makeLayout(c.layout, c.channels);
        ASSERT_EQ(probeStream(in, "channel_layout"), c.layout);
        const std::vector<std::int16_t> source = decodeSamples(in);

        const QString open = path(QString("open-%1.wav").arg(c.layout));
        const RunResult r = runCoder({"-i", in, "-y", "-vn", open});
        ASSERT_EQ(r.exitCode, 0) << r.output.constData();
        EXPECT_EQ(probeStream(open, "channel_layout"), c.layout);
        EXPECT_TRUE(decodeSamples(open) == source) << c.layout;

        const QString cut = path(QString("cut-%1.wav").arg(c.layout));
        ASSERT_EQ(runCoder({"-i", open, "-ss", "0.25", "-t", "0.5", "-y", cut}).exitCode, 0);
        EXPECT_EQ(probeStream(cut, "channel_layout"), c.layout);
        const auto from = source.begin() + 11025 * c.channels;
        EXPECT_TRUE(decodeSamples(cut) == std::vector<std::int16_t>(from, from + 22050 * c.channels)) << c.layout;

        // Another channel count is a mix to that count's usual layout.
        const QString stereo = path(QString("stereo-%1.wav").arg(c.layout));
        ASSERT_EQ(runCoder({"-i", open, "-t", "0.5", "-y", "-ac", "2", stereo}).exitCode, 0);
        EXPECT_EQ(probeStream(stereo, "channels"), "2");
    }
}

TEST_F(EncodedFileSink, WmaCutsStartOnTheirSecond)
{
    // A 50 ms burst at 13.000 s of a 16 s stereo WAV, as the window cuts it from 12 s.
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "aevalsrc=exprs='between(t,13,13.05)*0.8*sin(2*PI*1000*(t-13))':s=44100:d=16",
                        "-ac", "2", "-c:a", "pcm_s16le", path("burst.wav")}));
    for (const char* codec : {"wmav1", "wmav2"}) {
        const QString out = path(QString("burst-%1.wma").arg(codec));
        const RunResult r = runCoder({"-i", path("burst.wav"), "-ss", "12", "-t", "3", "-y", "-acodec", codec, out});
        ASSERT_EQ(r.exitCode, 0) << r.output.constData();
        const std::vector<std::int16_t> decoded = decodeSamples(out);
        ASSERT_FALSE(decoded.empty());
        int peak = 0;
        for (std::int16_t s : decoded)
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        std::size_t onset = 0;
        while (onset < decoded.size() && std::abs(static_cast<int>(decoded[onset])) < peak / 4)
            ++onset;
        EXPECT_NEAR(static_cast<double>(onset / 2) / 44100, 1.0, 0.010) << codec;
        EXPECT_NEAR(static_cast<double>(decoded.size() / 2), 3.0 * 44100, 2048) << codec;
    }
}

TEST_F(EncodedFileSink, AnEncoderThatCannotStartSaysWhatItWasAskedFor)
{
    const QString in = makeLayout("stereo", 2);
    const RunResult r = runCoder({"-i", in, "-y", "-ar", "8000", "-ab", "1k", path("low.wma")});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.output.contains("low.wma: cannot start the wmav2 encoder at 8000 Hz, 2 channel(s) (Invalid argument)"))
        << r.output.constData();
}

} // namespace
