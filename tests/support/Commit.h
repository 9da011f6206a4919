#pragma once
// Writing one planned change, as an edit of a single file does.

#include "store/ListChange.h"

namespace korvane::test {

inline void commitOne(ListChange change) {
    std::vector<ListChange> changes;
    changes.push_back(std::move(change));
    commit(changes);
}

} // namespace korvane::test
