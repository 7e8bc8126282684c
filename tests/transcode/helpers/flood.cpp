// Test helper: writes <bytes> bytes to stdout as fast as the pipe takes them, then exits 0.
// Mode "ascii" writes the digits 0-9 over and over; mode "utf8" writes "x" and then "é" (two
// bytes each), so that chunk borders fall inside characters.
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    const long bytes = argc > 1 ? std::atol(argv[1]) : 40000;
    const bool utf8 = argc > 2 && std::strcmp(argv[2], "utf8") == 0;
    std::string data;
    if (utf8) {
        data = "x";
        while (static_cast<long>(data.size()) + 2 <= bytes)
            data += "\xc3\xa9";
    } else {
        for (long i = 0; i < bytes; ++i)
            data += static_cast<char>('0' + i % 10);
    }
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(1, data.data() + done, data.size() - done);
        if (n <= 0)
            return 2;
        done += static_cast<size_t>(n);
    }
    return 0;
}
