#include "analysis/AudioSource.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace analysis {

MemorySource::MemorySource(std::span<const std::int16_t> samples, int sampleRate, int channels)
    : samples_(samples), rate_(sampleRate), channels_(channels),
      frames_(channels > 0 ? std::int64_t(samples.size()) / channels : 0)
{
}

bool MemorySource::read(std::int64_t first, std::int64_t count, std::int16_t* out)
{
    if (first < 0 || count < 0 || first + count > frames_)
        return false;
    std::copy_n(samples_.data() + first * channels_, count * channels_, out);
    return true;
}

namespace {

std::uint32_t le32(const unsigned char* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

std::uint16_t le16(const unsigned char* p) { return std::uint16_t(p[0] | p[1] << 8); }

bool readExactly(int fd, void* buffer, std::size_t size, std::int64_t offset)
{
    auto* p = static_cast<char*>(buffer);
    while (size > 0) {
        const ssize_t n = ::pread(fd, p, size, off_t(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        size -= std::size_t(n);
        offset += n;
    }
    return true;
}

void fail(std::string* error, const std::string& why)
{
    if (error)
        *error = why;
}

} // namespace

std::unique_ptr<WavFileSource> WavFileSource::open(const std::string& path, std::string* error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        fail(error, path + ": " + std::strerror(errno));
        return nullptr;
    }
    struct FdCloser {
        int fd;
        bool keep = false;
        ~FdCloser()
        {
            if (!keep)
                ::close(fd);
        }
    } closer{fd};

    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        fail(error, path + ": " + std::strerror(errno));
        return nullptr;
    }
    const std::int64_t fileSize = st.st_size;
    std::array<unsigned char, 12> riff{};
    if (!readExactly(fd, riff.data(), riff.size(), 0) || std::memcmp(riff.data(), "RIFF", 4) != 0
        || std::memcmp(riff.data() + 8, "WAVE", 4) != 0) {
        fail(error, path + ": not a WAV file");
        return nullptr;
    }
    int rate = 0;
    int channels = 0;
    bool formatSeen = false;
    std::int64_t offset = 12;
    while (offset + 8 <= fileSize) {
        std::array<unsigned char, 8> header{};
        if (!readExactly(fd, header.data(), header.size(), offset))
            break;
        const std::int64_t size = le32(header.data() + 4);
        const std::int64_t body = offset + 8;
        if (std::memcmp(header.data(), "fmt ", 4) == 0) {
            std::array<unsigned char, 40> fmt{};
            const auto n = std::size_t(std::min<std::int64_t>(size, std::int64_t(fmt.size())));
            if (n < 16 || !readExactly(fd, fmt.data(), n, body)) {
                fail(error, path + ": broken format chunk");
                return nullptr;
            }
            int tag = le16(fmt.data());
            if (tag == 0xFFFE && n >= 26)
                tag = le16(fmt.data() + 24); // the sub-format GUID starts with the plain tag
            channels = le16(fmt.data() + 2);
            rate = int(le32(fmt.data() + 4));
            const int bits = le16(fmt.data() + 14);
            if (tag != 1 || bits != 16 || channels < 1 || channels > 8 || rate <= 0) {
                fail(error, path + ": not 16-bit PCM with 1 to 8 channels");
                return nullptr;
            }
            formatSeen = true;
        } else if (std::memcmp(header.data(), "data", 4) == 0) {
            if (!formatSeen) {
                fail(error, path + ": data before the format chunk");
                return nullptr;
            }
            const std::int64_t available = std::min(size, fileSize - body);
            const std::int64_t frames = std::max<std::int64_t>(0, available) / (2 * channels);
            closer.keep = true;
            return std::unique_ptr<WavFileSource>(new WavFileSource(fd, rate, channels, body, frames));
        }
        offset = body + size + (size & 1);
    }
    fail(error, path + ": no audio data");
    return nullptr;
}

WavFileSource::WavFileSource(int fd, int rate, int channels, std::int64_t dataOffset, std::int64_t frames)
    : fd_(fd), rate_(rate), channels_(channels), dataOffset_(dataOffset), frames_(frames)
{
}

WavFileSource::~WavFileSource() { ::close(fd_); }

bool WavFileSource::read(std::int64_t first, std::int64_t count, std::int16_t* out)
{
    if (first < 0 || count < 0 || first + count > frames_)
        return false;
    const std::int64_t frameBytes = 2 * std::int64_t(channels_);
    if (!readExactly(fd_, out, std::size_t(count * frameBytes), dataOffset_ + first * frameBytes))
        return false;
    if constexpr (std::endian::native == std::endian::big) {
        for (std::int64_t i = 0; i < count * channels_; ++i)
            out[i] = std::int16_t(std::uint16_t(out[i]) >> 8 | std::uint16_t(out[i]) << 8);
    }
    return true;
}

} // namespace analysis
