// The loudness of a file as written, measured on what a decoder gives back.
#pragma once

#include "coder/WrittenLoudness.h"

#include <functional>
#include <string>

namespace coder {

// Decodes the audio of the file at path and measures it as FFmpeg's ebur128 filter does with
// peak=true: integrated loudness (-70 LUFS for silence) and true peak in dBTP. progress gets the
// seconds decoded so far. Throws CoderError naming `name` when the file cannot be read back.
FileLoudness measureFile(const std::string& path, const std::string& name,
                         const std::function<void(double seconds)>& progress);

} // namespace coder
