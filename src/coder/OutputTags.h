// Which tags an output carries: its own title, and the source's artist and album.
#pragma once

#include "coder/CommandLine.h"

#include <string>
#include <utility>
#include <vector>

namespace coder {

using Tags = std::vector<std::pair<std::string, std::string>>;

// The tags of the source that a cut keeps, as found in it (key, value); empty values are left out.
struct SourceTags {
    std::string artist;
    std::string album;
};

// The output's name without its folder and its extension ("/a/My Tone.m4r" -> "My Tone").
std::string titleFromName(const std::string& output);

// The tags to write: the title (the output's name without extension) and the source's artist
// and album. A WAV written whole from its source (no -ss, no -t) keeps only the source's artist
// and album, so that cuts made from it can carry them on; a WAV cut and an AMR file carry none.
// -metadata key=value sets or, with an empty value, removes a tag afterwards (never for AMR,
// which has no place for tags). Keys are FFmpeg's generic names ("title", "artist", "album").
// Keys and values are made valid UTF-8 (Utf8Text.h).
Tags outputTags(const SourceTags& source, const CoderOptions& options);

} // namespace coder
