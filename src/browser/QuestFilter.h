#pragma once
// Which quests of the table the grid lists under the nation, area and progress filters. Every
// comparison is of whole texts, byte for byte.

#include "store/Errors.h"
#include "store/LineList.h"
#include "store/QuestTable.h"
#include "store/SetAside.h"

#include <optional>

namespace korvane {

enum class Progress { None = -1, NotOffered, Offered, NotCompleted, Completed, All, Repeatable };

struct QuestFilter {
    std::optional<std::string> nation; // in force only when chosen from the list
    std::optional<std::string> area;
    Progress progress = Progress::All;
};

struct FilterResult {
    std::vector<std::size_t> lines;  // the quest list's lines admitted, in list order
    std::size_t setAsideLeftOut = 0; // quests set aside that the filters admit, left out
    // A line too short for a field a filter reads stops the pass; lines holds what came before.
    std::optional<KorvaneError> error;
};

// A quest set aside stays out of the list, unless the player shows them.
inline bool leftOutAsSetAside(const QuestShape& shape, const SetAsideList* aside, bool showSetAside) {
    return !showSetAside && aside && aside->count() > 0 && aside->holds(shape);
}

// Reads the flags from each line's shape, and only the nation and area of the line itself. The
// quests set aside (aside, when given) are left out and counted, unless showSetAside.
FilterResult filterQuests(const QuestTable& questList, const QuestFilter& filter,
                          const SetAsideList* aside = nullptr, bool showSetAside = false);

// Whether the progress option admits the quest; a missing flag counts as another text.
bool admitsProgress(const QuestShape& shape, Progress progress);

} // namespace korvane
