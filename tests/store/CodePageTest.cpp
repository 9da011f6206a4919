// Code page 932 gives the same characters and the same bytes on every system Korvane runs on
// (glibc's iconv on Debian, Windows' own table on Windows): the characters where tables differ.

#include "store/Cp932.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

struct DecodeCase {
    const char* what;
    std::string bytes;
    std::u16string text;
};

TEST(CodePage932, ReadsTheTrickyBytesAlike) {
    const DecodeCase cases[] = {
        {"wave dash: the full-width tilde", "\x81\x60", u"\uFF5E"},
        {"the rows Microsoft maps to full-width forms", "\x81\x5F\x81\x61\x81\x7C\x81\x91\x81\x92\x81\xCA",
         u"\uFF3C\u2225\uFF0D\uFFE0\uFFE1\uFFE2"},
        {"NEC row 13", "\x87\x40\x87\x54", u"\u2460\u2160"},
        {"NEC-selected IBM extensions and IBM's own", "\xED\x40\xFA\x40\xFA\x5C", u"\u7E8A\u2170\u7E8A"},
        {"the user's area", "\xF0\x40", u"\uE000"},
        {"half-width katakana and controls as they are", "\xB1\x1A\x7F", u"\uFF71\u001A\u007F"},
        {"single bytes no table holds", "\x80\xA0\xFD\xFE\xFF", u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"a lead byte before a byte no pair takes", "\x81\x20x", u"\uFFFD x"},
        {"a lead byte at the end", "a\x81", u"a\uFFFD"},
    };
    for (const DecodeCase& c : cases)
        EXPECT_EQ(cp932::decode(c.bytes), c.text) << c.what;
}

struct EncodeCase {
    const char* what;
    std::u16string text;
    std::optional<std::string> bytes; // nothing: not in code page 932
};

TEST(CodePage932, WritesTheTrickyCharactersAlike) {
    const EncodeCase cases[] = {
        {"the wave dash as typed on Linux, and the full-width tilde", u"\u301C\uFF5E", "\x81\x60\x81\x60"},
        {"double vertical line, minus, cent, pound, not", u"\u2016\u2212\u00A2\u00A3\u00AC",
         "\x81\x61\x81\x7C\x81\x91\x81\x92\x81\xCA"},
        {"em dash and horizontal bar", u"\u2014\u2015", "\x81\x5C\x81\x5C"},
        {"yen sign and overline as ASCII", u"\u00A5\u203E", "\x5C\x7E"},
        {"characters of NEC and IBM rows take Microsoft's choice", u"\u2170\u7E8A\u2252\u2460",
         "\xFA\x40\xFA\x5C\x81\xE0\x87\x40"},
        {"the user's area", u"\uE000", "\xF0\x40"},
        {"an emoji", u"\U0001F600", std::nullopt},
        {"a character beyond the BMP", u"\U00020BB7", std::nullopt},
        {"Latin letters with accents", u"\u00E9", std::nullopt},
        {"what Windows would best-fit or keep private", u"\u00A0", std::nullopt},
        {"the private characters Windows gives single bytes", u"\uF8F0", std::nullopt},
        {"a C1 control", u"\u0080", std::nullopt},
    };
    for (const EncodeCase& c : cases)
        EXPECT_EQ(cp932::encode(c.text), c.bytes) << c.what;
    std::u16string unmappable;
    EXPECT_FALSE(cp932::encode(u"a\U0001F600b\u00E9\U0001F600", &unmappable));
    EXPECT_EQ(unmappable, u"\U0001F600\u00E9") << "each once, in order";
}

} // namespace
} // namespace korvane
