#include "coder/OutputTags.h"

#include "coder/OutputName.h"
#include "coder/Utf8Text.h"

#include <algorithm>

namespace coder {
namespace {

void setTag(Tags& tags, const std::string& key, const std::string& value)
{
    tags.erase(std::remove_if(tags.begin(), tags.end(), [&](const auto& t) { return t.first == key; }), tags.end());
    if (!value.empty())
        tags.emplace_back(key, value);
}

} // namespace

std::string titleFromName(const std::string& output)
{
    const auto slash = output.find_last_of('/');
    std::string name = slash == std::string::npos ? output : output.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.resize(dot);
    return name;
}

Tags outputTags(const SourceTags& source, const CoderOptions& options)
{
    const std::string format = formatKeyOf(options.output);
    Tags tags;
    if (format == "amr")
        return tags;
    const bool whole = !options.duration && options.inputSeek == 0 && options.outputStart == 0;
    if (format != "wav")
        setTag(tags, "title", titleFromName(options.output));
    if (format != "wav" || whole) {
        setTag(tags, "artist", source.artist);
        setTag(tags, "album", source.album);
    }
    for (const auto& [key, value] : options.metadata)
        setTag(tags, key, value);
    // Names and tags may come in any bytes (a WAV's INFO list in Latin-1, a shell's arguments);
    // every container stores its tags as UTF-8 or converts them from it.
    for (auto& [key, value] : tags) {
        key = validUtf8(key);
        value = validUtf8(value);
    }
    return tags;
}

} // namespace coder
