#include "coder/AcceptedFilters.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

namespace coder {

const char* const acceptedFilters = "afade, loudnorm and volume";

namespace {

// Longest time a fade may name: as long as the longest cut.
constexpr double maxSeconds = 1e6;
constexpr double maxSamples = 1e12;

std::string lowered(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// A value as FFmpeg's option parser reads it: quotes removed, escaped characters taken as they are.
std::string unquoted(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size())
            out += text[++i];
        else if (text[i] != '\'')
            out += text[i];
    }
    return trimmedText(out);
}

// A plain decimal number with an optional sign (no expressions, no suffixes); empty otherwise.
std::optional<double> number(const std::string& text)
{
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    if (first == last || !(std::isdigit(static_cast<unsigned char>(*first)) || *first == '-' || *first == '.'))
        return std::nullopt;
    double v = 0;
    auto [end, ec] = std::from_chars(first, last, v, std::chars_format::fixed);
    if (ec != std::errc() || end != last || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// The shortest plain decimal that reads back as v ("0", "0.5", "29").
std::string decimal(double v)
{
    std::array<char, 64> buf{};
    auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed);
    return ec == std::errc() ? std::string(buf.data(), end) : std::string("0");
}

// One option of a step: its name as given (lower case) and its value unquoted.
struct Option {
    std::string key;
    std::string value;
    bool named = false;
};

bool splitOptions(const std::string& options, std::vector<Option>& out, std::string& error)
{
    if (trimmedText(options).empty())
        return true;
    std::vector<std::string> pairs;
    if (!splitFilterText(options, ':', pairs, error))
        return false;
    for (const std::string& pair : pairs) {
        std::vector<std::string> sides;
        if (!splitFilterText(pair, '=', sides, error))
            return false;
        if (sides.size() > 2) {
            error = "more than one '=' in \"" + pair + "\"";
            return false;
        }
        if (sides.size() == 2)
            out.push_back(Option{lowered(unquoted(sides[0])), unquoted(sides[1]), true});
        else
            out.push_back(Option{{}, unquoted(sides[0]), false});
    }
    return true;
}

bool isOneOf(const std::string& value, std::initializer_list<const char*> names)
{
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return value == n; });
}

CheckedStep refuse(std::string why)
{
    CheckedStep s;
    s.error = std::move(why);
    return s;
}

CheckedStep checkAfade(const std::vector<Option>& options)
{
    std::string text = "afade";
    char separator = '=';
    for (const Option& o : options) {
        if (!o.named)
            return refuse("give afade's options by name (t=, st=, d=, curve=, ss=, ns=): " + o.value);
        std::string value = o.value;
        if (isOneOf(o.key, {"t", "type"})) {
            if (!isOneOf(value, {"in", "out"}))
                return refuse("afade " + o.key + " must be in or out, not " + value);
        } else if (isOneOf(o.key, {"st", "start_time", "d", "duration"})) {
            const std::optional<double> v = number(value);
            if (!v || *v < 0 || *v > maxSeconds)
                return refuse("afade " + o.key + " must be a number of seconds, not " + value);
            value = decimal(*v);
        } else if (isOneOf(o.key, {"ss", "start_sample", "ns", "nb_samples"})) {
            const std::optional<double> v = number(value);
            const double least = isOneOf(o.key, {"ns", "nb_samples"}) ? 1 : 0;
            if (!v || *v != std::floor(*v) || *v < least || *v > maxSamples)
                return refuse("afade " + o.key + " must be a whole number of samples, not " + value);
            value = decimal(*v);
        } else if (isOneOf(o.key, {"curve", "c"})) {
            if (!isOneOf(value, {"nofade", "tri", "qsin", "esin", "hsin", "log", "ipar", "qua", "cub", "squ", "cbr",
                                 "par", "exp", "iqsin", "ihsin", "dese", "desi", "losi", "sinc", "isinc"}))
                return refuse("afade curve " + value + " is not one of FFmpeg's fade curves");
        } else {
            return refuse("afade option " + o.key + " is not accepted (only t, st, d, curve, ss and ns)");
        }
        text += separator + o.key + "=" + value;
        separator = ':';
    }
    CheckedStep s;
    s.filter = text;
    return s;
}

