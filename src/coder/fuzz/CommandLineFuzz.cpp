// libFuzzer target: the command-line parser must never crash, whatever the arguments, and
// whatever it accepts must be a complete, consistent set of options. Every argument is also
// read as an -af chain: what is accepted is rebuilt from the accepted filters alone and reads
// back as itself.
#include "coder/CommandLine.h"
#include "coder/FilterChain.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Arguments are separated by NUL bytes, as in argv.
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    const coder::ParseResult r = coder::parseCommandLine(args);
    if (r.options) {
        if (r.options->input.empty() || r.options->output.empty() || !r.error.empty())
            std::abort();
        if (r.options->outputStart < 0 || r.options->inputSeek < 0 || (r.options->duration && *r.options->duration <= 0))
            std::abort();
    } else if (r.error.empty()) {
        std::abort();
    }
    for (const std::string& a : args) {
        coder::parseSeconds(a);
        coder::parseBitRate(a);
        coder::parsePositiveInt(a, 8);
        const coder::FilterChainParse chain = coder::parseFilterChain(a);
        if (chain.chain) {
            for (const std::string& part : {chain.chain->before, chain.chain->after}) {
                if (part.empty())
                    continue;
                const coder::FilterChainParse again = coder::parseFilterChain(part);
                if (!again.chain || again.chain->before != part || again.chain->loudness)
                    std::abort();
                if (part.rfind("afade", 0) != 0 && part.rfind("volume=", 0) != 0)
                    std::abort();
            }
        } else if (chain.error.empty()) {
            std::abort();
        }
    }
    return 0;
}
