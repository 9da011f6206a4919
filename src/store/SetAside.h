#pragma once
// "クエスト見送り.csv": the quests a character set aside (will not do, for now or for good), one
// line each, the quest number and the local date it was set aside as comma text ("0042,2026/12/10"),
// in order of number. A file of its own beside the four, so that the table keeps its nine fields
// for older copies of Korvane and other programs; a quest's flags stay as they are.

#include "ListChange.h"
#include "QuestTable.h"

#include <QDate>
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvane {

class SetAsideList : public StoredList {
public:
    using StoredList::StoredList;

    // Reads and sorts; false when the file does not exist (nothing is set aside then).
    bool load();

    // Whether the quest of that number (four digits) is set aside.
    bool holds(std::string_view number) const;
    // The same for a quest table line, by the number its shape keeps: no line is read.
    bool holds(const QuestShape& shape) const { return shape.number != 0 && numbers_.test(shape.number); }
    // The quests set aside: the numbers that lines of the file name.
    std::size_t count() const { return numbers_.count(); }
    // The date the quest was set aside, as stored; empty when it is not.
    std::string dateOf(std::string_view number) const;

    // The quest's lines: [first, first + count), where they are or would be.
    std::pair<std::size_t, std::size_t> range(std::string_view number) const;
    // The quest's lines give way to one line set aside on date ("2026/12/10").
    ListChange setAsideChange(std::string_view number, std::string_view date);
    // The quest's lines go.
    ListChange takeBackChange(std::string_view number);

    void take(std::vector<LineRange>& ranges, bool keepsOrder) override;

private:
    void index();

    std::bitset<10000> numbers_; // by quest number, 1 to 9999
};

// "0042,2026/12/10".
std::string setAsideLine(std::string_view number, std::string_view date);
// A day as the file stores it: "2026/12/10".
std::string setAsideDate(const QDate& day);
// The quest number a line of the file names, 1 to 9999; 0 for a line that names none.
std::uint16_t setAsideNumber(std::string_view line);

} // namespace korvane
