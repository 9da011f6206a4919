// A text store: any file loads, sorted. Where every line begins with a quest number (four digits),
// a quest's text as shown is every stored line of the quest, whole and in order, and replacing the
// text with what is shown would put back the same bytes. (Keys of other bytes, such as NUL, which
// the collation ignores, can sort among a quest's lines; the program never looks them up.)

#include "FuzzSupport.h"
#include "store/Numbers.h"
#include "store/TextStore.h"

using namespace korvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TextStore store(fuzz::asFile(data, size, "store.txt"));
    store.load();
    FUZZ_REQUIRE(store.lines().isSorted());
    for (const std::string& line : store.lines().lines())
        if (line.size() >= 4 && !allDigits(std::string_view(line).substr(0, 4)))
            return 0;
    for (const std::string& line : store.lines().lines()) {
        if (line.size() < 4)
            continue;
        const std::string number = line.substr(0, 4);
        const auto text = store.readText(number);
        std::vector<std::string> stored;
        for (const std::string& candidate : store.lines().lines())
            if (candidate.compare(0, 4, number) == 0)
                stored.push_back(candidate.size() > 7 ? candidate.substr(7) : std::string());
        FUZZ_REQUIRE(text == stored);
        const ListChange change = store.textChange(number, text);
        FUZZ_REQUIRE(change.ranges.size() == 1 && change.ranges[0].count == text.size());
        for (std::size_t i = 0; i < text.size(); ++i)
            FUZZ_REQUIRE(change.ranges[0].insert[i].compare(7, std::string::npos, text[i]) == 0);
        break; // one look-up per input keeps the run fast
    }
    return 0;
}
