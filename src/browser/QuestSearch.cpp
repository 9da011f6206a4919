#include "QuestSearch.h"

#include "store/CommaText.h"
#include "store/Numbers.h"
#include "store/SjisChars.h"

#include <cstring>

namespace korvane {
namespace {

std::string_view firstChars(std::string_view line, int count) {
    std::size_t end = 0;
    for (int i = 0; i < count && end < line.size(); ++i)
        end += sjis::charLength(line, end);
    return line.substr(0, end);
}

bool isBreak(char c) {
    return c == '\r' || c == '\n';
}

std::size_t lineStartBefore(std::string_view s, std::size_t pos) {
    while (pos > 0 && !isBreak(s[pos - 1]))
        --pos;
    return pos;
}

// The end of the line at pos: the next CR or LF, found with memchr since files are large.
std::size_t lineEndFrom(std::string_view s, std::size_t pos) {
    const auto* lf = static_cast<const char*>(std::memchr(s.data() + pos, '\n', s.size() - pos));
    std::size_t end = lf ? static_cast<std::size_t>(lf - s.data()) : s.size();
    if (const auto* cr = static_cast<const char*>(std::memchr(s.data() + pos, '\r', end - pos)))
        end = static_cast<std::size_t>(cr - s.data());
    return end;
}

std::size_t nextLineStart(std::string_view s, std::size_t lineEnd) {
    if (lineEnd >= s.size())
        return s.size();
    return s.compare(lineEnd, 2, "\r\n") == 0 ? lineEnd + 2 : lineEnd + 1;
}

std::size_t find(std::string_view s, std::string_view text, std::size_t from) {
    const void* hit = ::memmem(s.data() + from, s.size() - from, text.data(), text.size());
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - s.data()) : std::string_view::npos;
}

} // namespace

SearchResult searchQuests(std::string_view content, std::string_view text, QuestTable& questList) {
    SearchResult result;
    if (text.empty())
        return result;
    long long lastTaken = -1;
    std::size_t pos = 0;
    while (pos < content.size()) {
        const std::size_t hit = find(content, text, pos);
        if (hit == std::string_view::npos)
            break;
        const std::size_t lineStart = lineStartBefore(content, hit);
        const std::size_t lineEnd = lineEndFrom(content, hit);
        const std::string_view line = content.substr(lineStart, lineEnd - lineStart);
        if (!sjis::startsAtBoundary(line, hit - lineStart)) {
            pos = hit + 1; // the occurrence began on a second byte
            continue;
        }
        const std::string_view key = firstChars(line, 4);
        const auto number = parseInteger(key);
        if (!number) {
            result.error = errors::notInteger(key);
            return result;
        }
        if (*number > lastTaken) {
            lastTaken = *number;
            if (const auto index = questList.find(key))
                result.rows.push_back(questList.lines()[*index]);
        }
        // Every other occurrence in this line, and in the lines after it that begin with the same
        // key, would be passed over: the key is not above the last one taken.
        pos = nextLineStart(content, lineEnd);
        while (pos < content.size() && content.compare(pos, key.size(), key) == 0)
            pos = nextLineStart(content, lineEndFrom(content, pos));
    }
    return result;
}

} // namespace korvane
