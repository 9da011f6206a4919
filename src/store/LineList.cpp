#include "LineList.h"

#include "ListChange.h"
#include "Numbers.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

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

void LineList::replace(std::vector<LineRange>& ranges, bool keepsOrder) {
    const bool wasSorted = sortedPrefix_ >= lines_.size();
    std::size_t firstChanged = lines_.size();
    if (ranges.size() == 1 && ranges.front().count == ranges.front().insert.size()) {
        // A line for a line, as a flag or a modification: in place.
        LineRange& range = ranges.front();
        std::swap_ranges(range.insert.begin(), range.insert.end(),
                         lines_.begin() + static_cast<std::ptrdiff_t>(range.first));
        firstChanged = range.first;
    } else {
        Lines result;
        std::size_t added = 0;
        for (const LineRange& range : ranges)
            added += range.insert.size() - std::min(range.insert.size(), range.count);
        result.reserve(lines_.size() + added);
        std::size_t done = 0;
        for (LineRange& range : ranges) {
            firstChanged = std::min(firstChanged, range.first);
            const auto from = lines_.begin() + static_cast<std::ptrdiff_t>(done);
            const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(range.first);
            const auto last = first + static_cast<std::ptrdiff_t>(range.count);
            std::move(from, first, std::back_inserter(result));
            Lines replaced(std::make_move_iterator(first), std::make_move_iterator(last));
            const std::size_t at = result.size();
            std::move(range.insert.begin(), range.insert.end(), std::back_inserter(result));
            done = range.first + range.count;
            range = {at, range.insert.size(), std::move(replaced)};
        }
        std::move(lines_.begin() + static_cast<std::ptrdiff_t>(done), lines_.end(),
                  std::back_inserter(result));
        lines_ = std::move(result);
    }
    // A sorted list stays sorted when each new run of lines stands in order between its neighbours,
    // as a line whose number is kept does: looked at here, a few lines, not the whole list again.
    bool inOrder = wasSorted;
    for (std::size_t r = 0; inOrder && !keepsOrder && r < ranges.size(); ++r) {
        const std::size_t from = ranges[r].first == 0 ? 1 : ranges[r].first;
        const std::size_t to = std::min(ranges[r].first + ranges[r].count + 1, lines_.size());
        for (std::size_t i = from; inOrder && i < to; ++i)
            inOrder = !collation_->less(lines_[i], lines_[i - 1]);
    }
    sortedPrefix_ =
        wasSorted && (keepsOrder || inOrder) ? lines_.size() : std::min(sortedPrefix_, firstChanged);
}

namespace {

// A line's first seven bytes, when they are all digits, as a number that orders as they do: a
// quest number and a line index. Two lines whose numbers differ are in that order in every
// collation, so a sort compares numbers, as does the check of order, and only asks the collation
// about lines with equal or no numbers. Read as one word: this runs for every line read.
constexpr std::uint64_t kNoNumber = UINT64_MAX;

std::uint64_t leadingNumber(std::string_view line) {
    constexpr std::size_t kDigits = 7;
    if (line.size() < kDigits)
        return kNoNumber;
    std::uint64_t word = 0;
    std::memcpy(&word, line.data(), kDigits);
    // The first byte the most significant, in the low seven bytes.
    word = std::endian::native == std::endian::little ? __builtin_bswap64(word) >> 8 : word >> 8;
    constexpr std::uint64_t kHigh = 0xF0F0F0F0F0F0F0, kDigitHigh = 0x30303030303030, kSix = 0x06060606060606;
    // '0'..'9' are 0x30..0x39: high half 3, and still 3 after adding six.
    if ((word & kHigh) != kDigitHigh || ((word + kSix) & kHigh) != kDigitHigh)
        return kNoNumber;
    return word;
}

struct Keyed {
    std::uint64_t number;
    std::string* line;
};

} // namespace

bool LineList::isSorted() const {
    if (sortedPrefix_ == 0 && !lines_.empty())
        sortedPrefix_ = 1;
    std::uint64_t previous = sortedPrefix_ < lines_.size() ? leadingNumber(lines_[sortedPrefix_ - 1]) : 0;
    while (sortedPrefix_ < lines_.size()) {
        const std::uint64_t number = leadingNumber(lines_[sortedPrefix_]);
        const bool decided = number != kNoNumber && previous != kNoNumber && number != previous;
        if (decided ? number < previous : collation_->less(lines_[sortedPrefix_], lines_[sortedPrefix_ - 1]))
            break;
        previous = number;
        ++sortedPrefix_;
    }
    return sortedPrefix_ >= lines_.size();
}

// Stable: sorting the keys, then moving each line once into its place.
void LineList::stableSortRange(std::size_t first) {
    std::vector<Keyed> keys;
    keys.reserve(lines_.size() - first);
    for (std::size_t i = first; i < lines_.size(); ++i)
        keys.push_back({leadingNumber(lines_[i]), &lines_[i]});
    std::stable_sort(keys.begin(), keys.end(), [this](const Keyed& a, const Keyed& b) {
        if (a.number != kNoNumber && b.number != kNoNumber && a.number != b.number)
            return a.number < b.number;
        return collation_->less(*a.line, *b.line);
    });
    Lines sorted;
    sorted.reserve(keys.size());
    for (const Keyed& key : keys)
        sorted.push_back(std::move(*key.line));
    std::move(sorted.begin(), sorted.end(), lines_.begin() + static_cast<std::ptrdiff_t>(first));
}

void LineList::sort() {
    if (isSorted())
        return;
    const auto less = [this](const std::string& a, const std::string& b) { return collation_->less(a, b); };
    const auto mid = lines_.begin() + static_cast<std::ptrdiff_t>(sortedPrefix_);
    stableSortRange(sortedPrefix_);
    // Lines of the sorted part that are not greater than the smallest newcomer stay where they are.
    std::inplace_merge(std::upper_bound(lines_.begin(), mid, *mid, less), mid, lines_.end(), less);
    sortedPrefix_ = lines_.size();
}

std::size_t LineList::upperBound(std::string_view line) const {
    const auto it =
        std::upper_bound(lines_.begin(), lines_.end(), line,
                         [this](std::string_view l, const std::string& r) { return collation_->less(l, r); });
    return static_cast<std::size_t>(it - lines_.begin());
}

std::size_t LineList::lowerBound(std::string_view key, std::size_t from) const {
    const auto before = [this](const std::string& line, std::string_view k) {
        return collation_->lineBeforeKey(line, k);
    };
    // Galloping: widen the range from `from` until it holds the bound, then search inside it.
    std::size_t low = std::min(from, lines_.size());
    std::size_t step = 1;
    while (low + step < lines_.size() && before(lines_[low + step - 1], key)) {
        low += step;
        step *= 2;
    }
    const auto end = lines_.begin() + static_cast<std::ptrdiff_t>(std::min(low + step, lines_.size()));
    const auto it = std::lower_bound(lines_.begin() + static_cast<std::ptrdiff_t>(low), end, key, before);
    return static_cast<std::size_t>(it - lines_.begin());
}

} // namespace korvane
