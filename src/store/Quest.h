#pragma once
// One quest as a typed value: its number and texts as the table stores them (code page 932), its
// progress as bools. The one place a stored line becomes a quest and a quest a stored record: the
// flags are "1" when set and "0" when not; a line another program wrote keeps its own bytes until
// an edit of its quest writes it.

#include "QuestTable.h"

#include <string>
#include <string_view>

namespace korvane {

// A stored flag is set when it reads "1", and nothing else.
constexpr bool flagSet(std::string_view stored) {
    return stored == "1";
}
constexpr const char* storedFlag(bool set) {
    return set ? "1" : "0";
}

struct Quest {
    std::string number; // "0042"
    std::string nation, area, name, place, condition;
    bool offered = false, completed = false, repeatable = false;

    static Quest fromRecord(const QuestRecord& record);
    static Quest fromLine(std::string_view line) { return fromRecord(splitQuestRecord(line)); }
    QuestRecord toRecord() const;

    // By the field's place in the table: a text field (kNation to kCondition), a flag.
    const std::string& text(QuestField field) const;
    bool flag(QuestField field) const;
    void setFlag(QuestField field, bool set);
};

} // namespace korvane
