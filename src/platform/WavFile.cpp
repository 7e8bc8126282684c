#include "platform/WavFile.h"

#include <QFile>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr quint16 kFormatPcm = 0x0001;
constexpr quint16 kFormatExtensible = 0xFFFE;
// The PCM subtype GUID of WAVE_FORMAT_EXTENSIBLE after its first two bytes (the format tag).
constexpr unsigned char kPcmGuidTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                            0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
constexpr int kMaxChannels = 8;  // what SDL can play
constexpr int kMaxRate = 768000;
constexpr int kMaxChunks = 4096;  // a bound against files made of endless tiny chunks

// Reads exactly `n` bytes at `offset`; false on a short read or an error.
bool readAt(int fd, qint64 offset, void* dst, size_t n)
{
    auto* p = static_cast<char*>(dst);
    while (n > 0) {
        const ssize_t got = ::pread(fd, p, n, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        p += got;
        n -= size_t(got);
        offset += got;
    }
    return true;
}

quint16 le16(const unsigned char* p) { return qFromLittleEndian<quint16>(p); }
quint32 le32(const unsigned char* p) { return qFromLittleEndian<quint32>(p); }
quint64 le64(const unsigned char* p) { return qFromLittleEndian<quint64>(p); }

bool parseFmt(const unsigned char* f, quint32 size, WavFormat& out)
{
    if (size < 16)
        return false;
    const quint16 tag = le16(f);
    const int channels = le16(f + 2);
    const quint32 rate = le32(f + 4);
    const int blockAlign = le16(f + 12);
    const int bits = le16(f + 14);
    if (tag == kFormatExtensible) {
        if (size < 40 || le16(f + 16) < 22 || le16(f + 24) != kFormatPcm
            || std::memcmp(f + 26, kPcmGuidTail, sizeof kPcmGuidTail) != 0)
            return false;
        const int validBits = le16(f + 18);
        if (validBits != 0 && validBits != 16)
            return false;
    } else if (tag != kFormatPcm) {
        return false;
    }
    if (bits != 16 || channels < 1 || channels > kMaxChannels || rate < 1 || rate > kMaxRate
        || blockAlign != channels * 2)
        return false;
    out.channels = channels;
    out.sampleRate = int(rate);
    out.blockAlign = blockAlign;
    return true;
}

// Walks the chunks of a RIFF/RF64 WAVE file up to its data chunk.
bool parseHeader(int fd, qint64 fileSize, WavFormat& out)
{
    unsigned char head[12];
    if (!readAt(fd, 0, head, sizeof head) || std::memcmp(head + 8, "WAVE", 4) != 0)
        return false;
    const bool rf64 = std::memcmp(head, "RF64", 4) == 0 || std::memcmp(head, "BW64", 4) == 0;
    if (!rf64 && std::memcmp(head, "RIFF", 4) != 0)
        return false;

    bool haveFmt = false;
    bool haveDs64 = false;
    quint64 ds64DataSize = 0;
    qint64 pos = 12;
    for (int i = 0; i < kMaxChunks && pos + 8 <= fileSize; ++i) {
        unsigned char ch[8];
        if (!readAt(fd, pos, ch, sizeof ch))
            return false;
        const quint32 size = le32(ch + 4);
        const qint64 body = pos + 8;
        if (std::memcmp(ch, "ds64", 4) == 0) {
            unsigned char d[24];
            if (!rf64 || size < 24 || !readAt(fd, body, d, sizeof d))
                return false;
            ds64DataSize = le64(d + 8);
            haveDs64 = true;
        } else if (std::memcmp(ch, "fmt ", 4) == 0) {
            unsigned char f[40] = {};
            const quint32 n = qMin<quint32>(size, sizeof f);
            if (!readAt(fd, body, f, n) || !parseFmt(f, size, out))
                return false;
            haveFmt = true;
        } else if (std::memcmp(ch, "data", 4) == 0) {
            if (!haveFmt)
                return false;
            quint64 dataSize = size;
            if (rf64 && size == 0xFFFFFFFFu) {
                if (!haveDs64)
                    return false;
                dataSize = ds64DataSize;
            }
            // Writers that could not seek back leave 0xFFFFFFFF: the data runs to the end.
            const quint64 present = quint64(fileSize - body);
            if (dataSize > present || (!rf64 && size == 0xFFFFFFFFu))
                dataSize = present;
            out.dataOffset = body;
            out.frames = qint64(dataSize / quint64(out.blockAlign));
            return true;
        }
        pos = body + qint64(size) + (size & 1);
    }
    return false;
}

}  // namespace

QByteArray wavHeader(int channels, int sampleRate, qint64 frames, bool rf64)
{
    const quint64 data = quint64(frames) * quint64(channels) * 2;
    rf64 = rf64 || data + 36 > 0xFFFFFFFFull;
    QByteArray h;
    auto put16 = [&](quint16 v) {
        const quint16 le = qToLittleEndian(v);
        h.append(reinterpret_cast<const char*>(&le), 2);
    };
    auto put32 = [&](quint32 v) {
        const quint32 le = qToLittleEndian(v);
        h.append(reinterpret_cast<const char*>(&le), 4);
    };
    auto put64 = [&](quint64 v) {
        const quint64 le = qToLittleEndian(v);
        h.append(reinterpret_cast<const char*>(&le), 8);
    };
    const quint64 riffSize = 4 + (rf64 ? 8 + 28 : 0) + 8 + 16 + 8 + data;
    h.append(rf64 ? "RF64" : "RIFF");
    put32(rf64 ? 0xFFFFFFFFu : quint32(riffSize));
    h.append("WAVE");
    if (rf64) {
        h.append("ds64");
        put32(28);
        put64(riffSize);
        put64(data);
        put64(quint64(frames));
        put32(0);  // no table of other large chunks
    }
    h.append("fmt ");
    put32(16);
    put16(kFormatPcm);
    put16(quint16(channels));
    put32(quint32(sampleRate));
    put32(quint32(sampleRate) * quint32(channels) * 2);
    put16(quint16(channels * 2));
    put16(16);
    h.append("data");
    put32(rf64 ? 0xFFFFFFFFu : quint32(data));
    return h;
}

WavFile::WavFile(Key, int fd, const WavFormat& format) : fd_(fd), format_(format) {}

WavFile::~WavFile()
{
    ::close(fd_);
}

std::unique_ptr<WavFile> WavFile::open(const QString& path, Error* error)
{
    auto fail = [&](Error e) {
        if (error)
            *error = e;
        return std::unique_ptr<WavFile>();
    };
    if (path.isEmpty())
        return fail(Error::NotFound);
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return fail(Error::NotFound);
    struct stat st {};
    WavFormat format;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || !parseHeader(fd, st.st_size, format)) {
        ::close(fd);
        return fail(Error::Unsupported);
    }
    if (error)
        *error = Error::None;
    return std::make_unique<WavFile>(Key(), fd, format);
}

qint64 WavFile::readFrames(qint64 first, void* dst, qint64 count) const
{
    if (first < 0 || count <= 0 || first >= format_.frames)
        return 0;
    count = qMin(count, format_.frames - first);
    const qint64 wanted = count * format_.blockAlign;
    auto* p = static_cast<char*>(dst);
    qint64 done = 0;
    while (done < wanted) {
        const ssize_t got = ::pread(fd_, p + done, size_t(wanted - done),
                                    format_.dataOffset + first * format_.blockAlign + done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;  // the file shrank since it was opened
        done += got;
    }
    return done / format_.blockAlign;
}
