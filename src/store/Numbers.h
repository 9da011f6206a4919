#pragma once

#include <optional>
#include <string_view>

namespace korvane {

// A decimal integer with an optional sign and nothing else, within 32 bits; as quest numbers and
// search keys are read.
std::optional<int> parseInteger(std::string_view text);

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// ASCII digits only; true for an empty text.
constexpr bool allDigits(std::string_view s) {
    for (const char c : s)
        if (!isDigit(c))
            return false;
    return true;
}

} // namespace korvane
