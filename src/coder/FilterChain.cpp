#include "coder/FilterChain.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <vector>

namespace coder {
namespace {

std::string trimmed(const std::string& s)
{
    std::size_t a = 0;
    std::size_t b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a])))
        ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1])))
        --b;
    return s.substr(a, b - a);
}

// Splits text at every top-level `separator`: not inside '...' and not escaped by a backslash.
// Returns false when a quote is left open or a chain or label character appears.
bool splitTopLevel(const std::string& text, char separator, std::vector<std::string>& parts, std::string& error)
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

std::string lowered(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::optional<double> number(const std::string& text)
{
    double v = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    auto [end, ec] = std::from_chars(first, last, v);
    if (ec != std::errc() || end != last || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// Reads loudnorm's options ("I=-16:TP=-1:LRA=11") into target; returns an error text or "".
std::string readLoudnorm(const std::string& options, LoudnessTarget& target)
{
    if (options.empty())
        return {};
    std::vector<std::string> pairs;
    std::string error;
    if (!splitTopLevel(options, ':', pairs, error))
        return error;
    for (const std::string& pair : pairs) {
        const auto eq = pair.find('=');
        if (eq == std::string::npos)
            return "give loudnorm's options by name (I=, TP=, LRA=): " + pair;
        const std::string key = lowered(trimmed(pair.substr(0, eq)));
        const std::optional<double> v = number(trimmed(pair.substr(eq + 1)));
        if (!v)
            return "loudnorm " + key + " is not a number: " + pair.substr(eq + 1);
        if (key == "i") {
            if (*v < -70 || *v > -5)
                return "loudnorm I must lie between -70 and -5 LUFS";
            target.integrated = *v;
        } else if (key == "tp") {
            if (*v < -9 || *v > 0)
                return "loudnorm TP must lie between -9 and 0 dBTP";
            target.truePeak = *v;
        } else if (key != "lra") {
            return "loudnorm option " + key + " is not supported (only I, TP and LRA)";
        }
    }
    return {};
}

std::string joined(const std::vector<std::string>& parts, std::size_t from, std::size_t to)
{
    std::string out;
    for (std::size_t i = from; i < to; ++i) {
        if (!out.empty())
            out += ',';
        out += parts[i];
    }
    return out;
}

} // namespace

FilterChainParse parseFilterChain(const std::string& text)
{
    auto fail = [](std::string why) { return FilterChainParse{std::nullopt, "invalid filter chain: " + why}; };
    std::vector<std::string> steps;
    std::string error;
    if (!splitTopLevel(text, ',', steps, error))
        return fail(error);
    std::optional<std::size_t> loudnormAt;
    FilterChain chain;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        steps[i] = trimmed(steps[i]);
        if (steps[i].empty())
            return fail("an empty filter in \"" + text + "\"");
        const auto eq = steps[i].find('=');
        const std::string name = trimmed(steps[i].substr(0, eq));
        if (name != "loudnorm")
            continue;
        if (loudnormAt)
            return fail("more than one loudnorm step");
        loudnormAt = i;
        LoudnessTarget target;
        const std::string why = readLoudnorm(eq == std::string::npos ? std::string() : steps[i].substr(eq + 1), target);
        if (!why.empty())
            return fail(why);
        chain.loudness = target;
    }
    const std::size_t split = loudnormAt.value_or(steps.size());
    chain.before = joined(steps, 0, split);
    if (loudnormAt)
        chain.after = joined(steps, split + 1, steps.size());
    return FilterChainParse{chain, {}};
}

} // namespace coder
