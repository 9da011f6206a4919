// The editing rules without a window: the progress flags, the memo, the numbers of new quests and
// the guard that keeps texts under numbers the table holds, the lines texts are stored as, and an
// edit that stops part-way.

#include "editing/FlagRules.h"
#include "store/Errors.h"
#include "support/LoadedData.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::crlf;
using test::readBytes;
using test::writeBytes;

TEST(FlagRules, WhatAClickStores) {
    struct Case {
        QuestField flag;
        bool ticked, offeredTicked;
        std::string stored, value;
        bool clearBox;
    };
    const Case cases[] = {
        {kOffered, true, true, "0", "1", false},     {kOffered, false, false, "1", "0", false},
        {kRepeatable, true, false, "0", "1", false}, {kCompleted, true, true, "0", "1", false},
        {kCompleted, false, false, "1", "0", false}, // clearing offered never clears completed
        {kCompleted, true, false, "0", "0", true},   // completed needs offered
        {kCompleted, true, false, "2", "2", true},   // refused: the flag stays as stored
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.flag << c.ticked << c.offeredTicked << c.stored);
        const FlagClick click = flagClick(c.flag, c.ticked, c.offeredTicked, c.stored);
        EXPECT_EQ(click.value, c.value);
        EXPECT_EQ(click.clearBox, c.clearBox);
    }
}

class QuestFiles : public testing::Test {
protected:
    QTemporaryDir dir;
    std::unique_ptr<test::LoadedData> loaded;

    test::LoadedData& load(const std::vector<std::string>& table, const std::vector<std::string>& memo = {}) {
        const QStringList paths = test::dataFiles(dir.path());
        for (const QString& path : paths)
            test::markReadOnly(path, false);
        writeBytes(paths[0], crlf(table));
        writeBytes(paths[1], "");
        writeBytes(paths[2], "");
        writeBytes(paths[3], crlf(memo));
        loaded = std::make_unique<test::LoadedData>(dir.path());
        return *loaded;
    }
};

TEST_F(QuestFiles, StoringAFlag) {
    struct Case {
        const char* what;
        std::string number;
        QuestField flag;
        std::string lineAfter; // empty: the file keeps its bytes
        QString error;
    };
    const Case cases[] = {
        {"offered ticked", "0001", kOffered, "0001,N,A,a,p,c,1,0,0", {}},
        {"no such quest, or an empty row", "", kOffered, "", {}},
        {"a line too short for the flag", "0002", kCompleted, "",
         "リストのインデックスが範囲を超えています (7)"},
        {"a table that did not load", "0001", kOffered, "", "起動時に読み込めなかった"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> table{"0001,N,A,a,p,c,0,0,0", "0002,N,A"};
        if (c.error.contains("起動時"))
            table.push_back("x,broken");
        test::LoadedData& data = load(table);
        const std::string before = readBytes(data.table.path());
        QString error;
        bool stored = false;
        try {
            stored = storeFlag(data.table, c.number, c.flag, "1").has_value();
        } catch (const KorvaneError& e) {
            error = e.message();
        }
        EXPECT_EQ(stored, !c.lineAfter.empty());
        EXPECT_EQ(readBytes(data.table.path()),
                  c.lineAfter.empty() ? before : crlf({c.lineAfter, "0002,N,A"}));
        EXPECT_EQ(error.isEmpty(), c.error.isEmpty()) << error.toStdString();
        EXPECT_TRUE(error.contains(c.error)) << error.toStdString();
    }
}

TEST_F(QuestFiles, NumbersOfNewQuestsAndQuestsOnShow) {
    struct Case {
        std::vector<std::string> table, memo;
        std::string next; // empty: refused
    };
    const std::vector<std::string> stale{"0004000stale", "0005000stale", "9998000x", "9999000y"};
    const Case cases[] = {
        {{}, {}, "0001"},
        {{"0003,N", "0010,N", "0007,N"}, {}, "0011"},
        {{"9998,N"}, {}, "9999"},
        {{"9999,N"}, {}, ""},
        {{"0003,N"}, stale, "0006"}, // texts left under 0004 and 0005 are never inherited
        {{"9997,N"}, stale, ""},     // ... nor when that leaves no number
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table.empty() ? std::string("empty") : c.table.front());
        test::LoadedData& data = load(c.table, c.memo);
        if (c.next.empty())
            EXPECT_THROW(nextQuestNumber(data.data()), KorvaneError);
        else
            EXPECT_EQ(nextQuestNumber(data.data()), c.next);
    }
    QuestTable& table = load({"0003,N", "0010,N", "0007,N"}).table;
    EXPECT_EQ(requireKnownQuest(table, "0007", {}), 2u);
    for (const std::string number : {"0004", "", "7", "0007,"})
        EXPECT_THROW(requireKnownQuest(table, number, {}), KorvaneError) << number;
}

