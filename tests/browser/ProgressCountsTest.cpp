// Counts of progress by the progress options' own rules, and the overview by nation and area.

#include "browser/ProgressCounts.h"
#include "support/Sjis.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::sj;

TEST(ProgressCounts, CountAsTheProgressOptionsList) {
    struct Case {
        std::string flags; // offered, completed, repeatable
        int offered, completed, notCompleted;
    };
    const Case cases[] = {
        {"0,0,0", 0, 0, 1}, {"1,0,0", 1, 0, 1}, {"1,1,0", 0, 1, 0},
        {"0,1,1", 0, 1, 0}, {"2,,0", 0, 0, 0}, // flags that are neither: listed by no option but "All"
    };
    ProgressCounts all;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        ProgressCounts one;
        one.add(splitQuestRecord("0001,N,A,q,p,c," + c.flags));
        EXPECT_EQ(one.quests, 1);
        EXPECT_EQ(one.offered, c.offered);
        EXPECT_EQ(one.completed, c.completed);
        EXPECT_EQ(one.notCompleted, c.notCompleted);
        all.add(splitQuestRecord("0001,N,A,q,p,c," + c.flags));
    }
    EXPECT_EQ(countsText(all), QStringLiteral("表示 5 件　オファー 1　完了 2　未完了 2"));
    EXPECT_EQ(all.left(), 3);
    EXPECT_EQ(all.percentDone(), 40);
    EXPECT_EQ(ProgressCounts{}.percentDone(), 0);
    EXPECT_EQ(searchText(QStringLiteral("内容検索"), QStringLiteral("猫"), 3),
              QStringLiteral("内容検索「猫」 3 件"));
    EXPECT_EQ(searchText(QStringLiteral("内容検索"), QStringLiteral("犬"), 0),
              QStringLiteral("内容検索「犬」 見つかりません"));
}

TEST(ProgressCounts, OverviewByNationAndArea) {
    LineList table;
    table.assign({sj("0001,ジュノ,ジュノ港,a,p,c,1,1,0"), sj("0002,ウィンダス,港,b,p,c,1,0,0"),
                  sj("0003,ジュノ,ル・ルデの庭,c,p,c,1,1,0"), sj("0004,ジュノ,ジュノ港,d,p,c,0,0,0"),
                  sj("0005,手入力の国,,e,p,c,1,1,0"), sj("0006,ウィンダス,港,f,p,c,1,1,1")});
    const ProgressOverview overview = progressOverview(table);
    ASSERT_EQ(overview.nations.size(), 3u); // the table's nations only, in the list's order
    EXPECT_EQ(overview.nations[0].nation, sj("ウィンダス"));
    EXPECT_EQ(overview.nations[1].nation, sj("ジュノ"));
    EXPECT_EQ(overview.nations[2].nation, sj("手入力の国"));
    const NationProgress& jeuno = overview.nations[1];
    EXPECT_EQ(jeuno.counts.quests, 3);
    EXPECT_EQ(jeuno.counts.completed, 2);
    ASSERT_EQ(jeuno.areas.size(), 2u);
    EXPECT_EQ(jeuno.areas[0].area, sj("ル・ルデの庭")); // the areas in the list's order
    EXPECT_EQ(jeuno.areas[1].area, sj("ジュノ港"));
    EXPECT_EQ(jeuno.areas[1].counts.quests, 2);
    EXPECT_EQ(jeuno.areas[1].counts.left(), 1);
    EXPECT_EQ(overview.nations[2].areas[0].area, "");
    EXPECT_EQ(overview.total.quests, 6);
    EXPECT_EQ(overview.total.completed, 4);
}

} // namespace
} // namespace korvane
