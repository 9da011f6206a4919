#pragma once
// A quest text store ("クエスト内容.txt", "クエスト報酬.txt", "クエストメモ.txt"): each line is the
// quest number (four digits), the line index (three digits from 000) and the line's text, with
// nothing between. Kept sorted, so a quest's lines stand together in index order.

#include "ListChange.h"

#include <string>
#include <vector>

namespace korvane {

constexpr std::size_t kMaxTextLines = 257; // indices 000 to 256: the most lines the program writes
constexpr std::size_t kMaxLineBytes = 255; // of a line's text, as the program writes it

// One line of text as stored lines' texts, appended to out: past kMaxLineBytes it goes on over the
// next stored line, split between characters.
void appendStoredText(std::string_view line, std::vector<std::string>& out);

class TextStore : public StoredList {
public:
    using StoredList::StoredList;

    // Reads and sorts; false when the file does not exist (the store is then empty).
    bool load();

    // Every stored line of the quest, whole: what is shown is what a save writes back.
    std::vector<std::string> readText(std::string_view number) const;

    // Whether any line of the store belongs to the quest.
    bool holds(std::string_view number) const;

    // All of the quest's lines give way to text, numbered from 000, in their sorted place.
    ListChange textChange(std::string_view number, const std::vector<std::string>& text);

    // The quest's stored lines: [first, first + count), where they are or would be. from: an index
    // no later than the quest's lines, for look-ups of ascending numbers.
    std::pair<std::size_t, std::size_t> range(std::string_view number, std::size_t from = 0) const;
};

// "0012" + "003" + text.
std::string storedLine(std::string_view number, std::size_t index, std::string_view text);

} // namespace korvane
