// Writes a 16-bit PCM WAV the way the transcoder does, one step per command read from stdin,
// so that a test decides how far the file has got: the header with placeholder sizes (as
// FFmpeg's wav muxer with rf64=auto writes it), the samples in writes of any size (ending
// inside the header or inside a frame), then the final sizes and the file put into place.
//
//   slow_wav_writer <folder> <name> <channels> <rate> unnamed|named|direct
//
// unnamed: an O_TMPFILE in <folder>, written through a second descriptor opened by its
//          /proc/self/fd name, linked to <folder>/<name> at "finish";
// named:   a hidden part file in <folder>, renamed to <name> at "finish";
// direct:  <folder>/<name> itself.
// Commands, one a line: "header <n>" (the next n bytes of the header; without n, the rest),
// "bytes <n>" and "frames <n>" (samples of tests/support/GrowingWavPattern.h, the header's
// rest first), "finish" or "finish rf64" (final sizes, as RIFF or RF64, then into place),
// "quit" (end without finishing). At start it prints "ready <header size>", after each
// command "ok <bytes in the file>", on failure "error <what>" and exits 2.
#include "support/GrowingWavPattern.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

[[noreturn]] void die(const std::string& what)
{
    std::cout << "error " << what << ": " << std::strerror(errno) << std::endl;
    std::exit(2);
}

void put16(std::string& s, std::uint16_t v)
{
    s += char(v & 0xFF);
    s += char(v >> 8);
}
void put32(std::string& s, std::uint32_t v)
{
    put16(s, std::uint16_t(v & 0xFFFF));
    put16(s, std::uint16_t(v >> 16));
}
void put64(std::string& s, std::uint64_t v)
{
    put32(s, std::uint32_t(v & 0xFFFFFFFFu));
    put32(s, std::uint32_t(v >> 32));
}

// RIFF with both sizes 0xFFFFFFFF, a JUNK chunk that keeps room for a ds64, the format, a LIST
// of odd length and the data chunk's header: the layout of the wav muxer's header.
std::string placeholderHeader(int channels, int rate, std::int64_t& ds64At)
{
    std::string h = "RIFF";
    put32(h, 0xFFFFFFFFu);
    h += "WAVE";
    h += "JUNK";
    put32(h, 28);
    ds64At = std::int64_t(h.size());
    h.append(28, '\0');
    h += "fmt ";
    put32(h, 16);
    put16(h, 1);
    put16(h, std::uint16_t(channels));
    put32(h, std::uint32_t(rate));
    put32(h, std::uint32_t(rate * channels * 2));
    put16(h, std::uint16_t(channels * 2));
    put16(h, 16);
    h += "LIST";
    put32(h, 17);
    h += "INFOISFT";
    put32(h, 5);
    h.append("slow", 5);
    h += '\0';  // pad to an even size
    h += "data";
    put32(h, 0xFFFFFFFFu);
    return h;
}

void writeAll(int fd, const char* p, std::size_t n)
{
    while (n > 0) {
        const ssize_t got = ::write(fd, p, n);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            die("write");
        p += got;
        n -= std::size_t(got);
    }
}

void writeAt(int fd, std::int64_t offset, const std::string& bytes)
{
    if (::pwrite(fd, bytes.data(), bytes.size(), offset) != ssize_t(bytes.size()))
        die("pwrite");
}

struct Output {
    int fd = -1;          // what is written through
    std::string current;  // its name while written, empty when unnamed
    std::string procName; // unnamed: /proc/self/fd/<n> of the O_TMPFILE
    std::string final;
};

