// Tag text made valid UTF-8: broken sequences become U+FFFD, well-formed text stays.
#include "coder/Utf8Text.h"

#include <gtest/gtest.h>

using coder::validUtf8;

namespace {

const std::string fffd = "\xEF\xBF\xBD";

TEST(Utf8Text, WellFormedTextStaysAsItIs)
{
    for (const std::string& text : {std::string(), std::string("plain ASCII"), std::string("Zo\xC3\xAB \xE5\xA4\xA7\xE9\x98\xAA"),
                                   std::string("\xF0\x9F\x8E\xB5 note"), std::string("\xF4\x8F\xBF\xBF"),
                                   std::string("\xED\x9F\xBF"), std::string("nul\0inside", 10)})
        EXPECT_EQ(validUtf8(text), text);
}

TEST(Utf8Text, EachMaximalBrokenPartBecomesOneReplacementCharacter)
{
    struct Case {
        std::string in;
        std::string out;
    };
    for (const Case& c : {
             Case{"Zo\xEB Band", "Zo" + fffd + " Band"},           // Latin-1 from a WAV's INFO list
             Case{"\x80\xBF", fffd + fffd},                         // stray continuation bytes
             Case{"a\xE5\xA4", "a" + fffd},                         // cut short at the end
             Case{"\xE5\xA4x", fffd + "x"},                         // cut short before a letter
             Case{"\xC0\xAF", fffd + fffd},                         // overlong '/'
             Case{"\xE0\x80\xAF", fffd + fffd + fffd},              // overlong in three bytes
             Case{"\xED\xA0\x80", fffd + fffd + fffd},              // a surrogate
             Case{"\xF4\x90\x80\x80", fffd + fffd + fffd + fffd},   // past U+10FFFF
             Case{"\xF5\xFF", fffd + fffd},                         // bytes that start nothing
             Case{"\xF0\x9F\x8E", fffd},                            // a four-byte sequence cut short
         }) {
        const std::string got = validUtf8(c.in);
        EXPECT_EQ(got, c.out) << c.in;
        EXPECT_EQ(validUtf8(got), got);
    }
}

} // namespace
