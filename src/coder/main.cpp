// coder: the transcoder program. FFmpeg-style command line, output written completely or not at all.
#include "coder/AvHandles.h"
#include "coder/CommandLine.h"
#include "coder/Transcoder.h"

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

extern "C" {
#include <libavutil/log.h>
}

int main(int argc, char** argv)
{
    // A caller that stops reading must not kill the run half way through writing.
    std::signal(SIGPIPE, SIG_IGN);
    av_log_set_level(AV_LOG_FATAL);

    const std::vector<std::string> args(argv + 1, argv + argc);
    const coder::ParseResult parsed = coder::parseCommandLine(args);
    if (!parsed.options) {
        std::fprintf(stderr, "coder: %s\n", parsed.error.c_str());
        if (args.empty())
            std::fprintf(stderr, "usage: coder [-ss S] -i INPUT [-ss S] [-t S] [-y] [-vn] [-ab RATE] [-ar HZ] "
                                 "[-ac N] [-acodec NAME] [-af FILTERS] [-metadata KEY=VALUE] OUTPUT\n");
        return 2;
    }
    coder::ProgressPrinter printer(stdout);
    try {
        coder::transcode(*parsed.options, printer);
    } catch (const coder::CoderError& e) {
        printer.endLine();
        std::fprintf(stderr, "coder: %s\n", e.what());
        return 1;
    } catch (const std::exception& e) {
        printer.endLine();
        std::fprintf(stderr, "coder: %s: %s\n", parsed.options->output.c_str(), e.what());
        return 1;
    }
    return 0;
}
