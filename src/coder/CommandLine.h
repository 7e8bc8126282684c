// The transcoder's FFmpeg-style command line: -i <input> [output options] <output>.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace coder {

// Everything one run needs to know; times in seconds, rates in Hz and bit/s.
struct CoderOptions {
    std::string input;
    std::string output;
    bool overwrite = false;
    double inputSeek = 0;       // -ss before -i
    double outputStart = 0;     // -ss after -i
    std::optional<double> duration;  // -t
    std::optional<std::int64_t> bitRate;  // -ab / -b:a
    std::optional<int> sampleRate;  // -ar
    std::optional<int> channels;    // -ac
    std::string codecName;          // -acodec / -c:a
    std::string audioFilters;       // -af / -filter:a, FFmpeg's filter-chain syntax
    // -metadata key=value, in the order given; an empty value removes the tag.
    std::vector<std::pair<std::string, std::string>> metadata;
};

struct ParseResult {
    std::optional<CoderOptions> options;  // set on success
    std::string error;                    // one line naming the bad argument otherwise
};

// Parses argv without the program name. Never throws; on failure options is empty.
ParseResult parseCommandLine(const std::vector<std::string>& args);

// "12", "12.5", "01:02:03.5" or "02:03" to seconds; empty for anything else or a negative time.
std::optional<double> parseSeconds(const std::string& text);

// "128k", "7.4k", "1M", "64000" to bit/s; empty for anything else or a value that is not positive.
std::optional<std::int64_t> parseBitRate(const std::string& text);

// A positive decimal integer up to max; empty otherwise.
std::optional<int> parsePositiveInt(const std::string& text, int max);

} // namespace coder
