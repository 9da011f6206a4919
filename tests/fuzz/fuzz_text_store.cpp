// A text store: any file loads, sorted; a quest's text as shown is at most 257 lines of at most
// 255 bytes, each the start of one of the quest's stored lines.

#include "FuzzSupport.h"
#include "store/TextStore.h"

using namespace korvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TextStore store(fuzz::asFile(data, size, "store.txt"));
    store.load();
    FUZZ_REQUIRE(store.lines().isSorted());
    for (const std::string& line : store.lines().lines()) {
        if (line.size() < 4)
            continue;
        const std::string number = line.substr(0, 4);
        const auto text = store.readText(number);
        FUZZ_REQUIRE(text.size() <= kMaxTextLines);
        for (const std::string& shown : text) {
            FUZZ_REQUIRE(shown.size() <= kMaxShownBytes);
            bool found = false;
            for (const std::string& stored : store.lines().lines())
                if (stored.compare(0, 4, number) == 0 && stored.size() >= 7 &&
                    stored.compare(7, shown.size(), shown) == 0)
                    found = true;
            FUZZ_REQUIRE(found || shown.empty());
        }
        break; // one look-up per input keeps the run fast
    }
    return 0;
}
