// Counts of progress by the progress options' own rules (the overview is tested on the window).

#include "browser/ProgressCounts.h"
#include "browser/OverviewExport.h"
#include "support/Sjis.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>
#include <map>

namespace korvane {
namespace {

TEST(ProgressCounts, CountAsTheProgressOptionsList) {
    struct Case {
        std::string flags; // offered, completed, repeatable
        int offered, completed, notCompleted;
        bool aside = false; // set aside: neither done nor left, whatever its flags
    };
    const Case cases[] = {
        {"0,0,0", 0, 0, 1},       {"1,0,0", 1, 0, 1}, {"1,1,0", 0, 1, 0},
        {"0,1,1", 0, 1, 0},       {"2,,0", 0, 0, 0}, // flags that are neither: listed by no option but "All"
        {"1,1,0", 0, 0, 0, true},
    };
    ProgressCounts all;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        ProgressCounts one;
        one.add(QuestShape::of("0001,N,A,q,p,c," + c.flags), c.aside);
        EXPECT_EQ((std::array{one.quests, one.setAside, one.offered, one.completed, one.notCompleted}),
                  (std::array{1, c.aside ? 1 : 0, c.offered, c.completed, c.notCompleted}));
        all.add(QuestShape::of("0001,N,A,q,p,c," + c.flags), c.aside);
    }
    EXPECT_EQ(countsText(all), QStringLiteral("表示 6 件（うち見送り 1）　オファー 1　完了 2　未完了 2"));
    EXPECT_EQ(all.left(), 3);
    EXPECT_EQ(all.percentDone(), 40); // of the five not set aside
    EXPECT_EQ(ProgressCounts{}.percentDone(), 0);
    // To the nearest, but "all" and "none" only when true: {done, of, %}.
    for (const auto& [done, of, percent] : {std::array{2, 3, 67},
                                            {1, 3, 33},
                                            {1, 2, 50},
                                            {999, 1000, 99},
                                            {1, 1000, 1},
                                            {0, 3, 0},
                                            {3, 3, 100}}) {
        ProgressCounts counts;
        counts.quests = of;
        counts.completed = done;
        EXPECT_EQ(counts.percentDone(), percent) << done << " of " << of;
    }
}

// The overview reads a line's nation and area as the grid does, however the line is written: each
// row's count is the number of lines whose split record names that nation and area.
TEST(ProgressCounts, OverviewPlacesEveryLineAsItsRecordReads) {
    const std::vector<std::string> lines{
        test::sj("0001,日本,東京,q,p,c,1,1,0"),
        test::sj("0002,日本,東京,q,p,c,0,0,0"),
        test::sj("0003,\"日本\",大阪,q,p,c,1,0,0"),
        test::sj("0004, 日本 ,大阪 ,q,p,c,0,0,0"),
        test::sj("0005,日本,,q,p,c,0,0,0"),
        test::sj("0006,日本"),
        "0007,X,",
        "0008",
        test::sj("0009,\"日,本\",東京,q,p,c,1,1,0"),
        test::sj("0010,日本,東京 都,q,p,c,0,0,0"),
        test::sj("0011,X,a\"b\",q,p,c,0,0,0"),
        test::sj("0012,日本,東京,\"q, r\",p,c,1,1,0"),
    };
    QTemporaryDir dir;
    test::writeBytes(dir.filePath("quests.csv"), test::crlf(lines));
    QuestTable table{dir.filePath("quests.csv")};
    std::vector<QuestRecord> rows;
    ASSERT_TRUE(table.load(rows));

    std::map<std::pair<std::string, std::string>, int> expected;
    for (const std::string& line : table.lines().lines()) { // as loaded: blanks in plain fields cleaned
        const QuestRecord record = splitQuestRecord(line);
        ++expected[{record[kNation], record[kArea]}];
    }
    std::map<std::pair<std::string, std::string>, int> counted;
    const ProgressOverview overview = progressOverview(table);
    for (const NationProgress& nation : overview.nations)
        for (const AreaProgress& area : nation.areas)
            counted[{nation.nation, area.area}] = area.counts.quests;
    EXPECT_EQ(counted, expected);
    EXPECT_EQ(overview.total.quests, static_cast<int>(lines.size()));
    EXPECT_EQ(overview.total.completed, 3);
}

// The overview as a spreadsheet reads it: a mark that says UTF-8, a field with a comma or a quote
// quoted, each other character's pair of columns, and the total last.
TEST(ProgressCounts, OverviewAsCsvForASpreadsheet) {
    ProgressOverview mine;
    mine.nations.push_back({test::sj("北,\"港\""), {}, {{test::sj("地区"), {}}}});
    mine.nations[0].counts.quests = mine.nations[0].areas[0].counts.quests = mine.total.quests = 4;
    mine.nations[0].counts.completed = mine.nations[0].areas[0].counts.completed = mine.total.completed = 1;
    mine.nations[0].counts.setAside = mine.nations[0].areas[0].counts.setAside = mine.total.setAside = 1;
    ProgressOverview theirs = mine;
    theirs.total.completed = 3;
    EXPECT_EQ(overviewCsv(mine, QStringLiteral("メイン"), {{QStringLiteral("サブ"), theirs}}),
              (std::vector<std::string>{
                  "\xEF\xBB\xBF国,地域,メイン クエスト,メイン 完了,メイン 残り,メイン 見送り,メイン "
                  "完了の割合(%),サブ 完了,サブ クエスト（見送りを除く）",
                  "\"北,\"\"港\"\"\",,4,1,2,1,33,1,3", "\"北,\"\"港\"\"\",地区,4,1,2,1,33,1,3",
                  "合計,,4,1,2,1,33,3,3"})); // the other's quests counted without the one it set aside
}

} // namespace
} // namespace korvane