CheckedStep checkVolume(const std::vector<Option>& options)
{
    std::string volume;
    std::string precision;
    for (std::size_t i = 0; i < options.size(); ++i) {
        const Option& o = options[i];
        const bool isVolume = o.named ? o.key == "volume" : i == 0;
        if (isVolume) {
            const bool inDb = o.value.size() > 2 && o.value.compare(o.value.size() - 2, 2, "dB") == 0;
            const std::optional<double> v = number(inDb ? o.value.substr(0, o.value.size() - 2) : o.value);
            if (!v || (inDb ? *v < -200 || *v > 60 : *v < 0 || *v > 1000))
                return refuse("volume must be a factor from 0 to 1000 or a gain from -200dB to 60dB, not " + o.value);
            volume = decimal(*v) + (inDb ? "dB" : "");
        } else if (o.named && o.key == "precision") {
            if (!isOneOf(o.value, {"fixed", "float", "double"}))
                return refuse("volume precision must be fixed, float or double, not " + o.value);
            precision = o.value;
        } else {
            return refuse("volume option " + (o.named ? o.key : o.value) + " is not accepted (only volume and precision)");
        }
    }
    CheckedStep s;
    s.filter = "volume=" + (volume.empty() ? std::string("1") : volume);
    if (!precision.empty())
        s.filter += ":precision=" + precision;
    return s;
}

CheckedStep checkLoudnorm(const std::vector<Option>& options)
{
    LoudnessTarget target;
    for (const Option& o : options) {
        if (!o.named)
            return refuse("give loudnorm's options by name (I=, TP=, LRA=): " + o.value);
        const std::optional<double> v = number(o.value);
        if (!v)
            return refuse("loudnorm " + o.key + " is not a number: " + o.value);
        if (o.key == "i") {
            if (*v < -70 || *v > -5)
                return refuse("loudnorm I must lie between -70 and -5 LUFS");
            target.integrated = *v;
        } else if (o.key == "tp") {
            if (*v < -9 || *v > 0)
                return refuse("loudnorm TP must lie between -9 and 0 dBTP");
            target.truePeak = *v;
        } else if (o.key != "lra") {
            return refuse("loudnorm option " + o.key + " is not supported (only I, TP and LRA)");
        }
    }
    CheckedStep s;
    s.loudness = target;
    return s;
}

} // namespace

std::string trimmedText(const std::string& text)
{
    std::size_t a = 0;
    std::size_t b = text.size();
    while (a < b && std::isspace(static_cast<unsigned char>(text[a])))
        ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(text[b - 1])))
        --b;
    return text.substr(a, b - a);
}

bool splitFilterText(const std::string& text, char separator, std::vector<std::string>& parts, std::string& error)
{
    std::string current;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            current += c;
            current += text[++i];
            continue;
        }
        if (c == '\'') {
            quoted = !quoted;
        } else if (!quoted && (c == ';' || c == '[' || c == ']')) {
            error = std::string("only one chain of filters without labels is taken, found '") + c + "'";
            return false;
        } else if (!quoted && c == separator) {
            parts.push_back(current);
            current.clear();
            continue;
        }
        current += c;
    }
    if (quoted) {
        error = "a quote is not closed";
        return false;
    }
    parts.push_back(current);
    return true;
}

CheckedStep checkStep(const std::string& step)
{
    const std::string text = trimmedText(step);
    const auto eq = text.find('=');
    const std::string name = trimmedText(text.substr(0, eq));
    std::vector<Option> options;
    std::string error;
    if (!splitOptions(eq == std::string::npos ? std::string() : text.substr(eq + 1), options, error))
        return refuse(error);
    if (name == "afade")
        return checkAfade(options);
    if (name == "volume")
        return checkVolume(options);
    if (name == "loudnorm")
        return checkLoudnorm(options);
    return refuse("\"" + name + "\" is not an accepted filter; the accepted filters are " + acceptedFilters);
}

} // namespace coder
