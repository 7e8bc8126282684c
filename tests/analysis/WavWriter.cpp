#include "analysis/WavWriter.h"

#include <array>
#include <vector>

namespace songgen {

namespace {

void put16(std::vector<unsigned char>& out, unsigned v)
{
    out.push_back(static_cast<unsigned char>(v & 0xff));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xff));
}

void put32(std::vector<unsigned char>& out, std::uint32_t v)
{
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

void putTag(std::vector<unsigned char>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

} // namespace

WavWriter::WavWriter(const std::string& path, int sampleRate, int channels, bool extensible, bool extraChunk)
    : file_(std::fopen(path.c_str(), "wb"))
{
    if (!file_)
        return;
    std::vector<unsigned char> h;
    putTag(h, "RIFF");
    put32(h, 0);
    putTag(h, "WAVE");
    putTag(h, "fmt ");
    put32(h, extensible ? 40 : 16);
    put16(h, extensible ? 0xFFFE : 1);
    put16(h, unsigned(channels));
    put32(h, std::uint32_t(sampleRate));
    put32(h, std::uint32_t(sampleRate * channels * 2));
    put16(h, unsigned(channels * 2));
    put16(h, 16);
    if (extensible) {
        put16(h, 22);
        put16(h, 16);
        put32(h, 0);
        // KSDATAFORMAT_SUBTYPE_PCM
        const std::array<unsigned char, 16> pcm{1, 0, 0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xaa, 0, 0x38, 0x9b, 0x71};
        h.insert(h.end(), pcm.begin(), pcm.end());
    }
    if (extraChunk) {
        putTag(h, "LIST");
        put32(h, 5);
        putTag(h, "INFO");
        h.push_back(0);
        h.push_back(0); // pad byte of the odd-sized chunk
    }
    putTag(h, "data");
    put32(h, 0);
    failed_ = std::fwrite(h.data(), 1, h.size(), file_) != h.size();
    dataStart_ = std::int64_t(h.size());
}

WavWriter::~WavWriter() { close(); }

void WavWriter::append(std::span<const std::int16_t> samples)
{
    if (!file_)
        return;
    std::vector<unsigned char> bytes;
    bytes.reserve(samples.size() * 2);
    for (std::int16_t s : samples)
        put16(bytes, unsigned(std::uint16_t(s)));
    failed_ = failed_ || std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size();
    dataBytes_ += std::int64_t(bytes.size());
}

bool WavWriter::close()
{
    if (!file_)
        return false;
    std::vector<unsigned char> riffSize;
    put32(riffSize, std::uint32_t(dataStart_ - 8 + dataBytes_));
    std::vector<unsigned char> dataSize;
    put32(dataSize, std::uint32_t(dataBytes_));
    failed_ = failed_ || std::fseek(file_, 4, SEEK_SET) != 0
              || std::fwrite(riffSize.data(), 1, 4, file_) != 4
              || std::fseek(file_, long(dataStart_ - 4), SEEK_SET) != 0
              || std::fwrite(dataSize.data(), 1, 4, file_) != 4;
    failed_ = std::fclose(file_) != 0 || failed_;
    file_ = nullptr;
    return !failed_;
}

bool writeWav(const std::string& path, std::span<const std::int16_t> samples, int sampleRate, int channels)
{
    WavWriter writer(path, sampleRate, channels);
    writer.append(samples);
    return writer.close();
}

} // namespace songgen
