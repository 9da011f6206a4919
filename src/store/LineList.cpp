#include "LineList.h"

#include <algorithm>

namespace korvane {

void LineList::assign(Lines lines) {
    lines_ = std::move(lines);
    sortedPrefix_ = 0;
}

void LineList::append(std::string line) {
    lines_.push_back(std::move(line));
}

void LineList::set(std::size_t i, std::string line) {
    lines_[i] = std::move(line);
    sortedPrefix_ = std::min(sortedPrefix_, i);
}

void LineList::erase(std::size_t first, std::size_t count) {
    const auto begin = lines_.begin() + static_cast<std::ptrdiff_t>(first);
    lines_.erase(begin, begin + static_cast<std::ptrdiff_t>(count));
    if (first < sortedPrefix_)
        sortedPrefix_ -= std::min(count, sortedPrefix_ - first);
}

bool LineList::isSorted() {
    if (sortedPrefix_ == 0 && !lines_.empty())
        sortedPrefix_ = 1;
    while (sortedPrefix_ < lines_.size() &&
           !collation_->less(lines_[sortedPrefix_], lines_[sortedPrefix_ - 1]))
        ++sortedPrefix_;
    return sortedPrefix_ >= lines_.size();
}

void LineList::sort() {
    if (isSorted())
        return;
    const auto less = [this](const std::string& a, const std::string& b) { return collation_->less(a, b); };
    const auto mid = lines_.begin() + static_cast<std::ptrdiff_t>(sortedPrefix_);
    std::stable_sort(mid, lines_.end(), less);
    // Lines of the sorted part that are not greater than the smallest newcomer stay where they are.
    std::inplace_merge(std::upper_bound(lines_.begin(), mid, *mid, less), mid, lines_.end(), less);
    sortedPrefix_ = lines_.size();
}

std::size_t LineList::lowerBound(std::string_view key) const {
    const auto it = std::lower_bound(
        lines_.begin(), lines_.end(), key,
        [this](const std::string& line, std::string_view k) { return collation_->less(line, k); });
    return static_cast<std::size_t>(it - lines_.begin());
}

} // namespace korvane
