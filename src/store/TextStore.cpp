#include "TextStore.h"
#include "SjisChars.h"

#include <cstdio>

namespace korvane {

void appendStoredText(std::string_view line, std::vector<std::string>& out) {
    do {
        const std::size_t take = sjis::prefixAtBoundary(line, kMaxLineBytes);
        out.emplace_back(line.substr(0, take));
        line.remove_prefix(take);
    } while (!line.empty());
}
namespace {
constexpr std::size_t kTextStart = 7; // four digits of number, three of index
}

std::string storedLine(std::string_view number, std::size_t index, std::string_view text) {
    char digits[24];
    std::snprintf(digits, sizeof digits, "%03zu", index);
    std::string line;
    line.reserve(number.size() + 3 + text.size());
    line.append(number).append(digits).append(text);
    return line;
}

bool TextStore::load() {
    return readSorted();
}

std::pair<std::size_t, std::size_t> TextStore::range(std::string_view number, std::size_t from) const {
    const std::size_t first = lines().lowerBound(number, from);
    std::size_t count = 0;
    while (first + count < lines().size() && hasQuestKey(lines()[first + count], number))
        ++count;
    return {first, count};
}

std::vector<std::string> TextStore::readText(std::string_view number) const {
    const auto [first, count] = range(number);
    std::vector<std::string> text;
    text.reserve(count);
    for (std::size_t k = first; k < first + count; ++k) {
        const std::string& line = lines()[k];
        text.emplace_back(line.size() > kTextStart ? std::string_view(line).substr(kTextStart) : "");
    }
    return text;
}

bool TextStore::holds(std::string_view number) const {
    return range(number).second > 0;
}

ListChange TextStore::textChange(std::string_view number, const std::vector<std::string>& text) {
    const auto [first, count] = range(number);
    Lines insert;
    insert.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        insert.push_back(storedLine(number, i, text[i]));
    return {this, first, count, std::move(insert), true};
}

} // namespace korvane
