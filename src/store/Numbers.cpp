#include "Numbers.h"

#include <charconv>

namespace korvane {

std::optional<int> parseInteger(std::string_view text) {
    const bool negative = !text.empty() && text[0] == '-';
    const std::size_t start = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    if (start == text.size())
        return std::nullopt;
    unsigned long long value = 0; // unsigned, so that from_chars takes no second sign
    const char* last = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data() + start, last, value);
    const unsigned long long limit = negative ? 2147483648ULL : 2147483647ULL;
    if (ec != std::errc() || ptr != last || value > limit)
        return std::nullopt;
    return static_cast<int>(negative ? -static_cast<long long>(value) : static_cast<long long>(value));
}

std::uint16_t questNumberOf(std::string_view text) {
    const std::optional<int> number = parseInteger(text);
    return number && *number >= 1 && *number <= kLastQuestNumber ? static_cast<std::uint16_t>(*number) : 0;
}

} // namespace korvane
