#include "SetAside.h"

#include "CommaText.h"
#include "Numbers.h"

namespace korvane {
namespace {

// One field of a line as comma text reads it; empty when it has none.
std::string fieldAt(std::string_view line, std::size_t field) {
    Fields found = fieldsFrom(line, field, 1);
    return found.empty() ? std::string() : std::move(found.front());
}

// A four-digit quest number, 1 to 9999; 0 for any other text.
std::uint16_t fourDigits(std::string_view text) {
    if (text.size() != 4 || !allDigits(text))
        return 0;
    return static_cast<std::uint16_t>((text[0] - '0') * 1000 + (text[1] - '0') * 100 + (text[2] - '0') * 10 +
                                      (text[3] - '0'));
}

// The first field of a line that starts plain (digits, then a comma or its end), read in place;
// otherwise the field as comma text reads it.
std::uint16_t firstFieldNumber(std::string_view line) {
    const std::size_t comma = line.find(',');
    const std::string_view plain = line.substr(0, comma);
    if (allDigits(plain))
        return fourDigits(plain);
    return fourDigits(fieldAt(line, 0));
}

} // namespace

std::string setAsideLine(std::string_view number, std::string_view date) {
    return joinCommaText({std::string(number), std::string(date)});
}

std::uint16_t setAsideNumber(std::string_view line) {
    return firstFieldNumber(line);
}

bool SetAsideList::load() {
    const bool existed = read();
    if (!lines().isSorted()) {
        lines().sort();
        markFileDiffers();
    }
    markLoaded();
    index();
    return existed;
}

void SetAsideList::index() {
    numbers_.reset();
    for (const std::string& line : lines().lines())
        if (const std::uint16_t number = setAsideNumber(line))
            numbers_.set(number);
}

bool SetAsideList::holds(std::string_view number) const {
    const std::uint16_t key = fourDigits(number);
    return key != 0 && numbers_.test(key);
}

bool SetAsideList::holdsLine(std::string_view tableLine) const {
    if (numbers_.none())
        return false; // the common case: nothing set aside, no line read
    const std::uint16_t key = firstFieldNumber(tableLine);
    return key != 0 && numbers_.test(key);
}

std::string SetAsideList::dateOf(std::string_view number) const {
    const auto [first, count] = range(number);
    return count == 0 ? std::string() : fieldAt(lines()[first], 1);
}

std::pair<std::size_t, std::size_t> SetAsideList::range(std::string_view number) const {
    const std::size_t first = lines().lowerBound(number);
    std::size_t count = 0;
    const std::uint16_t key = fourDigits(number);
    while (key != 0 && first + count < lines().size() && setAsideNumber(lines()[first + count]) == key)
        ++count;
    return {first, count};
}

ListChange SetAsideList::setAsideChange(std::string_view number, std::string_view date) {
    const auto [first, count] = range(number);
    return {this, first, count, {setAsideLine(number, date)}, true};
}

ListChange SetAsideList::takeBackChange(std::string_view number) {
    const auto [first, count] = range(number);
    return {this, first, count, {}, true};
}

void SetAsideList::take(std::vector<LineRange>& ranges, bool keepsOrder) {
    StoredList::take(ranges, keepsOrder);
    index();
}

} // namespace korvane
