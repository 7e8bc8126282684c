// libFuzzer target: any bytes, taken for an input file, go through the decode path (demuxer,
// decoder, cut, resampler) into a WAV output. Whatever the bytes, the run must end with a file
// or with a CoderError: never a crash, a sanitizer report, a hang or a leak.
#include "coder/InputDecoder.h"
#include "coder/Transcoder.h"

extern "C" {
#include <libavutil/log.h>
}

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

std::string outputFolder;
std::FILE* console = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    av_log_set_level(AV_LOG_QUIET);
    // Outputs in memory where there is a memory file system: the fuzzer writes thousands.
    std::string pattern = std::string(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/coder-decode-fuzz.XXXXXX";
    if (!::mkdtemp(pattern.data()))
        std::abort();
    outputFolder = pattern;
    std::atexit([] {
        ::unlink((outputFolder + "/out.wav").c_str());
        ::rmdir(outputFolder.c_str());
    });
    console = std::fopen("/dev/null", "w");
    return console ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks what is asked of the input, as the window's command lines do: the
    // decode on open, a cut, or a cut mixed and resampled to mono 8000 Hz.
    const std::uint8_t how = data[0];
    coder::CoderOptions options;
    options.input = "input";
    options.output = outputFolder + "/out.wav";
    options.overwrite = true;
    options.duration = 30;  // enough for any input of the fuzzer's sizes; bounds the output
    if (how % 3 == 1) {
        options.outputStart = 0.5;
        options.duration = 1;
    } else if (how % 3 == 2) {
        options.sampleRate = 8000;
        options.channels = 1;
    }
    try {
        coder::InputDecoder in(options.input, std::make_unique<coder::MemoryBytes>(data + 1, size - 1));
        coder::ProgressPrinter printer(console);
        coder::transcode(in, options, printer);
    } catch (const coder::CoderError&) {
        // A clean refusal is a valid end.
    }
    return 0;
}
