// The output format a file name asks for, by the same rule as the window's.
#pragma once

#include <string>

namespace coder {

// The lower-cased extension of a name without its dot, or "" when it has none.
std::string extensionOf(const std::string& name);

// Whether ext (lower case, no dot) names a format this program writes audio in.
bool isKnownAudioExtension(const std::string& ext);

// The format a name asks for: its extension when that is a known audio format; for any other
// name the window's rule, the last three characters after removing blanks at the end, when
// they are "mp3", "wma", "wav", "amr", "m4r", "m4a" or "ogg" in any case ("tone.v2ringmp3" and
// "ringmp3" are MP3), else the last four when they are "flac". Lower case; "" when neither.
std::string formatKeyOf(const std::string& name);

} // namespace coder
