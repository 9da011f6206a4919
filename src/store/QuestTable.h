#pragma once
// The quest table "クエスト.csv": one quest per line as comma text, nine fields. QuestList is held
// as the cleaned lines; maxQuestNo is the highest number seen and is never lowered in a run.

#include "CommaText.h"
#include "ListChange.h"
#include "QuestFields.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace korvane {

// The grid's title of each column: "No.", "国", …, "Offer", "comp", "繰り返し".
QString columnTitle(QuestField field);
// What a field is called where one quest is shown: as its column, but the flags as their boxes are
// captioned ("オファー", "コンプリート", "繰り返し可能").
QString fieldCaption(QuestField field);

// One quest: the nine fields in table order, flags "1" or "0".
using QuestRecord = std::array<std::string, kQuestFieldCount>;

// A line's first nine fields, split straight into a record.
QuestRecord splitQuestRecord(std::string_view line);
Fields toFields(const QuestRecord& record);
// One field of a line, the rest not split; empty when the line has no such field.
std::string fieldOf(std::string_view line, QuestField field);

// maxQuestNo + 1 and such: at least four digits, zero-padded.
std::string formatQuestNumber(int number);

// Drops ASCII spaces and full-width spaces (0x81 0x40), stepping over whole characters.
std::string removeSpaces(std::string_view line);

// What the progress rules and counts read of a quest line, kept beside it so that filtering and
// counting by progress never split the line: how many fields it has, each flag as the rules
// compare it, and its number as the other files key it (whether it is set aside, say).
struct QuestShape {
    std::uint8_t fields = 0;                  // up to 15
    std::array<char, kFlagFields.size()> flags = noFlags(); // each flag "1", "0", or '-' for another text
    std::uint16_t number = 0;                 // the number when it is four digits (1 to 9999); else 0

    static QuestShape of(const Fields& fields);
    static QuestShape of(const std::vector<std::string_view>& fields);
    static QuestShape of(std::string_view line);
    // The flag's field: "1", "0", or "-" for another text. Throws the index error (6, 7 or 8) when
    // the line has no such field, as reading the split line would.
    std::string_view flag(QuestField field) const;
    bool has(QuestField field) const { return static_cast<std::size_t>(field) < fields; }

private:
    static constexpr std::array<char, kFlagFields.size()> noFlags() {
        std::array<char, kFlagFields.size()> none{};
        none.fill('-');
        return none;
    }
};

class QuestTable : public StoredList {
public:
    using StoredList::StoredList;

    // Each line's shape, in the lines' order.
    const std::vector<QuestShape>& shapes() const { return shapes_; }
    void take(std::vector<LineRange>& ranges, bool keepsOrder) override;

    // Reads and cleans every line, and computes maxQuestNo. A line whose first field is not an
    // integer, or an empty line, stops the load with its error; the table then counts as not loaded,
    // and goodLines() says how many lines were read up to and with that one. False when the file does
    // not exist (the table is then empty).
    bool load();
    // The same, putting those lines' records into rows.
    bool load(std::vector<QuestRecord>& rows);
    std::size_t goodLines() const { return goodLines_; }

    int maxQuestNo() const { return maxQuestNo_; }
    // maxQuestNo is raised when a quest is added and never lowered in a run.
    void raiseMaxQuestNo(int number) { maxQuestNo_ = std::max(maxQuestNo_, number); }

    // The index of the quest's line: a confirmed hit only (its first four bytes are the number).
    // from: an index no later than that line, for look-ups of ascending numbers.
    std::optional<std::size_t> find(std::string_view number, std::size_t from = 0) const;
    // The stored fields of the quest; an empty record when the table holds none of that number.
    QuestRecord recordOf(std::string_view number) const;

    // The changes the edits make, planned without touching the table (see ListChange).
    // One field of a line; throws the index error when the line has no such field (zero-based).
    ListChange fieldChange(std::size_t index, std::size_t field, const std::string& value);
    // A whole line in place; the table is not sorted again.
    ListChange lineChange(std::size_t index, const QuestRecord& record);
    // A new line, the table sorted after it.
    ListChange addChange(const QuestRecord& record);
    // The quest's lines (at most 257) from its confirmed hit on, the table sorted after.
    ListChange deleteChange(std::string_view number);

private:
    // The whole table changed as given, then sorted: for a table still in its file's order.
    ListChange sortedWhole(std::size_t first, std::size_t count, Lines insert);

    int maxQuestNo_ = 0;
    std::size_t goodLines_ = 0;
    std::vector<QuestShape> shapes_;
};

} // namespace korvane
