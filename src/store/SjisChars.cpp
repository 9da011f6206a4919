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

std::size_t findAtBoundary(std::string_view s, std::string_view needle, std::size_t from) {
    if (needle.empty())
        return std::string_view::npos;
    std::size_t boundary = from; // a position known to start a character
    for (std::size_t hit = s.find(needle, from); hit != std::string_view::npos;
         hit = s.find(needle, hit + 1)) {
        while (boundary < hit)
            boundary += charLength(s, boundary);
        if (boundary == hit)
            return hit;
    }
    return std::string_view::npos;
}

} // namespace korvane::sjis
