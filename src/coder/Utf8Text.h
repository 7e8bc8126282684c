// Text that is sure to be UTF-8, for what goes into a file's tags.
#pragma once

#include <string>

namespace coder {

// text with every byte sequence that is not well-formed UTF-8 replaced by U+FFFD, one for each
// maximal part of a sequence that could have begun well (Unicode's recommended practice):
// stray continuation bytes, sequences cut short, overlong forms, surrogates and values past
// U+10FFFF. Well-formed text comes back unchanged.
std::string validUtf8(const std::string& text);

} // namespace coder
