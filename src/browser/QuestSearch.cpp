#include "QuestSearch.h"

#include "platform/Platform.h"
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

// The start of the line holding pos, no earlier than floor (a known line start): files are large,
// so memrchr finds the breaks and never looks back past what the scan has already passed.
std::size_t lineStartBefore(std::string_view s, std::size_t pos, std::size_t floor) {
    const auto* lf = platform::findLastByte(s.substr(floor, pos - floor), '\n');
    const std::size_t afterLf = lf ? static_cast<std::size_t>(lf - s.data()) + 1 : floor;
    const auto* cr = platform::findLastByte(s.substr(afterLf, pos - afterLf), '\r');
    return cr ? static_cast<std::size_t>(cr - s.data()) + 1 : afterLf;
}

// The end of the line at pos: the next CR or LF.
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
    const bool crLf = s[lineEnd] == '\r' && lineEnd + 1 < s.size() && s[lineEnd + 1] == '\n';
    return crLf ? lineEnd + 2 : lineEnd + 1;
}

std::size_t find(std::string_view s, std::string_view text, std::size_t from) {
    const char* hit = platform::findBytes(s.substr(from), text);
    return hit ? static_cast<std::size_t>(hit - s.data()) : std::string_view::npos;
}

} // namespace

SearchResult searchQuests(std::string_view content, std::string_view text, const QuestTable& questList) {
    SearchResult result;
    if (text.empty())
        return result;
    long long lastTaken = -1;
    std::size_t lookFrom = 0; // keys of digits only ascend, so each look-up starts past the last
    std::size_t pos = 0;
    std::size_t lineFloor = 0; // a line start at or before pos
    while (pos < content.size()) {
        const std::size_t hit = find(content, text, pos);
        if (hit == std::string_view::npos)
            break;
        const std::size_t lineStart = lineStartBefore(content, hit, lineFloor);
        const std::size_t lineEnd = lineEndFrom(content, hit);
        const std::string_view line = content.substr(lineStart, lineEnd - lineStart);
        if (!sjis::startsAtBoundary(line, hit - lineStart)) {
            pos = hit + 1; // the occurrence began on a second byte
            lineFloor = lineStart;
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
            const bool ascending = allDigits(key);
            if (const auto index = questList.find(key, ascending ? lookFrom : 0)) {
                result.lines.push_back(*index);
                if (ascending)
                    lookFrom = *index + 1;
            }
        }
        // Every other occurrence in this line, and in the lines after it with the same key, would
        // be passed over: the key is not above the last one taken.
        pos = nextLineStart(content, lineEnd);
        while (pos < content.size()) {
            const std::size_t end = lineEndFrom(content, pos);
            if (firstChars(content.substr(pos, end - pos), 4) != key)
                break;
            pos = nextLineStart(content, end);
        }
        lineFloor = pos;
    }
    return result;
}

} // namespace korvane
