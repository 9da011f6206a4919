#pragma once

#include <cstdint>
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

// The highest quest number: four digits.
constexpr int kLastQuestNumber = 9999;

// A quest's number as a player or a line names it ("12", "0012"): 1 to 9999; 0 for any other text.
std::uint16_t questNumberOf(std::string_view text);

// A quest's key as the files store it, four digits, as a number from 1 to 9999; 0 for any other
// text.
constexpr std::uint16_t fourDigitNumber(std::string_view text) {
    if (text.size() != 4 || !allDigits(text))
        return 0;
    return static_cast<std::uint16_t>((text[0] - '0') * 1000 + (text[1] - '0') * 100 + (text[2] - '0') * 10 +
                                      (text[3] - '0'));
}

} // namespace korvane
