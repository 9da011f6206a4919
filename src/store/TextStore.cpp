#include "TextStore.h"

#include "SjisChars.h"

#include <cstdio>

namespace korvane {
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

void TextStore::load() {
    read();
    lines().sort();
    markLoaded();
}

std::vector<std::string> TextStore::readText(std::string_view number) const {
    std::vector<std::string> text;
    const std::size_t first = lines().lowerBound(number);
    for (std::size_t k = 0; k < kMaxTextLines && first + k < lines().size(); ++k) {
        const std::string& line = lines()[first + k];
        if (!hasQuestKey(line, number))
            break;
        const std::string_view body =
            line.size() > kTextStart ? std::string_view(line).substr(kTextStart) : "";
        text.emplace_back(body.substr(0, sjis::prefixAtBoundary(body, kMaxShownBytes)));
    }
    return text;
}

std::size_t TextStore::removeText(std::string_view number) {
    const std::size_t first = lines().lowerBound(number);
    std::size_t count = 0;
    while (count < kMaxTextLines && first + count < lines().size() &&
           hasQuestKey(lines()[first + count], number))
        ++count;
    lines().erase(first, count);
    return count;
}

void TextStore::appendText(std::string_view number, const std::vector<std::string>& text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        lines().append(storedLine(number, i, text[i]));
}

void TextStore::replaceText(std::string_view number, const std::vector<std::string>& text) {
    removeText(number);
    appendText(number, text);
    lines().sort();
    save();
}

} // namespace korvane
