#include "browser/QuestSearch.h"
#include "browser/ViewState.h"
#include "support/Sjis.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::crlf;
using test::sj;

class QuestSearchTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QuestTable table{dir.filePath("quests.csv")};

    void SetUp() override {
        test::writeBytes(dir.filePath("quests.csv"), crlf({"0001,A,a,x,p,c,0,0,0", "0002,B,b,y,p,c,0,0,0",
                                                           "0003,C,c,z,p,c,0,0,0", "1234,D,d,w,p,c,0,0,0"}));
        std::vector<QuestRecord> rows;
        table.load(rows);
    }
    std::vector<std::string> numbersFound(const std::string& file, const std::string& text) {
        std::vector<std::string> numbers;
        for (const std::size_t line : searchQuests(file, text, table).lines)
            numbers.push_back(table.lines()[line].substr(0, 4));
        return numbers;
    }
};

TEST_F(QuestSearchTest, EveryKindOfLineBreakEndsALine) {
    using Numbers = std::vector<std::string>;
    EXPECT_EQ(numbersFound(sj("0001,000,猫\r0002,000,猫\n0003,000,猫"), sj("猫")),
              (Numbers{"0001", "0002", "0003"}));
    EXPECT_EQ(numbersFound(sj("0001,000,猫\r\n0002,000,犬\r\n0003,000,猫\r\n"), sj("猫")),
              (Numbers{"0001", "0003"}));
    // Found at the very start of the file and of a line after a lone CR.
    EXPECT_EQ(numbersFound("0002,000,x\r0003,000,y", "000"), (Numbers{"0002", "0003"}));
}

TEST_F(QuestSearchTest, AShortLineDoesNotHideTheLinesAfterIt) {
    // "12" holds the text and names quest 12, which has no line; "1234,..." begins with the same
    // bytes but names quest 1234, which is above 12 and is found.
    EXPECT_EQ(numbersFound("12\r\n1234,000,12\r\n", "12"), std::vector<std::string>{"1234"});
    // A line that begins like the key but has another key stops the search with its error.
    const SearchResult result = searchQuests("12\r\n12x4,000,12\r\n", "12", table);
    ASSERT_TRUE(result.error.has_value());
    EXPECT_EQ(result.error->message(), QString::fromUtf8("'12x4' は整数ではありません"));
}

TEST_F(QuestSearchTest, ManyLinesOfOneQuestGiveItOnce) {
    std::vector<std::string> lines;
    for (int i = 0; i < 300; ++i)
        lines.push_back("0002," + std::to_string(100 + i) + sj(",猫と猫"));
    lines.push_back(sj("0003,000,猫"));
    EXPECT_EQ(numbersFound(crlf(lines), sj("猫")), (std::vector<std::string>{"0002", "0003"}));
}

// What the grid lists for a view: the filters over the table, or the search over the searched file
// as saved, whatever the filters stand at. Quest 0002 is set aside: the filters leave it out and
// count it, unless it is shown for a moment; the searches find it.
TEST_F(QuestSearchTest, TheGridListsWhatTheViewSays) {
    struct Case {
        const char* what;
        ViewState view;
        std::vector<std::string> listed;
        std::size_t leftOut = 0;
    };
    test::writeBytes(dir.filePath("aside.csv"), crlf({"0002,2026/12/10"}));
    SetAsideList aside(dir.filePath("aside.csv"));
    aside.load();
    const std::string content = sj("0002000白い猫\r\n0003000黒い猫\r\n");
    const auto filter = [](std::optional<std::string> nation, std::optional<std::string> area,
                           Progress progress) {
        ViewState view;
        view.filter = {std::move(nation), std::move(area), progress};
        return view;
    };
    const auto search = [](SearchIn in, const char* text) {
        ViewState view;
        view.filter = {std::string("B"), std::nullopt, Progress::NotOffered}; // no matter for a search
        view.search = ViewState::Search{in, QString::fromUtf8(text)};
        return view;
    };
    ViewState shown;
    shown.showSetAside = true;
    const Case cases[] = {
        {"every quest", ViewState{}, {"0001", "0003", "1234"}, 1},
        {"every quest, those set aside shown", shown, {"0001", "0002", "0003", "1234"}},
        {"a nation", filter("C", std::nullopt, Progress::All), {"0003"}},
        {"the nation of a quest set aside", filter("B", std::nullopt, Progress::NotOffered), {}, 1},
        {"a nation and an area it lacks", filter("C", "b", Progress::All), {}},
        {"completed ones", filter(std::nullopt, std::nullopt, Progress::Completed), {}},
        {"a search of the content", search(SearchIn::Content, "猫"), {"0002", "0003"}},
        {"a text code page 932 cannot hold", search(SearchIn::Content, "😀"), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const GridLines result = gridLinesFor(c.view, table, aside, content);
        std::vector<std::string> listed;
        for (const std::size_t line : result.lines)
            listed.push_back(table.lines()[line].substr(0, 4));
        EXPECT_EQ(listed, c.listed);
        EXPECT_EQ(result.setAsideLeftOut, c.leftOut);
    }
}

} // namespace
} // namespace korvane
