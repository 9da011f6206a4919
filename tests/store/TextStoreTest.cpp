#include "store/TextStore.h"
#include "store/Errors.h"
#include "store/LineFile.h"
#include "store/Vocabulary.h"
#include "support/Commit.h"
#include "support/Sjis.h"
#include "support/TempFiles.h"

#include <QDir>
#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::commitOne;
using test::crlf;
using test::readBytes;
using test::sj;
using test::writeBytes;

class TextStoreTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("memo.txt");
    TextStore store{path};

    void loadLines(const std::vector<std::string>& lines) {
        writeBytes(path, crlf(lines));
        store.load();
    }
};

TEST_F(TextStoreTest, SortsAtLoadAndReadsAQuestsLines) {
    loadLines({"0013000z", "0012001b", "0011000y", "0012000a"});
    EXPECT_EQ(store.lines().lines(), (Lines{"0011000y", "0012000a", "0012001b", "0013000z"}));
    EXPECT_EQ(store.readText("0012"), (Lines{"a", "b"}));
    EXPECT_TRUE(store.readText("0014").empty());
    EXPECT_TRUE(store.readText("0000").empty()) << "lands on the next quest and stops";
    EXPECT_TRUE(store.readText("12").empty()) << "a number that is not four digits matches nothing";
    EXPECT_EQ(readBytes(path), crlf({"0013000z", "0012001b", "0011000y", "0012000a"}))
        << "load writes nothing";
}

TEST_F(TextStoreTest, ShowsEveryLineWhole) {
    // What is shown is what a save writes back: no line and no byte of one is left out.
    std::vector<std::string> lines;
    for (int i = 0; i < 300; ++i)
        lines.push_back(storedLine("0001", static_cast<std::size_t>(i), "x"));
    lines.push_back("0002000" + std::string(300, 'y'));
    loadLines(lines);
    EXPECT_EQ(store.readText("0001").size(), 300u);
    EXPECT_EQ(store.readText("0002"), (Lines{std::string(300, 'y')}));
}

TEST_F(TextStoreTest, ShortAndEmptyLinesShowEmpty) {
    loadLines({"0001000", "0001001x", "0001", "001"});
    EXPECT_EQ(store.readText("0001"), (Lines{"", "", "x"}));
}

TEST_F(TextStoreTest, ReplaceWritesIndexedLinesInSortedPlace) {
    loadLines({"0011000x", "0012000old", "0012001old", "0012002old", "0012003old", "0013000y"});
    commitOne(store.textChange("0012", {"a", "", "b"}));
    EXPECT_EQ(readBytes(path), crlf({"0011000x", "0012000a", "0012001", "0012002b", "0013000y"}));
    commitOne(store.textChange("0012", {"a", "", "b"}));
    EXPECT_EQ(readBytes(path), crlf({"0011000x", "0012000a", "0012001", "0012002b", "0013000y"}))
        << "twice = once";
    commitOne(store.textChange("0012", {}));
    EXPECT_EQ(readBytes(path), crlf({"0011000x", "0013000y"})) << "an emptied text leaves the file too";
}

TEST_F(TextStoreTest, RemovalTakesEveryLineOfTheQuestAndNoOther) {
    std::vector<std::string> lines{"0001000keep"};
    for (int i = 0; i < 300; ++i)
        lines.push_back(storedLine("0002", static_cast<std::size_t>(i), "x"));
    lines.push_back("0002" + std::string("abc")); // a hand-made line of the quest
    lines.push_back("0003000keep");
    loadLines(lines);
    commitOne(store.textChange("0002", {}));
    EXPECT_EQ(readBytes(path), crlf({"0001000keep", "0003000keep"}));
    EXPECT_FALSE(store.holds("0002"));
}

TEST_F(TextStoreTest, MissingFileIsEmptyUnreadableOneIsNeverWritten) {
    EXPECT_FALSE(store.load());
    EXPECT_TRUE(store.loaded());
    commitOne(store.textChange("0001", {"a"}));
    EXPECT_EQ(readBytes(path), crlf({"0001000a"})) << "the first edit creates the file";

    TextStore folder(dir.filePath("folder.txt"));
    QDir().mkdir(folder.path());
    EXPECT_THROW(folder.load(), KorvaneError);
    try {
        commitOne(folder.textChange("0001", {"a"}));
        FAIL() << "an unloaded store was written";
    } catch (const KorvaneError& e) {
        EXPECT_TRUE(e.message().contains(QDir::toNativeSeparators(folder.path())));
    }
    EXPECT_TRUE(QFileInfo(folder.path()).isDir());
}

TEST(Vocabulary, AreasFollowTheTableByExactName) {
    using test::sjAll;
    EXPECT_EQ(vocabulary::nations(), sjAll({"ウィンダス", "サンドリア", "バストゥーク", "ジュノ", "マウラ",
                                            "セルビナ", "ジラート"}));
    EXPECT_EQ(vocabulary::areasOf(sj("ジュノ")),
              sjAll({"ル・ルデの庭", "ジュノ上層", "ジュノ下層", "ジュノ港"}));
    EXPECT_EQ(vocabulary::areasOf(sj("ジュノ"))[0].substr(2, 2), "\x81\x45") << "full-width middle dot";
    EXPECT_EQ(vocabulary::areasOf(sj("マウラ")), sjAll({"マウラ"}));
    EXPECT_TRUE(vocabulary::areasOf(sj("ジラート")).empty());
    EXPECT_TRUE(vocabulary::areasOf(sj("全国")).empty());
    EXPECT_TRUE(vocabulary::areasOf(sj("ジュノ ")).empty());
    EXPECT_TRUE(vocabulary::areasOf(sj("ｼﾞｭﾉ")).empty());
    EXPECT_TRUE(vocabulary::areasOf("").empty());
}

} // namespace
} // namespace korvane
