// Opening and reading an input, in-process: a failed read fails the run, and channels that no
// cut could ever be saved from are refused when the input is opened.
#include "coder/CoderHarness.h"
#include "coder/InputDecoder.h"
#include "coder/Transcoder.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

using namespace coder_test;

namespace {

// The bytes of a buffer, of which reading fails with EIO from failAt on, like a disk with a bad
// block there.
class FailingBytes : public coder::MemoryBytes {
public:
    FailingBytes(const QByteArray& bytes, std::size_t failAt)
        : MemoryBytes(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()))
        , failAt_(failAt)
    {
    }
    int read(std::uint8_t* buf, int size) override
    {
        if (position() >= failAt_)
            return AVERROR(EIO);
        return MemoryBytes::read(buf, static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(size), failAt_ - position())));
    }

private:
    std::size_t failAt_;
};

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

class InputDecoderTest : public ::testing::Test {
protected:
    // Converts bytes, read through a source that fails at failAt, to out.wav in dir.
    int convert(const QByteArray& bytes, std::size_t failAt)
    {
        coder::InputDecoder in("input.wav", std::make_unique<FailingBytes>(bytes, failAt));
        coder::CoderOptions options;
        options.input = "input.wav";
        options.output = dir.filePath("out.wav").toStdString();
        options.overwrite = true;
        coder::ProgressPrinter printer(console.get());
        return coder::transcode(in, options, printer);
    }

    QTemporaryDir dir;
    std::unique_ptr<std::FILE, FileCloser> console{std::tmpfile()};
};

TEST_F(InputDecoderTest, AReadErrorFailsTheRunAndWritesNothing)
{
    const std::vector<std::int16_t> samples = noise(16000 * 10, 8000, 5);
    const QByteArray wav = wavBytes(16000, 1, samples);
    // Read without failing, the same bytes convert whole: the failure below is the read error's.
    ASSERT_EQ(convert(wav, SIZE_MAX), 0);
    EXPECT_TRUE(readWav(dir.filePath("out.wav")).samples == samples);
    ASSERT_TRUE(QFile::remove(dir.filePath("out.wav")));

    try {
        convert(wav, 200000);
        FAIL() << "a read error was taken for the end of the file";
    } catch (const coder::CoderError& e) {
        EXPECT_NE(std::string(e.what()).find("input.wav: read error (Input/output error)"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(InputDecoderTest, ChannelsThatCannotBeMixedDownAreRefusedAtOpen)
{
    // Without speaker positions, up to 8 channels take the usual layout of their count; 10
    // have none, so neither MP3, WMA nor AMR could ever be saved from them.
    const QByteArray eight = wavBytes(8000, 8, noise(8 * 800, 1000, 1));
    const coder::InputDecoder opened("eight.wav", std::make_unique<coder::MemoryBytes>(
        reinterpret_cast<const std::uint8_t*>(eight.constData()), static_cast<std::size_t>(eight.size())));
    EXPECT_EQ(opened.decoder().layout().channels(), 8);

    const QByteArray ten = wavBytes(8000, 10, noise(10 * 800, 1000, 1));
    try {
        coder::InputDecoder refused("ten.wav", std::make_unique<coder::MemoryBytes>(
            reinterpret_cast<const std::uint8_t*>(ten.constData()), static_cast<std::size_t>(ten.size())));
        FAIL() << "10 channels without a layout were opened";
    } catch (const coder::CoderError& e) {
        EXPECT_STREQ(e.what(), "ten.wav: 10 audio channels without a speaker layout cannot be mixed down to mono or "
                               "stereo (at most 8 can)");
    }
}

} // namespace
