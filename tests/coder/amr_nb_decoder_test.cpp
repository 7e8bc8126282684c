// Phone recordings with discontinuous transmission: besides speech they hold comfort-noise
// (SID) and no-data frames, and every frame, whatever its type, is 20 ms of sound.
#include "coder/AmrNbDecoder.h"
#include "coder/CoderHarness.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace coder_test;

namespace {

constexpr char sidHeader = 0x44;     // frame type 8, quality bit set
constexpr char noDataHeader = 0x7C;  // frame type 15, quality bit set

class AmrNbDecoding : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        // 863 frames of 20 ms: a voice-like warble, encoded by coder itself at 7.4k.
        ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i",
                            "aevalsrc=exprs='0.4*sin(2*PI*(300+200*sin(2*PI*3*t))*t)':s=8000:d=17.26",
                            path("voice.wav")}));
        const RunResult r = runCoder({"-i", path("voice.wav"), "-y", "-ar", "8000", "-ab", "7.4k", "-ac", "1",
                                      path("voice.amr")});
        ASSERT_EQ(r.exitCode, 0) << r.output.constData();
    }
    static void TearDownTestSuite() { dir_.reset(); }

    static QString path(const QString& name) { return dir_->filePath(name); }

    // The frames of a storage-format file, each with its header byte.
    static std::vector<QByteArray> framesOf(const QString& name)
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        EXPECT_TRUE(bytes.startsWith("#!AMR\n"));
        std::vector<QByteArray> frames;
        for (qsizetype at = 6; at < bytes.size();) {
            const int n = coder::amrNbFrameBytes(static_cast<std::uint8_t>(bytes[at]));
            frames.push_back(bytes.mid(at, n));
            at += n;
        }
        return frames;
    }

    static void writeAmr(const QString& name, const std::vector<QByteArray>& frames)
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!AMR\n");
        for (const QByteArray& frame : frames)
            f.write(frame);
    }

    static std::unique_ptr<QTemporaryDir> dir_;
};

std::unique_ptr<QTemporaryDir> AmrNbDecoding::dir_;

double energy(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to)
{
    double sum = 0;
    for (std::size_t i = from; i < to && i < s.size(); ++i)
        sum += static_cast<double>(s[i]) * s[i];
    return sum / static_cast<double>(to - from);
}

TEST_F(AmrNbDecoding, ComfortNoiseAndNoDataFramesKeepTheirTwentyMilliseconds)
{
    std::vector<QByteArray> frames = framesOf("voice.amr");
    ASSERT_EQ(frames.size(), 863u);
    // A pause from frame 300 to 599, sent as the codec does: SID updates among no-data frames.
    const QByteArray sid = QByteArray(1, sidHeader) + QByteArray::fromHex("5a3c0f1e20");
    for (std::size_t k = 300; k < 600; ++k)
        frames[k] = k % 8 == 0 ? sid : QByteArray(1, noDataHeader);
    writeAmr("pause.amr", frames);

    const RunResult r = runCoder({"-i", path("pause.amr"), "-y", "-vn", path("pause.wav")});
    ASSERT_EQ(r.exitCode, 0) << r.output.constData();
    EXPECT_FALSE(r.output.contains("warning")) << r.output.constData();
    // The header the window reads for its progress counts the frames too.
    const auto shown = durationField(r.output.left(1024));
    ASSERT_TRUE(shown.has_value()) << r.output.constData();
    EXPECT_DOUBLE_EQ(*shown, 17.26);

    const WavData pause = readWav(path("pause.wav"));
    EXPECT_EQ(pause.sampleRate, 8000);
    EXPECT_EQ(pause.channels, 1);
    ASSERT_EQ(pause.samples.size(), 863u * 160u);

    // Speech before the pause decodes as in the file without it; after it, speech resumes.
    ASSERT_EQ(runCoder({"-i", path("voice.amr"), "-y", "-vn", path("voice-decoded.wav")}).exitCode, 0);
    const WavData voice = readWav(path("voice-decoded.wav"));
    ASSERT_EQ(voice.samples.size(), 863u * 160u);
    EXPECT_TRUE(std::equal(voice.samples.begin(), voice.samples.begin() + 300 * 160, pause.samples.begin()));
    const double speech = energy(voice.samples, 0, 300 * 160);
    EXPECT_LT(energy(pause.samples, 320 * 160, 600 * 160), speech / 10);
    EXPECT_GT(energy(pause.samples, 620 * 160, 863 * 160), speech / 4);
}

TEST_F(AmrNbDecoding, APacketOfSeveralFramesGivesTwentyMillisecondsEach)
{
    // MP4 and 3GP may store several frames in one packet; a frame cut short is skipped.
    const std::vector<QByteArray> frames = framesOf("voice.amr");
    QByteArray data = frames[10] + QByteArray(1, sidHeader) + QByteArray(5, '\0') + QByteArray(1, noDataHeader) + frames[11];
    data += frames[12].left(7);
    coder::PacketPtr packet = coder::makePacket();
    ASSERT_EQ(av_new_packet(packet.get(), static_cast<int>(data.size())), 0);
    std::memcpy(packet->data, data.constData(), static_cast<std::size_t>(data.size()));

    coder::AmrNbDecoder decoder;
    coder::FramePtr frame = coder::makeFrame();
    EXPECT_EQ(decoder.receive(*frame), AVERROR(EAGAIN));
    EXPECT_EQ(decoder.send(packet.get()), AVERROR_INVALIDDATA);
    ASSERT_EQ(decoder.receive(*frame), 0);
    EXPECT_EQ(frame->nb_samples, 4 * 160);
    EXPECT_EQ(frame->sample_rate, 8000);
    EXPECT_EQ(frame->format, AV_SAMPLE_FMT_S16);
    EXPECT_EQ(decoder.receive(*frame), AVERROR(EAGAIN));
    EXPECT_EQ(decoder.send(nullptr), 0);
    EXPECT_EQ(decoder.receive(*frame), AVERROR_EOF);
}

TEST_F(AmrNbDecoding, WidebandComfortNoiseFramesBecomeSilenceOfTheirLength)
{
    // No AMR-WB encoder is at hand: 12.65k speech frames of arbitrary bits (every bit pattern
    // is valid speech), SID (type 9) and no-data frames.
    QByteArray wb = "#!AMR-WB\n";
    std::uint32_t x = 99;
    for (int k = 0; k < 100; ++k) {
        if (k >= 40 && k < 70) {
            wb += k % 8 == 0 ? QByteArray(1, 0x4C) + QByteArray::fromHex("1122334455") : QByteArray(1, noDataHeader);
            continue;
        }
        wb += static_cast<char>(0x14);  // type 2, quality bit
        for (int i = 0; i < 32; ++i) {
            x = x * 1664525u + 1013904223u;
            wb += static_cast<char>(x >> 24);
        }
    }
    QFile f(path("wide.amr"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(wb);
    f.close();
    const RunResult r = runCoder({"-i", path("wide.amr"), "-y", "-vn", path("wide.wav")});
    ASSERT_EQ(r.exitCode, 0) << r.output.constData();
    const WavData w = readWav(path("wide.wav"));
    EXPECT_EQ(w.sampleRate, 16000);
    EXPECT_EQ(w.samples.size(), 100u * 320u);
    const auto shown = durationField(r.output.left(1024));
    ASSERT_TRUE(shown.has_value());
    EXPECT_DOUBLE_EQ(*shown, 2.0);
}

} // namespace
