// Counts of progress by the progress options' own rules (the overview is tested on the window).

#include "browser/ProgressCounts.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

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
        one.add(QuestShape::of("0001,N,A,q,p,c," + c.flags));
        EXPECT_EQ((std::array{one.quests, one.offered, one.completed, one.notCompleted}),
                  (std::array{1, c.offered, c.completed, c.notCompleted}));
        all.add(QuestShape::of("0001,N,A,q,p,c," + c.flags));
    }
    EXPECT_EQ(countsText(all), QStringLiteral("表示 5 件　オファー 1　完了 2　未完了 2"));
    EXPECT_EQ(all.left(), 3);
    EXPECT_EQ(all.percentDone(), 40);
    EXPECT_EQ(ProgressCounts{}.percentDone(), 0);
}

} // namespace
} // namespace korvane
