// Reading 16-bit WAV files and buffers as the analysis pulls them.
#include "analysis/AudioSource.h"

#include "analysis/WavWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

using namespace analysis;

namespace {

class WavFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path()
                  / ("analysis-wav-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-"
                     + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    static std::vector<std::int16_t> ramp(std::size_t n)
    {
        std::vector<std::int16_t> v(n);
        for (std::size_t i = 0; i < n; ++i)
            v[i] = std::int16_t(int(i * 37 % 65536) - 32768);
        return v;
    }

    std::filesystem::path folder_;
};

TEST_F(WavFiles, ReadsWhatWasWrittenInEveryHeaderStyle)
{
    const std::vector<std::int16_t> samples = ramp(3 * 10007);
    for (const bool extensible : {false, true}) {
        for (const bool extra : {false, true}) {
            const std::string file = path("ramp.wav");
            songgen::WavWriter writer(file, 32000, 3, extensible, extra);
            writer.append(samples);
            ASSERT_TRUE(writer.close());
            std::string error;
            auto source = WavFileSource::open(file, &error);
            ASSERT_TRUE(source) << error;
            EXPECT_EQ(source->sampleRate(), 32000);
            EXPECT_EQ(source->channels(), 3);
            ASSERT_EQ(source->frameCount(), 10007);
            std::vector<std::int16_t> got(3 * 100);
            ASSERT_TRUE(source->read(9907, 100, got.data()));
            EXPECT_TRUE(std::equal(got.begin(), got.end(), samples.begin() + 3 * 9907));
            ASSERT_TRUE(source->read(0, 1, got.data()));
            EXPECT_EQ(got[0], samples[0]);
            EXPECT_FALSE(source->read(10000, 8, got.data())); // past the end
            EXPECT_FALSE(source->read(-1, 1, got.data()));
        }
    }
}

TEST_F(WavFiles, ADataSizePastTheEndOfTheFileIsCutToIt)
{
    const std::string file = path("cut.wav");
    songgen::writeWav(file, ramp(2 * 1000), 8000, 2);
    std::filesystem::resize_file(file, std::filesystem::file_size(file) - 401); // 100 frames and a byte
    auto source = WavFileSource::open(file);
    ASSERT_TRUE(source);
    EXPECT_EQ(source->frameCount(), 899);
}

TEST_F(WavFiles, RefusesWhatIsNot16BitPcmWithOneToEightChannels)
{
    const std::string file = path("bad.wav");
    auto patch = [&](std::streamoff offset, std::uint16_t value) {
        songgen::writeWav(file, ramp(90), 8000, 1);
        std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(offset);
        const char bytes[2] = {char(value & 0xff), char(value >> 8)};
        f.write(bytes, 2);
    };
    std::string error;
    patch(34, 24); // bits per sample
    EXPECT_FALSE(WavFileSource::open(file, &error));
    EXPECT_NE(error.find("16-bit"), std::string::npos) << error;
    patch(22, 9); // channels
    EXPECT_FALSE(WavFileSource::open(file));
    patch(20, 3); // float samples
    EXPECT_FALSE(WavFileSource::open(file));
    patch(34, 16); // and intact it opens
    EXPECT_TRUE(WavFileSource::open(file));
    std::ofstream(path("text.wav")) << "not a wave file at all";
    EXPECT_FALSE(WavFileSource::open(path("text.wav"), &error));
    EXPECT_FALSE(WavFileSource::open(path("missing.wav"), &error));
    EXPECT_NE(error.find("missing.wav"), std::string::npos) << error;
}

TEST(MemorySource, ReadsFramesAndRefusesRangesOutsideThem)
{
    const std::vector<std::int16_t> samples{1, 2, 3, 4, 5, 6, 7}; // 3 stereo frames and a stray
    MemorySource source(samples, 44100, 2);
    EXPECT_EQ(source.frameCount(), 3);
    std::vector<std::int16_t> got(4);
    ASSERT_TRUE(source.read(1, 2, got.data()));
    EXPECT_EQ(got, (std::vector<std::int16_t>{3, 4, 5, 6}));
    EXPECT_FALSE(source.read(2, 2, got.data()));
}

} // namespace