Output create(const std::string& folder, const std::string& name, const std::string& place)
{
    Output out;
    out.final = folder + "/" + name;
    if (place == "unnamed") {
        const int tmp = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
        if (tmp < 0)
            die("O_TMPFILE");
        out.procName = "/proc/self/fd/" + std::to_string(tmp);
        out.fd = ::open(out.procName.c_str(), O_WRONLY | O_CLOEXEC);
    } else if (place == "named") {
        out.current = folder + "/.coder-" + std::to_string(::getpid()) + ".part";
        out.fd = ::open(out.current.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    } else if (place == "direct") {
        out.current = out.final;
        out.fd = ::open(out.current.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    } else {
        errno = EINVAL;
        die("place " + place);
    }
    if (out.fd < 0)
        die("open");
    return out;
}

void putInPlace(const Output& out)
{
    if (!out.procName.empty()) {
        if (::linkat(AT_FDCWD, out.procName.c_str(), AT_FDCWD, out.final.c_str(), AT_SYMLINK_FOLLOW) != 0)
            die("linkat");
    } else if (out.current != out.final && ::rename(out.current.c_str(), out.final.c_str()) != 0) {
        die("rename");
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 6) {
        errno = EINVAL;
        die("usage: slow_wav_writer <folder> <name> <channels> <rate> unnamed|named|direct");
    }
    const int channels = std::atoi(argv[3]);
    const int rate = std::atoi(argv[4]);
    const Output out = create(argv[1], argv[2], argv[5]);
    std::int64_t ds64At = 0;
    const std::string header = placeholderHeader(channels, rate, ds64At);
    const std::int64_t dataAt = std::int64_t(header.size());
    const int blockAlign = channels * 2;
    std::size_t headerDone = 0;
    std::int64_t dataBytes = 0;  // sample bytes written so far
    std::cout << "ready " << header.size() << std::endl;

    auto writeHeader = [&](std::size_t n) {
        n = std::min(n, header.size() - headerDone);
        writeAll(out.fd, header.data() + headerDone, n);
        headerDone += n;
    };
    auto writeSamples = [&](std::int64_t n) {
        writeHeader(header.size());
        std::string bytes;
        bytes.reserve(std::size_t(n));
        for (std::int64_t i = 0; i < n; ++i) {
            const std::int64_t at = dataBytes + i;
            const std::int16_t s = growingWavSample(at / blockAlign, int(at % blockAlign) / 2);
            bytes += char(((at & 1) ? std::uint16_t(s) >> 8 : std::uint16_t(s)) & 0xFF);
        }
        writeAll(out.fd, bytes.data(), bytes.size());
        dataBytes += n;
    };

    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string verb;
        std::int64_t n = -1;
        words >> verb >> n;
        if (verb == "header") {
            writeHeader(n < 0 ? header.size() : std::size_t(n));
        } else if (verb == "bytes" || verb == "frames") {
            writeSamples(verb == "frames" ? n * blockAlign : n);
        } else if (verb == "finish") {
            writeHeader(header.size());
            const bool rf64 = line.find("rf64") != std::string::npos;
            const std::int64_t fileSize = dataAt + dataBytes;
            std::string size;
            if (rf64) {
                // The muxer's order for a file over 4 GB: RF64 first, then the ds64 in place
                // of the JUNK chunk; the data chunk keeps 0xFFFFFFFF.
                std::string head = "RF64";
                put32(head, 0xFFFFFFFFu);
                writeAt(out.fd, 0, head);
                std::string ds64 = "ds64";
                put32(ds64, 28);
                put64(ds64, std::uint64_t(fileSize - 8));
                put64(ds64, std::uint64_t(dataBytes));
                put64(ds64, std::uint64_t(dataBytes / blockAlign));
                put32(ds64, 0);
                writeAt(out.fd, ds64At - 8, ds64);
            } else {
                // The muxer's order: the data chunk's size, then the RIFF size.
                put32(size, std::uint32_t(dataBytes));
                writeAt(out.fd, dataAt - 4, size);
                size.clear();
                put32(size, std::uint32_t(fileSize - 8));
                writeAt(out.fd, 4, size);
            }
            putInPlace(out);
        } else if (verb == "quit") {
            return 0;
        } else {
            errno = EINVAL;
            die("command " + line);
        }
        std::cout << "ok " << (std::int64_t(headerDone) + dataBytes) << std::endl;
    }
    return 0;
}
