#pragma once
// Stepping over Shift-JIS (code page 932) characters. Every scan that looks for separators,
// quotes, spaces or search text goes through here, so the second byte of a two-byte character
// is never mistaken for one of them.

#include <cstddef>
#include <string_view>

namespace korvane::sjis {

constexpr bool isLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Bytes taken by the character at pos; a lead byte with nothing after it stands alone.
constexpr std::size_t charLength(std::string_view s, std::size_t pos) {
    return isLeadByte(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size() ? 2 : 1;
}

// The longest prefix of s of at most limit bytes that ends on a character boundary.
std::size_t prefixAtBoundary(std::string_view s, std::size_t limit);

// Whether offset starts a character, counting from the start of s.
bool startsAtBoundary(std::string_view s, std::size_t offset);

} // namespace korvane::sjis
