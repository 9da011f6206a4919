#pragma once
// Which quests of the table the grid lists under the nation, area and progress filters. Every
// comparison is of whole texts, byte for byte.

#include "store/Errors.h"
#include "store/LineList.h"
#include "store/QuestTable.h"

#include <optional>

namespace korvane {

enum class Progress { None = -1, NotOffered, Offered, NotCompleted, Completed, All, Repeatable };

struct QuestFilter {
    std::optional<std::string> nation; // in force only when chosen from the list
    std::optional<std::string> area;
    Progress progress = Progress::All;
};

struct FilterResult {
    std::vector<QuestRecord> rows;
    // A line too short for a field a filter reads stops the pass; rows holds what came before.
    std::optional<KorvaneError> error;
};

FilterResult filterQuests(const LineList& questList, const QuestFilter& filter);

// Whether the progress option admits the quest; a missing flag counts as empty.
bool admitsProgress(const QuestRecord& record, Progress progress);

} // namespace korvane
