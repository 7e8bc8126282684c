#include "coder/FilterChain.h"

#include <vector>

namespace coder {

FilterChainParse parseFilterChain(const std::string& text)
{
    auto fail = [](std::string why) { return FilterChainParse{std::nullopt, "invalid filter chain: " + why}; };
    std::vector<std::string> steps;
    std::string error;
    if (!splitFilterText(text, ',', steps, error))
        return fail(error);
    FilterChain chain;
    for (const std::string& step : steps) {
        if (trimmedText(step).empty())
            return fail("an empty filter in \"" + text + "\"");
        const CheckedStep checked = checkStep(step);
        if (!checked.error.empty())
            return fail(checked.error);
        if (checked.loudness) {
            if (chain.loudness)
                return fail("more than one loudnorm step");
            chain.loudness = checked.loudness;
            continue;
        }
        std::string& part = chain.loudness ? chain.after : chain.before;
        part += (part.empty() ? "" : ",") + checked.filter;
    }
    return FilterChainParse{chain, {}};
}

} // namespace coder
