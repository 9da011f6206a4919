#pragma once
// A sync tool's conflict copy of the quests set aside, merged without a question: the union of both
// versions, except where one has a quest set aside that the other has not; there the journal's last
// word in force on the quest decides (set aside on one PC, taken back on the other). A quest the
// journal says nothing of stays set aside: nothing the player set aside is lost.

#include "store/SetAside.h"

#include <optional>
#include <vector>

namespace korvane {

// The lines the list (mine, sorted) holds after merging copy into it, in order: each line of the
// list kept byte for byte unless only it has the quest and the journal took the quest back; each
// line of the copy taken for a quest the list lacks unless the journal took it back. inForce:
// setAsideInForce of the journal. Lines that name no quest are kept from both, each once.
Lines mergedSetAside(const LineList& mine, const Lines& copy,
                     const std::vector<std::optional<bool>>& inForce);

} // namespace korvane
