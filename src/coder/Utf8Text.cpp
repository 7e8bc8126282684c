#include "coder/Utf8Text.h"

namespace coder {
namespace {

constexpr const char* replacement = "\xEF\xBF\xBD";

// The range the second byte of a sequence may take after lead byte `lead` (Unicode's table of
// well-formed byte sequences); the bytes after it are 80..BF.
bool secondByteFits(unsigned char lead, unsigned char second)
{
    if (lead == 0xE0)
        return second >= 0xA0 && second <= 0xBF;
    if (lead == 0xED)
        return second >= 0x80 && second <= 0x9F;
    if (lead == 0xF0)
        return second >= 0x90 && second <= 0xBF;
    if (lead == 0xF4)
        return second >= 0x80 && second <= 0x8F;
    return second >= 0x80 && second <= 0xBF;
}

// Bytes of the sequence a lead byte starts; 0 for a byte that starts none.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

} // namespace

std::string validUtf8(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = sequenceLength(lead);
        if (length == 0) {
            out += replacement;
            ++i;
            continue;
        }
        // How many bytes of the sequence are well formed: all of them, or the maximal part that
        // is replaced as one.
        int good = 1;
        while (good < length && i + static_cast<std::size_t>(good) < text.size()) {
            const auto b = static_cast<unsigned char>(text[i + static_cast<std::size_t>(good)]);
            const bool fits = good == 1 ? secondByteFits(lead, b) : b >= 0x80 && b <= 0xBF;
            if (!fits)
                break;
            ++good;
        }
        if (good == length)
            out.append(text, i, static_cast<std::size_t>(length));
        else
            out += replacement;
        i += static_cast<std::size_t>(good);
    }
    return out;
}

} // namespace coder
