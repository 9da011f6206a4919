// Code page 932 on Windows, through the system's own table, made to give the very bytes glibc's
// iconv gives on Debian: a checklist synced between a Windows PC and a Linux PC is written alike.

#include "Cp932.h"

#include "SjisChars.h"

#include <array>
#include <cstdlib>
#include <utility>
#include <windows.h>

namespace korvane::cp932 {
namespace {

constexpr UINT kCodePage = 932;

// Single bytes that Windows maps (to U+0080 and to private-use characters) and glibc refuses.
bool refusedSingleByte(unsigned char byte) {
    return byte == 0x80 || byte == 0xA0 || byte >= 0xFD;
}

// Characters glibc writes although they do not come back as themselves (its one-way entries):
// Windows refuses them without a best fit, which would change other characters too.
std::optional<std::string> glibcOneWay(char16_t c) {
    static constexpr std::array<std::pair<char16_t, const char*>, 9> table{{{u'\u00A2', "\x81\x91"},
                                                                            {u'\u00A3', "\x81\x92"},
                                                                            {u'\u00A5', "\x5C"},
                                                                            {u'\u00AC', "\x81\xCA"},
                                                                            {u'\u2014', "\x81\x5C"},
                                                                            {u'\u2016', "\x81\x61"},
                                                                            {u'\u203E', "\x7E"},
                                                                            {u'\u2212', "\x81\x7C"},
                                                                            {u'\u301C', "\x81\x60"}}};
    for (const auto& [from, to] : table)
        if (from == c)
            return std::string(to);
    return std::nullopt;
}

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

// One character's bytes; nothing when code page 932 has none for it.
std::optional<std::string> encodeOne(std::u16string_view ch) {
    if (ch.size() != 1)
        return std::nullopt; // beyond the BMP: never in code page 932
    if (auto oneWay = glibcOneWay(ch.front()))
        return oneWay;
    char bytes[4];
    BOOL usedDefault = FALSE;
    const int n =
        ::WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, reinterpret_cast<const wchar_t*>(ch.data()), 1,
                              bytes, sizeof bytes, nullptr, &usedDefault);
    if (n <= 0 || usedDefault || (n == 1 && refusedSingleByte(static_cast<unsigned char>(bytes[0]))))
        return std::nullopt;
    return std::string(bytes, static_cast<std::size_t>(n));
}

} // namespace

std::u16string decode(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t length = std::min<std::size_t>(sjis::charLength(bytes, pos), bytes.size() - pos);
        wchar_t unit[2];
        const int n = length == 1 && refusedSingleByte(static_cast<unsigned char>(bytes[pos]))
                          ? 0
                          : ::MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data() + pos,
                                                  static_cast<int>(length), unit, 2);
        if (n == 1) {
            out.push_back(static_cast<char16_t>(unit[0]));
            pos += length;
        } else {
            out.push_back(u'\uFFFD'); // as glibc: one replacement a byte, and on behind the byte
            ++pos;
        }
    }
    return out;
}

std::optional<std::string> encode(std::u16string_view text, std::u16string* unmappable) {
    std::string out;
    out.reserve(text.size() * 2);
    bool ok = true;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t units = isHighSurrogate(text[pos]) && pos + 1 < text.size() ? 2 : 1;
        const std::u16string_view ch = text.substr(pos, units);
        if (const auto bytes = encodeOne(ch)) {
            out += *bytes;
        } else {
            ok = false;
            if (unmappable && unmappable->find(ch) == std::u16string::npos)
                unmappable->append(ch);
        }
        pos += units;
    }
    if (!ok)
        return std::nullopt;
    return out;
}

std::string fromUtf8(std::string_view utf8) {
    const int n = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                        static_cast<int>(utf8.size()), nullptr, 0);
    std::u16string wide(static_cast<std::size_t>(std::max(n, 0)), u'\0');
    if (n < 0 || (n > 0 && ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                                 static_cast<int>(utf8.size()),
                                                 reinterpret_cast<wchar_t*>(wide.data()), n) != n))
        std::abort();
    auto bytes = encode(wide);
    if (!bytes)
        std::abort();
    return *bytes;
}

} // namespace korvane::cp932