TEST(TextLines, WrittenAt255BytesAndNeverCut) {
    struct Case {
        const char* what;
        QStringList lines;
        std::vector<std::size_t> storedSizes; // empty: refused
    };
    QStringList tooMany(256, QStringLiteral("x"));
    tooMany << QString(300, QLatin1Char('a'));
    const Case cases[] = {
        {"an empty line", {QString()}, {0}},
        {"256 bytes", {QString(256, QLatin1Char('a'))}, {255, 1}},
        {"600 bytes", {QString(600, QLatin1Char('b'))}, {255, 255, 90}},
        {"140 あ, as a full-HD memo line holds", {QString(140, QChar(0x3042))}, {254, 26}},
        {"a kanji across the 255th byte", {QString(254, QLatin1Char('a')) + QStringLiteral("漢")}, {254, 2}},
        {"257 lines", QStringList(257, QStringLiteral("x")), std::vector<std::size_t>(257, 1)},
        {"258 lines once split", tooMany, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.storedSizes.empty()) {
            EXPECT_THROW(encodeTextLines(c.lines, QStringLiteral("メモ")), KorvaneError);
            continue;
        }
        std::vector<std::size_t> sizes;
        std::string joined, expected;
        for (const std::string& line : encodeTextLines(c.lines, QStringLiteral("メモ"))) {
            sizes.push_back(line.size());
            joined += line;
        }
        for (const QString& line : c.lines)
            expected += encodeTyped(line, {});
        EXPECT_EQ(sizes, c.storedSizes);
        EXPECT_EQ(joined, expected) << "no byte is lost";
    }
}

TEST_F(QuestFiles, AFailedEditLeavesMemoryAsTheFilesAre) {
    test::LoadedData& data = load({"0001,N"}, {"0001000memo"});
    test::markReadOnly(data.reward.path()); // the third file cannot be written
    data.reward.load();                     // a change of mode is a change of the file: read it as it is now
    try {
        addQuest(data.data(), {"", "N"}, {Lines{"c"}, Lines{"r"}, Lines{"m"}});
        FAIL() << "the reward was written";
    } catch (const PartlySavedError& e) {
        EXPECT_EQ(e.saved(), (QStringList{data.table.path(), data.content.path()}));
    }
    for (StoredList* list : data.lists())
        EXPECT_EQ(crlf(list->lines().lines()), readBytes(list->path())) << list->path().toStdString();
    EXPECT_EQ(data.table.maxQuestNo(), 2) << "the table holds the quest";
}

TEST_F(QuestFiles, SavingAMemo) {
    struct Case {
        const char* what;
        std::string number;
        QStringList lines;
        std::vector<std::string> memoAfter; // empty: refused, the file keeps its bytes
    };
    const Case cases[] = {
        {"in sorted place",
         "0012",
         {"a", "", "c"},
         {"0011000x", "0012000a", "0012001", "0012002c", "0013000z"}},
        {"an emptied memo leaves the file", "0012", {}, {"0011000x", "0013000z"}},
        {"a quest the table does not hold", "0014", {"a"}, {}},
        {"characters code page 932 cannot hold", "0012", {QStringLiteral("😀")}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::LoadedData& data = load({"0011,N", "0012,N", "0013,N"}, {"0011000x", "0012000old", "0013000z"});
        const std::string before = readBytes(data.memo.path());
        if (c.memoAfter.empty())
            EXPECT_THROW(saveMemo(data.data(), c.number, c.lines), KorvaneError);
        else
            saveMemo(data.data(), c.number, c.lines);
        EXPECT_EQ(readBytes(data.memo.path()), c.memoAfter.empty() ? before : crlf(c.memoAfter));
    }
}

} // namespace
} // namespace korvane
