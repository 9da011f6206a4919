// The settings file: after writing the key, reading gives the value back, and every other line
// of the file is still there, in its order.

#include "FuzzSupport.h"
#include "web/ProfileFile.h"

using namespace korvane;

namespace {

std::vector<std::string_view> linesOf(std::string_view s) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    while (start < s.size()) {
        std::size_t end = s.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = s.size();
        out.push_back(s.substr(start, end - start));
        start = end + (s.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const std::string value = "http://example.invalid/a b";
    const std::string written = withProfileString(content, "Web", "add", value);
    FUZZ_REQUIRE(profileString(written, "Web", "add") == value);
    FUZZ_REQUIRE(withProfileString(written, "Web", "add", value) == written);
    // Every other line of the input is still there, in its order: the key's line is replaced in
    // place, or one line is inserted, or the section is appended.
    const auto before = linesOf(content), after = linesOf(written);
    const std::string keyLine = "add=" + value;
    if (profileString(content, "Web", "add")) {
        FUZZ_REQUIRE(after.size() == before.size());
        std::size_t differing = 0;
        for (std::size_t i = 0; i < before.size(); ++i)
            differing += before[i] != after[i] ? 1 : 0;
        FUZZ_REQUIRE(differing <= 1);
    } else {
        bool explained = false;
        for (std::size_t i = 0; i < after.size() && !explained; ++i) {
            if (after[i] != keyLine)
                continue;
            auto rest = after;
            rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(i));
            if (rest == before)
                explained = true;
            else if (i > 0 && after[i - 1] == "[Web]" && i + 1 == after.size()) {
                rest.pop_back(); // the section line too
                explained = rest == before;
            }
        }
        FUZZ_REQUIRE(explained);
    }
    return 0;
}
