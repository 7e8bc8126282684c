// One run of the transcoder: decode the input, keep the cut, convert, encode, write.
#pragma once

#include "coder/CommandLine.h"
#include "coder/ProgressPrinter.h"

#include <memory>

namespace coder {

class AudioSink;
class InputDecoder;
struct OutputRequest;

// Picks the output writer for the request's file name (.amr gets the AMR-NB writer);
// throws CoderError when the name names no audio format this program can write.
std::unique_ptr<AudioSink> openSink(const OutputRequest& request);

// Writes options.output from options.input as the options ask, printing the header and the
// progress through printer. Refuses an output that is the input itself, and an -af chain of
// anything but the accepted filters (AcceptedFilters.h) before the output is touched. The output
// appears only complete; throws CoderError otherwise. With a loudnorm step, time= runs once from
// 0 to the cut's length over all the passes that measure and write, and a file that could not be
// brought to the target gets one line after the last progress line, "Loudness: -19.4 LUFS
// reached, 3.4 LU under the target of -16 LUFS" (its form: loudnessShortfall in
// WrittenLoudness.h). Returns the number of warnings printed (damaged input skipped).
int transcode(const CoderOptions& options, ProgressPrinter& printer);

// The same from an input that is already open; options.input only names it.
int transcode(InputDecoder& in, const CoderOptions& options, ProgressPrinter& printer);

} // namespace coder
