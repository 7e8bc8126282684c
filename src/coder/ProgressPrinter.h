// The console output a caller parses: the input header with its Duration line, and the
// progress lines with time= in plain seconds.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

namespace coder {

// "HH:MM:SS.cc" for a duration in microseconds (hundredths rounded like FFmpeg), "N/A" when
// the duration is unknown (negative or AV_NOPTS_VALUE).
std::string durationText(std::int64_t microseconds);

// One progress line without its line end: "size=...kB time=S.cc bitrate=...kbits/s speed=...x".
std::string progressLine(std::int64_t bytes, double outputSeconds, double wallSeconds);

// A name shortened to at most maxBytes by cutting out its middle, so that long paths cannot
// push the Duration line out of the first block a caller reads.
std::string elide(const std::string& name, std::size_t maxBytes);

// Longest name the header shows: keeps the lines up to "Duration:" well inside the first 1024
// bytes a caller reads.
constexpr std::size_t maxShownName = 300;

// A file name as the header shows it: elided to maxBytes, and with any "Duration: " or "time="
// inside it broken up, so that a name cannot pose as the fields a caller reads.
std::string shownName(const std::string& name, std::size_t maxBytes);

// Writes to one stream (stdout; stderr goes to the same pipe), flushing after each line, and
// throttles progress lines to one per interval of wall time. Owns only its clock.
class ProgressPrinter {
public:
    explicit ProgressPrinter(std::FILE* out, std::chrono::milliseconds interval = std::chrono::milliseconds(250));

    void text(const std::string& lines);
    // Prints a progress line ending in '\r' when the interval has passed since the last one.
    void update(std::int64_t bytes, double outputSeconds);
    // The last progress line, ending in '\n'.
    void finish(std::int64_t bytes, double outputSeconds);
    // Ends a progress line left open by '\r', so that a message starts on a line of its own.
    void endLine();

private:
    double elapsed() const;

    std::FILE* out_;
    std::chrono::steady_clock::duration interval_;
    std::chrono::steady_clock::time_point started_;
    std::chrono::steady_clock::time_point lastLine_;
    bool lineOpen_ = false;
};

} // namespace coder
