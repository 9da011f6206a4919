#include "SjisChars.h"

namespace korvane::sjis {

std::size_t prefixAtBoundary(std::string_view s, std::size_t limit) {
    if (limit >= s.size())
        return s.size();
    std::size_t pos = 0;
    while (pos < limit) {
        const std::size_t next = pos + charLength(s, pos);
        if (next > limit)
            break;
        pos = next;
    }
    return pos;
}

bool startsAtBoundary(std::string_view s, std::size_t offset) {
    std::size_t pos = 0;
    while (pos < offset)
        pos += charLength(s, pos);
    return pos == offset;
}

} // namespace korvane::sjis
