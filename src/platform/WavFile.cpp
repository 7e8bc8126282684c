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

enum class Scan { Ok, Incomplete, Invalid };

// What a WAV header says, before its sizes are held against the file's size.
struct HeaderFields {
    WavFormat format;  // all but the frames
    bool rf64 = false;
    bool haveDs64 = false;
    quint64 ds64RiffSize = 0;
    quint64 ds64DataSize = 0;
    quint32 riffSize = 0;  // the RIFF chunk's own size field
    quint32 dataSize = 0;  // the data chunk's own size field

    bool sameLayout(const WavFormat& f) const
    {
        return format.channels == f.channels && format.sampleRate == f.sampleRate
            && format.blockAlign == f.blockAlign && format.dataOffset == f.dataOffset;
    }
};

// Walks the chunks of a RIFF/RF64 WAVE file of `fileSize` bytes up to its data chunk.
// Incomplete when the file ends before the data chunk's header (it may still be written).
Scan scanHeader(int fd, qint64 fileSize, HeaderFields& out)
{
    auto fits = [fileSize](qint64 offset, qint64 n) { return offset + n <= fileSize; };
    unsigned char head[12];
    if (!fits(0, sizeof head))
        return Scan::Incomplete;
    if (!readAt(fd, 0, head, sizeof head) || std::memcmp(head + 8, "WAVE", 4) != 0)
        return Scan::Invalid;
    out.rf64 = std::memcmp(head, "RF64", 4) == 0 || std::memcmp(head, "BW64", 4) == 0;
    if (!out.rf64 && std::memcmp(head, "RIFF", 4) != 0)
        return Scan::Invalid;
    out.riffSize = le32(head + 4);

    bool haveFmt = false;
    qint64 pos = 12;
    for (int i = 0; i < kMaxChunks; ++i) {
        unsigned char ch[8];
        if (!fits(pos, sizeof ch))
            return Scan::Incomplete;
        if (!readAt(fd, pos, ch, sizeof ch))
            return Scan::Invalid;
        const quint32 size = le32(ch + 4);
        const qint64 body = pos + 8;
        if (std::memcmp(ch, "ds64", 4) == 0) {
            unsigned char d[24];
            if (!out.rf64 || size < 24)
                return Scan::Invalid;
            if (!fits(body, sizeof d))
                return Scan::Incomplete;
            if (!readAt(fd, body, d, sizeof d))
                return Scan::Invalid;
            out.ds64RiffSize = le64(d);
            out.ds64DataSize = le64(d + 8);
            out.haveDs64 = true;
        } else if (std::memcmp(ch, "fmt ", 4) == 0) {
            unsigned char f[40] = {};
            const quint32 n = qMin<quint32>(size, sizeof f);
            if (!fits(body, n))
                return Scan::Incomplete;
            if (!readAt(fd, body, f, n) || !parseFmt(f, size, out.format))
                return Scan::Invalid;
            haveFmt = true;
        } else if (std::memcmp(ch, "data", 4) == 0) {
            if (!haveFmt)
                return Scan::Invalid;
            out.format.dataOffset = body;
            out.dataSize = size;
            return Scan::Ok;
        }
        pos = body + qint64(size) + (size & 1);
    }
    return Scan::Invalid;
}

// The whole frames of a complete file: a size beyond the file, or the 0xFFFFFFFF left by
// writers that could not seek back, means the data runs to the end. -1 when RF64 lacks its ds64.
qint64 completeFrames(const HeaderFields& h, qint64 fileSize)
{
    quint64 dataSize = h.dataSize;
    if (h.rf64 && h.dataSize == 0xFFFFFFFFu) {
        if (!h.haveDs64)
            return -1;
        dataSize = h.ds64DataSize;
    }
    const quint64 present = quint64(fileSize - h.format.dataOffset);
    if (dataSize > present || (!h.rf64 && h.dataSize == 0xFFFFFFFFu))
        dataSize = present;
    return qint64(dataSize / quint64(h.format.blockAlign));
}

struct GrowingSizes {
    qint64 frames = 0;
    bool final = false;
};

