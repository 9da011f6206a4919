// Comma text: split never fails; fields the program could hold come back unchanged after a join.

#include "FuzzSupport.h"
#include "store/CommaText.h"

#include <algorithm>

using namespace korvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const Fields fields = splitCommaText(line);
    if (std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return fuzz::wellFormed(f); })) {
        const std::string joined = joinCommaText(fields);
        FUZZ_REQUIRE(splitCommaText(joined) == fields);
        FUZZ_REQUIRE(joinCommaText(splitCommaText(joined)) == joined);
    }
    // Any fields at all, made of well-formed pieces of the input, survive a join and a split.
    Fields pieces;
    for (std::size_t start = 0; start <= size && pieces.size() < 12;) {
        const std::size_t end = std::min(size, start + (start % 7) + 1);
        std::string piece(line.substr(start, end - start));
        while (!fuzz::wellFormed(piece))
            piece.pop_back();
        pieces.push_back(piece);
        start = end + 1;
    }
    FUZZ_REQUIRE(splitCommaText(joinCommaText(pieces)) == pieces);
    return 0;
}
