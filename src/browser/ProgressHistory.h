#pragma once
// Progress over time, as the journal tells it: for each week or month from the journal's first
// day to today, how many quests were completed in it and how many were completed by its end. A
// quest counts by its completion in force (an undone one does not); one completed before the
// journal knew of it counts from the journal's first day, and how many did is said apart.

#include "store/Journal.h"
#include "store/QuestTable.h"
#include "store/SetAside.h"

#include <QDate>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace korvane {

enum class ProgressPeriod { Week, Month };

struct ProgressStep {
    QDate from;          // the period's first day: a Monday, or the 1st of a month
    int completions = 0; // quests whose completion in force falls in the period
    int completed = 0;   // quests completed by the period's end
};

struct ProgressHistory {
    int quests = 0;                  // the quests counted
    int beforeJournal = 0;           // completed with no date in the journal
    std::vector<ProgressStep> steps; // none while the journal is empty

    // The completions a period's bar shows: the first period's counts those from before the
    // journal too, so that the bars add up to what is completed.
    int barOf(std::size_t step) const { return steps[step].completions + (step == 0 ? beforeJournal : 0); }
};

// The first day of the period that holds day.
QDate periodStart(QDate day, ProgressPeriod period);

// Over the table's quests that counts admits (every quest, a nation's, an area's), in local time.
ProgressHistory progressHistory(const QuestTable& table, const Journal& journal, ProgressPeriod period,
                                const std::function<bool(const QuestRecord&)>& counts, QDate today);

// Progress over time of each character, the one on show first, as 進捗 asks for it. Another
// character's journal is read when that character is first asked for, and kept while this lives.
class CharacterHistories {
public:
    struct Character {
        const QuestTable* table;
        const SetAsideList* aside;
        QString journal; // its path; not read for the first, whose journal is given
    };
    CharacterHistories(std::vector<Character> characters, const Journal& first)
        : characters_(std::move(characters)), first_(first) {}

    // In a nation (every quest when empty) and an area within it; quests set aside are left out,
    // counted apart as in the overview.
    ProgressHistory historyOf(std::size_t character, ProgressPeriod period, const std::string& nation,
                              const std::optional<std::string>& area, QDate today);

private:
    std::vector<Character> characters_;
    const Journal& first_;
    std::map<std::size_t, Journal> read_;
};

} // namespace korvane
