#pragma once
// What planning a merge read of both sides, kept for applying it: each side's units (a table's
// fields, a store's texts, by quest) and where each quest's lines stand, and the copy's lines.

#include "MergePlan.h"

#include <map>
#include <memory>

namespace korvane::merge {

using Key = std::pair<std::string, int>; // (quest number, field); kWholeText for a store's text
using Units = std::map<Key, std::string>;
// A quest's lines in a list: [first, first + count); a table's quest is its first line only.
using Places = std::map<std::string, std::pair<std::size_t, std::size_t>>;

struct Side {
    Units units;
    Places places;
};

} // namespace korvane::merge

namespace korvane {

struct MergePlan::Versions {
    bool table = false;
    Lines copyLines;                         // the copy's lines as read: a table's raw, a store's sorted
    std::shared_ptr<const merge::Side> file; // shared by every copy planned against the same lines
    merge::Side copy;
};

} // namespace korvane
