#include "QuestSearch.h"

#include "store/CommaText.h"
#include "store/Numbers.h"
#include "store/SjisChars.h"

namespace korvane {
namespace {

std::string_view firstChars(std::string_view line, int count) {
    std::size_t end = 0;
    for (int i = 0; i < count && end < line.size(); ++i)
        end += sjis::charLength(line, end);
    return line.substr(0, end);
}

} // namespace

SearchResult searchQuests(std::string_view content, std::string_view text, QuestTable& questList) {
    SearchResult result;
    if (text.empty())
        return result;
    long long lastTaken = -1;
    std::size_t pos = 0;
    while (pos < content.size()) {
        const std::size_t hit = content.find(text, pos);
        if (hit == std::string_view::npos)
            break;
        const std::size_t lineStart = hit == 0 ? 0 : content.find_last_of("\r\n", hit - 1) + 1;
        const std::size_t lineEnd = std::min(content.find_first_of("\r\n", hit), content.size());
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
                result.rows.push_back(toQuestRecord(splitCommaText(questList.lines()[*index])));
        }
        // Every other occurrence in this line has the same key, so it would be passed over.
        pos = lineEnd;
    }
    return result;
}

} // namespace korvane
