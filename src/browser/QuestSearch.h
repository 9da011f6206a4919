#pragma once
// The three searches: every quest whose stored text (a text store file or the quest table file,
// as last saved) contains the search text, in the file's order, each quest once.

#include "store/Errors.h"
#include "store/QuestTable.h"

#include <optional>

namespace korvane {

struct SearchResult {
    std::vector<std::size_t> lines; // the quest list's lines of the quests found
    // A matching line whose key is not a number stops the scan; lines holds what came before.
    std::optional<KorvaneError> error;
};

// The scan is of whole characters and case-sensitive. The key of an occurrence is the first four
// characters of the line it begins in; a key not above the last one taken is passed over, and a
// key without a confirmed line in the table adds no row.
SearchResult searchQuests(std::string_view fileContent, std::string_view text, const QuestTable& questList);

} // namespace korvane
