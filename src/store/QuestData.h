#pragma once
// The lists of one checklist, as the edits and the merges write them and as they are read.

#include "QuestChains.h"
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
    QuestChains& chains;
};
// The same lists, to be read only.
struct QuestLists {
    const QuestTable& table;
    const TextStore& content;
    const TextStore& reward;
    const TextStore& memo;
    const SetAsideList& aside;
    const QuestChains& chains;
    QuestLists(const QuestTable& t, const TextStore& c, const TextStore& r, const TextStore& m,
               const SetAsideList& a, const QuestChains& q)
        : table(t), content(c), reward(r), memo(m), aside(a), chains(q) {}
    QuestLists(const QuestData& d) // NOLINT
        : QuestLists(d.table, d.content, d.reward, d.memo, d.aside, d.chains) {}
};

} // namespace korvane
