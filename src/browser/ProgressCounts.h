#pragma once
// How far the player is: counts over the quests on show or over the whole table, by the progress
// filter's own rules, so that a count always equals what that option would list.

#include "QuestFilter.h"
#include "store/SetAside.h"

#include <QString>
#include <span>

namespace korvane {

// A quest set aside counts as a quest and as set aside only: it is neither done nor left to do.
struct ProgressCounts {
    int quests = 0;
    int setAside = 0;     // of the quests, those set aside
    int offered = 0;      // offered and not completed, as "Offered" lists them
    int completed = 0;    // as "Completed" lists them
    int notCompleted = 0; // as "Not completed" lists them

    void add(const QuestShape& shape, bool aside = false);
    int left() const { return quests - setAside - completed; }
    // The share done of the quests not set aside, 0 to 100, to the nearest; 0 for none.
    int percentDone() const;
};

// done of all as a share, 0 to 100, to the nearest (2 of 3 is 67), but 100 only when all are done
// and 0 only when none is: a share that says "all" or "none" must be true.
int percentOf(long long done, long long all);

// The counts of the table's lines given; a line past the table's end (an empty row) is no quest.
// aside: the quests set aside, when there are any.
ProgressCounts countsOf(const QuestTable& table, std::span<const std::size_t> lines,
                        const SetAsideList* aside = nullptr);

// The status bar: "表示 123 件　オファー 60　完了 45　未完了 78", with "（うち見送り 2）" after the
// rows when some of them are set aside.
QString countsText(const ProgressCounts& counts);

// After a search, what it was and what it found: "内容検索「の」 123 件", or "…「x」 見つかりません".
QString searchText(const QString& search, const QString& text, int found);

struct AreaProgress {
    std::string area;
    ProgressCounts counts;
};

struct NationProgress {
    std::string nation;
    ProgressCounts counts;
    std::vector<AreaProgress> areas;
};

struct ProgressOverview {
    std::vector<NationProgress> nations; // the seven nations in their order first, then others as met
    ProgressCounts total;
};

// Every nation of the table and, under it, every area, with their counts (the quests set aside
// counted apart); areas in the vocabulary's order first, then the others as met.
ProgressOverview progressOverview(const QuestTable& questList, const SetAsideList* aside = nullptr);

// The counts of a nation, or of one of its areas, in an overview; none when it has no such row.
ProgressCounts countsIn(const ProgressOverview& overview, const std::string& nation,
                        const std::optional<std::string>& area);

} // namespace korvane
