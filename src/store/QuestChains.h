#pragma once
// "クエスト前提.csv": the quests each quest needs first. One line for a quest that needs any: its
// number, then the numbers of the quests it needs, as comma text ("0042,0012,0013"), in order of
// number. Quest data, not progress, and a file of its own beside the table, so that the table keeps
// its nine fields for older copies of Korvane and for other programs. A line another program wrote
// stays as it is: one whose first field is no quest number, and a field that is none, are read past.

#include "ListChange.h"

#include <bitset>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

using QuestNumbers = std::bitset<10000>; // by quest number, 1 to 9999

class QuestChains : public StoredList {
public:
    using StoredList::StoredList;

    // Reads and sorts; false when the file does not exist (no quest needs another then).
    bool load();

    // The quests the quest needs, as its line names them, in the line's order; the same number
    // twice is named once.
    std::span<const std::uint16_t> needs(std::uint16_t quest) const;
    // The quests that name the quest among their needs, ascending.
    std::span<const std::uint16_t> opens(std::uint16_t quest) const;

    // The quest's lines give way to one that names needs; none: its lines go.
    ListChange needsChange(std::string_view number, const std::vector<std::uint16_t>& needs);

    void take(std::vector<LineRange>& ranges, bool keepsOrder) override;

private:
    void index();
    std::pair<std::size_t, std::size_t> range(std::string_view number) const;

    // Each as one array with each quest's start in it: a full file indexes in one pass.
    std::vector<std::uint32_t> needsAt_, opensAt_; // 10001 starts each
    std::vector<std::uint16_t> needs_, opens_;
};

// The quest a line of the file is for: its first field as four digits; 0 for a line that names none.
std::uint16_t chainQuest(std::string_view line);

// "0042,0012,0013".
std::string chainLine(std::uint16_t quest, std::span<const std::uint16_t> needs);

// What is wrong with the chains, each said once.
struct ChainFault {
    enum class Kind {
        Unknown, // a number the table has no quest of: quest needs it (other)
        Self,    // quest needs itself
        Loop,    // quests that, each needing the next, come back to the first: path, the first again last
    };
    Kind kind;
    std::uint16_t quest = 0, other = 0;
    std::vector<std::uint16_t> path;
};
// Over every quest the table has (known); no loop makes it hang, however long.
std::vector<ChainFault> chainFaults(const QuestChains& chains, const QuestNumbers& known);

// The quests quest would need, typed as numbers ("12, 0034 56": commas, spaces or 、), checked
// before anything is written: a text that is no number, a number the table has no quest of, the
// quest itself, and a need that leads back to the quest are refused with what is wrong.
std::vector<std::uint16_t> typedNeeds(const QString& typed, std::uint16_t quest, const QuestChains& chains,
                                      const QuestNumbers& known);

// A quest the player can start now: not completed, not set aside, and every quest it needs
// completed.
bool canStartNow(std::uint16_t quest, bool completed, bool setAside, const QuestChains& chains,
                 const QuestNumbers& completedQuests);

} // namespace korvane