// The frames of a file that may still be written. Its sizes are final once neither is a
// placeholder (0xFFFFFFFF, an RF64 without ds64, a RIFF size of 0) and the file holds all
// that they say; until then the frames are the whole frames present.
GrowingSizes growingSizes(const HeaderFields& h, qint64 fileSize)
{
    const quint64 present = quint64(qMax<qint64>(fileSize - h.format.dataOffset, 0));
    bool known = h.rf64 ? h.haveDs64 : h.riffSize != 0xFFFFFFFFu && h.riffSize != 0;
    const quint64 riffEnd = (h.rf64 ? h.ds64RiffSize : quint64(h.riffSize)) + 8;
    quint64 dataSize = h.dataSize;
    if (h.dataSize == 0xFFFFFFFFu) {
        known = known && h.rf64 && h.haveDs64;
        dataSize = h.ds64DataSize;
    }
    GrowingSizes s;
    s.final = known && riffEnd <= quint64(fileSize) && dataSize <= present;
    s.frames = qint64((s.final ? dataSize : present) / quint64(h.format.blockAlign));
    return s;
}

// Reads the size and header of a growing file. A header that looks final is read a second
// time and taken as final only when both reads agree, so that a read racing the writer's
// patch of the header is never taken for its final sizes.
Scan scanGrowing(int fd, HeaderFields& fields, GrowingSizes& sizes)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return Scan::Invalid;
    const Scan scan = scanHeader(fd, st.st_size, fields);
    if (scan != Scan::Ok)
        return scan;
    sizes = growingSizes(fields, st.st_size);
    if (sizes.final) {
        HeaderFields again;
        struct stat st2 {};
        if (::fstat(fd, &st2) != 0 || scanHeader(fd, st2.st_size, again) != Scan::Ok
            || !again.sameLayout(fields.format)) {
            sizes.final = false;
        } else {
            const GrowingSizes second = growingSizes(again, st2.st_size);
            sizes.final = second.final && second.frames == sizes.frames;
        }
        if (!sizes.final)
            sizes.frames = qint64(quint64(qMax<qint64>(st.st_size - fields.format.dataOffset, 0))
                                  / quint64(fields.format.blockAlign));
    }
    return Scan::Ok;
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

WavFile::WavFile(Key, int fd, const WavFormat& format, bool growing, bool final)
    : fd_(fd), format_(format), growing_(growing), frames_(format.frames), final_(final)
{
}

WavFile::~WavFile()
{
    ::close(fd_);
}

std::unique_ptr<WavFile> WavFile::open(const QString& path, Error* error)
{
    return openAs(path, false, error);
}

std::unique_ptr<WavFile> WavFile::openGrowing(const QString& path, Error* error)
{
    return openAs(path, true, error);
}

std::unique_ptr<WavFile> WavFile::openAs(const QString& path, bool growing, Error* error)
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
    HeaderFields fields;
    WavFormat format;
    bool final = true;
    Scan scan = Scan::Invalid;
    if (growing) {
        GrowingSizes sizes;
        scan = scanGrowing(fd, fields, sizes);
        format = fields.format;
        format.frames = sizes.frames;
        final = sizes.final;
    } else {
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
            scan = scanHeader(fd, st.st_size, fields);
        format = fields.format;
        format.frames = scan == Scan::Ok ? completeFrames(fields, st.st_size) : -1;
        if (format.frames < 0)
            scan = Scan::Invalid;
    }
    if (scan != Scan::Ok) {
        ::close(fd);
        return fail(growing && scan == Scan::Incomplete ? Error::Incomplete : Error::Unsupported);
    }
    if (error)
        *error = Error::None;
    return std::make_unique<WavFile>(Key(), fd, format, growing, final);
}

WavFormat WavFile::format() const
{
    WavFormat f = format_;
    f.frames = frames();
    return f;
}

qint64 WavFile::refresh()
{
    if (!growing_ || isFinal())
        return frames();
    std::lock_guard<std::mutex> lock(refreshMutex_);
    HeaderFields fields;
    GrowingSizes sizes;
    if (scanGrowing(fd_, fields, sizes) != Scan::Ok || !fields.sameLayout(format_)) {
        // A header being rewritten: the frames follow the file's size alone this time.
        struct stat st {};
        if (::fstat(fd_, &st) != 0)
            return frames();
        sizes.final = false;
        sizes.frames = qMax<qint64>(st.st_size - format_.dataOffset, 0) / format_.blockAlign;
    }
    // Final sizes may take back what looked like frames only when the writer put another
    // chunk after the data; otherwise the frames only grow.
    if (sizes.final || sizes.frames > frames())
        frames_.store(sizes.frames, std::memory_order_release);
    if (sizes.final)
        final_.store(true, std::memory_order_release);
    return frames();
}

qint64 WavFile::readFrames(qint64 first, void* dst, qint64 count) const
{
    const qint64 known = frames();
    if (first < 0 || count <= 0 || first >= known)
        return 0;
    count = qMin(count, known - first);
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
