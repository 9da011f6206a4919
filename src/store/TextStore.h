#pragma once
// A quest text store ("クエスト内容.txt", "クエスト報酬.txt", "クエストメモ.txt"): each line is the
// quest number (four digits), the line index (three digits from 000) and the line's text, with
// nothing between. Kept sorted, so a quest's lines stand together in index order.

#include "StoredList.h"

#include <string>
#include <vector>

namespace korvane {

constexpr std::size_t kMaxTextLines = 257;  // indices 000 to 256
constexpr std::size_t kMaxShownBytes = 255; // of a line's text

class TextStore : public StoredList {
public:
    using StoredList::StoredList;

    // Reads and sorts.
    void load();

    // The quest's lines as shown: at most 257, each at most 255 bytes, cut before a character
    // that would be split.
    std::vector<std::string> readText(std::string_view number) const;

    // Removes at most 257 lines of the quest; the count removed.
    std::size_t removeText(std::string_view number);

    // Appends the lines as the quest's text, numbered from 000; no sort.
    void appendText(std::string_view number, const std::vector<std::string>& text);

    // Remove, append, sort, save.
    void replaceText(std::string_view number, const std::vector<std::string>& text);
};

// "0012" + "003" + text.
std::string storedLine(std::string_view number, std::size_t index, std::string_view text);

} // namespace korvane
