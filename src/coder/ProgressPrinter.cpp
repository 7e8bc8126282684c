#include "coder/ProgressPrinter.h"

#include <cinttypes>
#include <cmath>
#include <utility>

namespace coder {

std::string durationText(std::int64_t microseconds)
{
    if (microseconds < 0 || microseconds == INT64_MIN)
        return "N/A";
    const std::int64_t hundredths = (microseconds + 5000) / 10000;
    const std::int64_t secs = hundredths / 100;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02" PRId64 ":%02" PRId64 ":%02" PRId64 ".%02" PRId64,
                  secs / 3600, (secs / 60) % 60, secs % 60, hundredths % 100);
    return buf;
}

std::string progressLine(std::int64_t bytes, double outputSeconds, double wallSeconds)
{
    char bitrate[32];
    if (outputSeconds > 0)
        std::snprintf(bitrate, sizeof bitrate, "%6.1fkbits/s", static_cast<double>(bytes) * 8 / outputSeconds / 1000);
    else
        std::snprintf(bitrate, sizeof bitrate, "N/A");
    char speed[32];
    if (wallSeconds > 0)
        std::snprintf(speed, sizeof speed, "%.3gx", outputSeconds / wallSeconds);
    else
        std::snprintf(speed, sizeof speed, "N/A");
    char line[160];
    std::snprintf(line, sizeof line, "size=%8" PRId64 "kB time=%.2f bitrate=%s speed=%s", (bytes + 1023) / 1024,
                  outputSeconds, bitrate, speed);
    return line;
}

std::string elide(const std::string& name, std::size_t maxBytes)
{
    if (name.size() <= maxBytes || maxBytes < 8)
        return name;
    const std::size_t keep = maxBytes - 3;
    std::size_t head = keep / 3;
    std::size_t tailStart = name.size() - (keep - head);
    // Never cut inside a UTF-8 sequence.
    while (head > 0 && (static_cast<unsigned char>(name[head]) & 0xC0) == 0x80)
        --head;
    while (tailStart < name.size() && (static_cast<unsigned char>(name[tailStart]) & 0xC0) == 0x80)
        ++tailStart;
    return name.substr(0, head) + "..." + name.substr(tailStart);
}

std::string shownName(const std::string& name, std::size_t maxBytes)
{
    std::string shown = elide(name, maxBytes);
    for (const auto& [field, broken] : {std::pair<std::string, std::string>{"Duration: ", "Duration : "},
                                        std::pair<std::string, std::string>{"time=", "time ="}}) {
        for (auto at = shown.find(field); at != std::string::npos; at = shown.find(field, at + broken.size()))
            shown.replace(at, field.size(), broken);
    }
    return shown;
}

ProgressPrinter::ProgressPrinter(std::FILE* out, std::chrono::milliseconds interval)
    : out_(out)
    , interval_(interval)
    , started_(std::chrono::steady_clock::now())
    , lastLine_(started_)
{
}

double ProgressPrinter::elapsed() const
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
}

void ProgressPrinter::text(const std::string& lines)
{
    std::fputs(lines.c_str(), out_);
    std::fflush(out_);
}

void ProgressPrinter::update(std::int64_t bytes, double outputSeconds)
{
    const auto now = std::chrono::steady_clock::now();
    if (now - lastLine_ < interval_)
        return;
    lastLine_ = now;
    std::fprintf(out_, "%s\r", progressLine(bytes, outputSeconds, elapsed()).c_str());
    std::fflush(out_);
    lineOpen_ = true;
}

void ProgressPrinter::finish(std::int64_t bytes, double outputSeconds)
{
    std::fprintf(out_, "%s\n", progressLine(bytes, outputSeconds, elapsed()).c_str());
    std::fflush(out_);
    lineOpen_ = false;
}

void ProgressPrinter::endLine()
{
    if (lineOpen_)
        std::fputc('\n', out_);
    std::fflush(out_);
    lineOpen_ = false;
}

} // namespace coder
