#pragma once
// An ordered list of code page 932 lines, sorted with the one comparator. It remembers how much of
// it is known to be in order, so that a list read in order costs one pass at start and a few
// appended lines cost a merge, not a full sort.

#include "Collation.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

using Lines = std::vector<std::string>;
struct LineRange;

class LineList {
public:
    explicit LineList(const Collation& collation = Collation::user()) : collation_(&collation) {}

    const Lines& lines() const { return lines_; }
    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    const std::string& operator[](std::size_t i) const { return lines_[i]; }

    void assign(Lines lines);
    // Moves line i out, leaving it empty: for a list whose lines are being taken into another.
    std::string take(std::size_t i) {
        sortedPrefix_ = std::min(sortedPrefix_, i);
        return std::move(lines_[i]);
    }
    Lines release() && { return std::move(lines_); }
    void append(std::string line);
    void set(std::size_t i, std::string line);
    void erase(std::size_t first, std::size_t count);
    // Each range's lines give way to its insert, in one pass over the list; afterwards each range
    // holds the lines it replaced, at its place in the list as it now is, so that the same call
    // puts them back. keepsOrder: each insert is in order and fits in its place, so a sorted list
    // stays sorted (without it that is looked at around each range).
    void replace(std::vector<LineRange>& ranges, bool keepsOrder);

    // Stable: equal lines keep their order.
    void sort();
    bool isSorted() const;

    // Index of the first line not less than key; meaningful only on a sorted list. Lines before
    // from must be known to be less than key: ascending look-ups then cost a step, not a search.
    std::size_t lowerBound(std::string_view key, std::size_t from = 0) const;
    // Index of the first line greater than line, where a stable sort would put it; sorted lists only.
    std::size_t upperBound(std::string_view line) const;

    const Collation& collation() const { return *collation_; }

private:
    void stableSortRange(std::size_t first);

    const Collation* collation_;
    Lines lines_;
    mutable std::size_t sortedPrefix_ = 0; // lines_[0, sortedPrefix_) are known to be in order: a cache
};

} // namespace korvane
