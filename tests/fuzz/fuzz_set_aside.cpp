// The merge of the quests set aside with a sync tool's copy, on any two files and any journal. On
// every input:
//   every line written is a line of one side;
//   a quest set aside on either side stays set aside unless the journal's last word took it back,
//   and one set aside on both sides always stays: nothing the player set aside is lost;
//   a quest the journal took back is set aside only where both sides still have it;
//   every line of this PC's file whose quest stays keeps its bytes;
//   merging the same copy again changes nothing.

#include "FuzzSupport.h"
#include "sync/SetAsideMerge.h"
#include "store/LineList.h"

#include <algorithm>
#include <fuzzer/FuzzedDataProvider.h>
#include <set>

using namespace korvane;

namespace {

Lines someLines(FuzzedDataProvider& p) {
    static const char* const dates[] = {"2026/12/10", "", "x,y", "\"2026\""};
    Lines lines(p.ConsumeIntegralInRange<std::size_t>(0, 12));
    for (std::string& line : lines) {
        if (p.ConsumeBool()) {
            line = p.ConsumeRandomLengthString(12); // anything, a line of junk among them
            std::erase_if(line, [](char c) { return c == '\r' || c == '\n'; });
            continue;
        }
        char number[8];
        std::snprintf(number, sizeof number, "%04d", p.ConsumeIntegralInRange<int>(0, 20));
        line = std::string(number) + "," + dates[p.ConsumeIntegralInRange<int>(0, 3)];
    }
    return lines;
}

std::set<std::uint16_t> numbersOf(const Lines& lines) {
    std::set<std::uint16_t> out;
    for (const std::string& line : lines)
        if (const std::uint16_t number = setAsideNumber(line))
            out.insert(number);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider p(data, size);
    const Lines mine = someLines(p), copy = someLines(p);
    std::vector<std::optional<bool>> inForce(10000);
    for (std::size_t number = 1; number <= 20; ++number) {
        const int said = p.ConsumeIntegralInRange<int>(0, 2);
        inForce[number] = said == 0 ? std::nullopt : std::optional(said == 1);
    }
    LineList list;
    list.assign(mine);
    list.sort();
    const Lines merged = mergedSetAside(list, copy, inForce);

    const std::set<std::uint16_t> ours = numbersOf(mine), theirs = numbersOf(copy), after = numbersOf(merged);
    for (const std::string& line : merged)
        FUZZ_REQUIRE(std::find(mine.begin(), mine.end(), line) != mine.end() ||
                     std::find(copy.begin(), copy.end(), line) != copy.end());
    for (std::uint16_t number = 1; number <= 20; ++number) {
        const bool both = ours.contains(number) && theirs.contains(number);
        const bool either = ours.contains(number) || theirs.contains(number);
        const bool takenBack = inForce[number] == false;
        FUZZ_REQUIRE(after.contains(number) == (both || (either && !takenBack)));
    }
    for (const std::string& line : mine)
        if (const std::uint16_t number = setAsideNumber(line);
            number && ours.contains(number) && after.contains(number))
            FUZZ_REQUIRE(std::find(merged.begin(), merged.end(), line) != merged.end());

    list.assign(merged);
    FUZZ_REQUIRE(list.isSorted());
    FUZZ_REQUIRE(mergedSetAside(list, copy, inForce) == merged);
    return 0;
}
