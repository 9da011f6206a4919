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

class Quest {
public:
    std::string number; // "0042"

    static Quest fromRecord(const QuestRecord& record);
    static Quest fromLine(std::string_view line) { return fromRecord(splitQuestRecord(line)); }
    QuestRecord toRecord() const;

    // A text field as stored; a flag field as set or not.
    const std::string& text(QuestField field) const { return fields_[static_cast<std::size_t>(field)]; }
    bool flag(QuestField field) const { return flagSet(fields_[static_cast<std::size_t>(field)]); }
    // (assign, not = storedFlag(set), which gcc 12 at -O3 reports as an overlapping copy)
    void setFlag(QuestField field, bool set) { fields_[static_cast<std::size_t>(field)].assign(1, set ? '1' : '0'); }

private:
    static QuestRecord unticked();
    QuestRecord fields_ = unticked(); // the number's place left empty; flags "1" or "0"
};

} // namespace korvane
