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
// progress through printer. Refuses an output that is the input itself. The output appears
// only complete; throws CoderError otherwise. Returns the number of warnings printed (damaged
// input skipped).
int transcode(const CoderOptions& options, ProgressPrinter& printer);

// The same from an input that is already open; options.input only names it.
int transcode(InputDecoder& in, const CoderOptions& options, ProgressPrinter& printer);

} // namespace coder
