#include "SetAsideMerge.h"

#include <set>

namespace korvane {

Lines mergedSetAside(const LineList& mine, const Lines& copy,
                     const std::vector<std::optional<bool>>& inForce) {
    const auto takenBack = [&](std::uint16_t number) {
        return number < inForce.size() && inForce[number] == false;
    };
    std::set<std::uint16_t> inCopy, inMine;
    for (const std::string& line : copy)
        inCopy.insert(setAsideNumber(line));
    Lines merged;
    std::set<std::string_view> unnamed;
    const auto keepUnnamed = [&](const std::string& line) {
        if (unnamed.insert(line).second)
            merged.push_back(line);
    };
    for (const std::string& line : mine.lines()) {
        const std::uint16_t number = setAsideNumber(line);
        if (number == 0) {
            keepUnnamed(line);
            continue;
        }
        inMine.insert(number);
        if (inCopy.contains(number) || !takenBack(number))
            merged.push_back(line);
    }
    for (const std::string& line : copy) {
        const std::uint16_t number = setAsideNumber(line);
        if (number == 0)
            keepUnnamed(line);
        else if (!takenBack(number) && inMine.insert(number).second)
            merged.push_back(line); // the copy's first line of the quest
    }
    LineList sorted(mine.collation());
    sorted.assign(std::move(merged));
    sorted.sort();
    return std::move(sorted).release();
}

} // namespace korvane
