#pragma once
// Test helpers: literals in the tests are UTF-8; the program's data is code page 932.

#include "TempFiles.h"
#include "store/Cp932.h"

#include <string>
#include <vector>

namespace korvane::test {

inline std::string sj(std::string_view utf8) {
    return cp932::fromUtf8(utf8);
}

inline std::vector<std::string> sjAll(std::initializer_list<std::string_view> utf8) {
    std::vector<std::string> out;
    for (auto text : utf8)
        out.push_back(sj(text));
    return out;
}

// A file's bytes: the lines in code page 932, each ended by CR LF.
inline std::string sjLines(std::initializer_list<std::string_view> utf8) {
    return crlf(sjAll(utf8));
}

} // namespace korvane::test
