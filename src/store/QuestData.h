#pragma once
// The lists of one checklist, as the edits and the merges write them and as they are read.

#include "QuestTable.h"
#include "SetAside.h"
#include "TextStore.h"

namespace korvane {

struct QuestData {
    QuestTable& table;
    TextStore& content;
    TextStore& reward;
    TextStore& memo;
    SetAsideList& aside;
};
// The same lists, to be read only.
struct QuestLists {
    const QuestTable& table;
    const TextStore& content;
    const TextStore& reward;
    const TextStore& memo;
    const SetAsideList& aside;
    QuestLists(const QuestTable& t, const TextStore& c, const TextStore& r, const TextStore& m,
               const SetAsideList& a)
        : table(t), content(c), reward(r), memo(m), aside(a) {}
    QuestLists(const QuestData& d) : QuestLists(d.table, d.content, d.reward, d.memo, d.aside) {} // NOLINT
};

} // namespace korvane
