#pragma once
// How far the player is: counts over the quests on show or over the whole table, by the progress
// filter's own rules, so that a count always equals what that option would list.

#include "QuestFilter.h"

#include <QString>
#include <span>

namespace korvane {

struct ProgressCounts {
    int quests = 0;
    int offered = 0;      // offered and not completed, as "Offered" lists them
    int completed = 0;    // as "Completed" lists them
    int notCompleted = 0; // as "Not completed" lists them

    void add(const QuestShape& shape);
    int left() const { return quests - completed; }
    // The share done, 0 to 100; 0 for no quests.
    int percentDone() const;
};

// The counts of the table's lines given; a line past the table's end (an empty row) is no quest.
ProgressCounts countsOf(const QuestTable& table, std::span<const std::size_t> lines);

// The status bar: "表示 123 件　オファー 60　完了 45　未完了 78".
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

// Every nation of the table and, under it, every area, with their counts; areas in the
// vocabulary's order first, then the others as met.
ProgressOverview progressOverview(const QuestTable& questList);

// The counts of a nation, or of one of its areas, in an overview; none when it has no such row.
ProgressCounts countsIn(const ProgressOverview& overview, const std::string& nation,
                        const std::optional<std::string>& area);

} // namespace korvane
