#pragma once
// Conversion between code page 932 bytes and UTF-16, through glibc's iconv, which follows
// Microsoft's table and reports every character it cannot convert.

#include <optional>
#include <string>
#include <string_view>

namespace korvane::cp932 {

// Bytes that are not valid code page 932 become U+FFFD, one per byte, so display never fails.
std::u16string decode(std::string_view bytes);

// Nothing when a character has no code page 932 form; those characters (each once, in order)
// are then put into unmappable when it is given.
std::optional<std::string> encode(std::u16string_view text, std::u16string* unmappable = nullptr);

// For literals in the source, which are UTF-8; aborts on text that has no code page 932 form.
std::string fromUtf8(std::string_view utf8);

} // namespace korvane::cp932
