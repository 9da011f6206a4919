// The search scan: what it finds in any file equals what a plain line-by-line reading finds.
// Input: one byte giving the length of the search text, the text, then the quest table; after a
// NUL byte, the file scanned (without one, the table itself is scanned, as by the quest search).

#include "FuzzSupport.h"
#include "browser/QuestSearch.h"
#include "store/Errors.h"
#include "store/Numbers.h"

#include <algorithm>

using namespace korvane;

namespace {

std::string_view firstFourChars(std::string_view line) {
    std::size_t end = 0;
    for (int i = 0; i < 4 && end < line.size(); ++i)
        end += sjis::charLength(line, end);
    return line.substr(0, end);
}

// Whether the line holds the text beginning on a character boundary, walking every character.
bool holdsAtBoundary(std::string_view line, std::string_view text) {
    for (std::size_t pos = 0; pos < line.size(); pos += sjis::charLength(line, pos))
        if (line.substr(pos, text.size()) == text)
            return true;
    return false;
}

// Line by line: a line holding the text at a character boundary names its quest by its first
// four characters; a quest is taken when its number is above every number taken before.
SearchResult readingLineByLine(std::string_view content, std::string_view text, QuestTable& table) {
    SearchResult result;
    long long lastTaken = -1;
    std::size_t start = 0;
    while (!text.empty() && start <= content.size()) {
        const std::size_t end = std::min(content.find_first_of("\r\n", start), content.size());
        const std::string_view line = content.substr(start, end - start);
        start = end + 1;
        if (!holdsAtBoundary(line, text))
            continue;
        const std::string_view key = firstFourChars(line);
        const auto number = parseInteger(key);
        if (!number) {
            result.error = errors::notInteger(key);
            break;
        }
        if (*number > lastTaken) {
            lastTaken = *number;
            if (const auto index = table.find(key))
                result.lines.push_back(*index);
        }
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t textLength = std::min<std::size_t>(data[0] % 16, size - 1);
    std::string text(input.substr(1, textLength));
    // A search box holds one line.
    text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }),
               text.end());
    const std::string_view rest = input.substr(1 + textLength);
    const std::size_t nul = rest.find('\0');
    const std::string_view tableBytes = rest.substr(0, nul);
    const std::string_view content = nul == std::string_view::npos ? rest : rest.substr(nul + 1);

    QuestTable table(
        fuzz::asFile(reinterpret_cast<const uint8_t*>(tableBytes.data()), tableBytes.size(), "table.csv"));
    std::vector<QuestRecord> rows;
    try {
        table.load(rows);
    } catch (const KorvaneError&) {
        // A table that stops loading keeps the lines read; look-ups still run on them.
    }
    const SearchResult found = searchQuests(content, text, table);
    const SearchResult expected = readingLineByLine(content, text, table);
    FUZZ_REQUIRE(found.lines == expected.lines);
    FUZZ_REQUIRE(found.error.has_value() == expected.error.has_value());
    if (found.error)
        FUZZ_REQUIRE(found.error->message() == expected.error->message());
    return 0;
}
