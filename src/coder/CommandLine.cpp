#include "coder/CommandLine.h"

#include <charconv>
#include <cmath>

namespace coder {
namespace {

// A plain unsigned decimal with an optional fraction: no sign, no exponent, no spaces.
std::optional<double> parseDecimal(const std::string& text)
{
    if (text.empty() || text.size() > 32)
        return std::nullopt;
    bool digit = false;
    bool point = false;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (!digit)
        return std::nullopt;
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::vector<std::string> splitColons(const std::string& text)
{
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == ':')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

// Largest time accepted: a bit over 11 days, far past any audio file, small enough that
// seconds times any sample rate stays exact in a double.
constexpr double maxSeconds = 1e6;

} // namespace

std::optional<double> parseSeconds(const std::string& text)
{
    const auto parts = splitColons(text);
    if (parts.size() > 3)
        return std::nullopt;
    double total = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        auto v = parseDecimal(parts[i]);
        if (!v || (!last && parts[i].find('.') != std::string::npos))
            return std::nullopt;
        if (i > 0 && *v >= 60)
            return std::nullopt;
        total = total * 60 + *v;
    }
    if (total > maxSeconds)
        return std::nullopt;
    return total;
}

std::optional<std::int64_t> parseBitRate(const std::string& text)
{
    if (text.empty())
        return std::nullopt;
    double scale = 1;
    std::string number = text;
    const char suffix = text.back();
    if (suffix == 'k' || suffix == 'K') {
        scale = 1e3;
        number.pop_back();
    } else if (suffix == 'M' || suffix == 'm') {
        scale = 1e6;
        number.pop_back();
    }
    auto v = parseDecimal(number);
    if (!v)
        return std::nullopt;
    const double bits = std::round(*v * scale);
    if (bits < 1 || bits > 1e9)
        return std::nullopt;
    return static_cast<std::int64_t>(bits);
}

std::optional<int> parsePositiveInt(const std::string& text, int max)
{
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 1 || value > max)
        return std::nullopt;
    return value;
}

ParseResult parseCommandLine(const std::vector<std::string>& args)
{
    CoderOptions o;
    bool haveInput = false;
    bool haveOutput = false;
    auto fail = [](std::string message) { return ParseResult{std::nullopt, std::move(message)}; };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (haveOutput)
            return fail("option or name after the output: " + a);
        const bool isOption = a.size() > 1 && a[0] == '-';
        if (!isOption) {
            if (!haveInput)
                return fail("no input given before " + a + " (use -i <input>)");
            o.output = a;
            haveOutput = true;
            continue;
        }
        if (a == "-y") {
            o.overwrite = true;
            continue;
        }
        if (a == "-vn" || a == "-hide_banner" || a == "-nostdin") {
            continue;
        }
        if (a == "--") {
            // Everything after "--" is the output name, even if it starts with a dash.
            if (i + 2 != args.size())
                return fail("exactly one output name must follow --");
            if (!haveInput)
                return fail("no input given (use -i <input>)");
            o.output = args[++i];
            haveOutput = true;
            continue;
        }
        static const char* const valueOptions[] = {"-i", "-ss", "-t", "-ab", "-b:a", "-ar", "-ac", "-acodec",
                                                   "-c:a", "-codec:a", "-af", "-filter:a", "-metadata"};
        bool known = false;
        for (const char* name : valueOptions)
            known = known || a == name;
        if (!known)
            return fail("unknown option " + a);
        if (i + 1 >= args.size())
            return fail("missing value for option " + a);
        const std::string& value = args[++i];
        if (a == "-i") {
            if (haveInput)
                return fail("more than one input given");
            if (value.empty())
                return fail("empty input name");
            o.input = value;
            haveInput = true;
        } else if (a == "-ss") {
            auto s = parseSeconds(value);
            if (!s)
                return fail("invalid time for -ss: " + value);
            (haveInput ? o.outputStart : o.inputSeek) = *s;
        } else if (a == "-t") {
            auto s = parseSeconds(value);
            if (!s || *s <= 0)
                return fail("invalid duration for -t: " + value);
            o.duration = *s;
        } else if (!haveInput) {
            return fail("option " + a + " must come after -i <input>");
        } else if (a == "-ab" || a == "-b:a") {
            o.bitRate = parseBitRate(value);
            if (!o.bitRate)
                return fail("invalid bit rate for " + a + ": " + value);
        } else if (a == "-ar") {
            o.sampleRate = parsePositiveInt(value, 768000);
            if (!o.sampleRate)
                return fail("invalid sample rate for -ar: " + value);
        } else if (a == "-ac") {
            o.channels = parsePositiveInt(value, 8);
            if (!o.channels)
                return fail("invalid channel count for -ac: " + value);
        } else if (a == "-af" || a == "-filter:a") {
            if (value.empty())
                return fail("empty filter chain for " + a);
            if (!o.audioFilters.empty())
                return fail("more than one filter chain given (join the filters with commas)");
            o.audioFilters = value;
        } else if (a == "-metadata") {
            const auto eq = value.find('=');
            if (eq == std::string::npos || eq == 0)
                return fail("-metadata needs key=value: " + value);
            o.metadata.emplace_back(value.substr(0, eq), value.substr(eq + 1));
        } else {
            o.codecName = value;  // -acodec, -c:a, -codec:a
            if (value.empty())
                return fail("empty codec name for " + a);
        }
    }
    if (!haveInput)
        return fail("no input given (use -i <input>)");
    if (!haveOutput)
        return fail("no output file given");
    if (o.output.empty())
        return fail("empty output name");
    return ParseResult{std::move(o), {}};
}

} // namespace coder
