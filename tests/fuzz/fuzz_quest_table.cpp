// The quest table load: any file loads or stops with its error; a line the program writes for a
// loaded quest reads back to the same fields.

#include "FuzzSupport.h"
#include "store/Errors.h"
#include "store/QuestTable.h"

#include <algorithm>

using namespace korvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QuestTable table(fuzz::asFile(data, size, "table.csv"));
    std::vector<QuestRecord> rows;
    try {
        table.load(rows);
    } catch (const KorvaneError&) {
        FUZZ_REQUIRE(!table.loaded());
        return 0;
    }
    FUZZ_REQUIRE(rows.size() == table.lines().size());
    for (const QuestRecord& record : rows) {
        if (!std::all_of(record.begin(), record.end(),
                         [](const std::string& f) { return fuzz::wellFormed(f); }))
            continue;
        FUZZ_REQUIRE(splitQuestRecord(joinCommaText(toFields(record))) == record);
    }
    for (const std::string& line : table.lines().lines())
        if (line.size() >= 4)
            if (const auto index = table.find(line.substr(0, 4)))
                FUZZ_REQUIRE(table.lines()[*index].compare(0, 4, line, 0, 4) == 0);
    return 0;
}
