#include "coder/OutputName.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <cctype>
#include <cstring>

namespace coder {

std::string extensionOf(const std::string& name)
{
    const auto slash = name.find_last_of('/');
    const auto dot = name.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string ext = name.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

bool isKnownAudioExtension(const std::string& ext)
{
    if (ext.empty())
        return false;
    if (ext == "amr" || ext == "wma" || ext == "m4r")
        return true;
    const AVOutputFormat* container = av_guess_format(nullptr, ("x." + ext).c_str(), nullptr);
    return container && container->audio_codec != AV_CODEC_ID_NONE;
}

std::string withoutTrailingBlanks(const std::string& name)
{
    // What Qt's trimmed() takes for blanks: ASCII white space and the Unicode separators,
    // here in their UTF-8 form.
    static const char* const wide[] = {"\u0085", "\u00a0", "\u1680", "\u2000", "\u2001", "\u2002", "\u2003",
                                       "\u2004", "\u2005", "\u2006", "\u2007", "\u2008", "\u2009", "\u200a",
                                       "\u2028", "\u2029", "\u202f", "\u205f", "\u3000"};
    std::string s = name;
    for (bool trimmed = true; trimmed && !s.empty();) {
        trimmed = false;
        if (std::isspace(static_cast<unsigned char>(s.back()))) {
            s.pop_back();
            trimmed = true;
            continue;
        }
        for (const char* blank : wide) {
            const std::size_t n = std::strlen(blank);
            if (s.size() >= n && s.compare(s.size() - n, n, blank) == 0) {
                s.resize(s.size() - n);
                trimmed = true;
                break;
            }
        }
    }
    return s;
}

std::string formatKeyOf(const std::string& name)
{
    const std::string ext = extensionOf(name);
    if (isKnownAudioExtension(ext))
        return ext;
    // Any other name is taken as the window takes it: by its last three characters, blanks
    // at the end removed, whatever comes before them.
    const std::string trimmed = withoutTrailingBlanks(name);
    auto tail = [&trimmed](std::size_t n) {
        std::string t = trimmed.size() < n ? std::string() : trimmed.substr(trimmed.size() - n);
        std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return t;
    };
    // The four first formats first, so that no name they took changes hands.
    for (const char* key : {"mp3", "wma", "wav", "amr", "m4r", "m4a", "ogg"})
        if (tail(3) == key)
            return key;
    if (tail(4) == "flac")
        return "flac";
    return {};
}

} // namespace coder
