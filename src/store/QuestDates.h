#pragma once
// When a quest was offered and completed, and how often it was completed, as the journal tells it.

#include "Journal.h"

#include <optional>
#include <vector>

namespace korvane {

struct QuestDates {
    std::optional<std::int64_t> offered, completed; // when the flag was set, while it stays set
    int completions = 0;                            // how often the quest was completed
};

// Read from the quest's events in time order. An undo takes back the last change of its flag, so
// that a completion cleared by mistake and brought back keeps its date; a redo makes it again.
QuestDates questDates(const Journal& journal, std::uint16_t number);

// When each quest's completion in force was made, by quest number (1 to 9999), in one pass over
// the journal, by the rules of questDates; nothing for a quest not completed as the journal tells.
std::vector<std::optional<std::int64_t>> completionTimes(const Journal& journal);

// Whether each quest stands set aside as the journal's last word in force on it says, by quest
// number (1 to 9999), by the same rules; nothing for a quest the journal never set aside or took
// back.
std::vector<std::optional<bool>> setAsideInForce(const Journal& journal);

} // namespace korvane
