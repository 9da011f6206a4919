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

} // namespace

std::string setAsideLine(std::string_view number, std::string_view date) {
    return joinCommaText({std::string(number), std::string(date)});
}

// A line that starts plain (digits, then a comma or its end) is read in place; any other as comma
// text reads it.
std::uint16_t setAsideNumber(std::string_view line) {
    const std::string_view plain = line.substr(0, line.find(','));
    if (allDigits(plain))
        return fourDigitNumber(plain);
    return fourDigitNumber(fieldAt(line, 0));
}

bool SetAsideList::load() {
    const bool existed = readSorted();
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
    const std::uint16_t key = fourDigitNumber(number);
    return key != 0 && numbers_.test(key);
}

std::string SetAsideList::dateOf(std::string_view number) const {
    const auto [first, count] = range(number);
    return count == 0 ? std::string() : fieldAt(lines()[first], 1);
}

std::pair<std::size_t, std::size_t> SetAsideList::range(std::string_view number) const {
    const std::size_t first = lines().lowerBound(number);
    std::size_t count = 0;
    const std::uint16_t key = fourDigitNumber(number);
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

std::string setAsideDate(const QDate& day) {
    return day.toString(QStringLiteral("yyyy/MM/dd")).toStdString();
}

} // namespace korvane
