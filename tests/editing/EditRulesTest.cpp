// The editing rules without a window: the progress flags, the memo, the numbers of new quests and
// the guard that keeps texts under numbers the table holds.

#include "editing/FlagRules.h"
#include "editing/QuestEdits.h"
#include "store/Errors.h"
#include "support/Sjis.h"
#include "support/TempFiles.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace korvane {
namespace {

using test::crlf;
using test::readBytes;
using test::sj;
using test::writeBytes;

TEST(FlagRules, WhatAClickStores) {
    struct Case {
        QuestField flag;
        bool ticked, offeredTicked;
        std::string stored;
        std::string value;
        bool clearBox;
    };
    const Case cases[] = {
        {kOffered, true, true, "0", "1", false},
        {kOffered, false, false, "1", "0", false},
        {kRepeatable, true, false, "0", "1", false},
        {kCompleted, true, true, "0", "1", false},
        {kCompleted, false, true, "1", "0", false},
        {kCompleted, false, false, "1", "0", false}, // clearing offered never clears completed
        {kCompleted, true, false, "0", "0", true},   // completed needs offered
        {kCompleted, true, false, "2", "2", true},   // refused: the flag stays as stored
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "flag " << c.flag << " ticked " << c.ticked << " offered "
                                        << c.offeredTicked << " stored " << c.stored);
        const FlagClick click = flagClick(c.flag, c.ticked, c.offeredTicked, c.stored);
        EXPECT_EQ(click.value, c.value);
        EXPECT_EQ(click.clearBox, c.clearBox);
    }
}

class QuestFiles : public testing::Test {
protected:
    QTemporaryDir dir;
    QuestTable table{dir.filePath("table.csv")};
    TextStore content{dir.filePath("content.txt")}, reward{dir.filePath("reward.txt")},
        memo{dir.filePath("memo.txt")};
    QuestData data() { return {table, content, reward, memo}; }

    void load(const std::vector<std::string>& tableLines, const std::vector<std::string>& memoLines = {}) {
        for (StoredList* list : std::initializer_list<StoredList*>{&table, &content, &reward, &memo})
            ::chmod(QFile::encodeName(list->path()).constData(), 0644);
        writeBytes(table.path(), crlf(tableLines));
        for (TextStore* store : {&content, &reward})
            writeBytes(store->path(), "");
        writeBytes(memo.path(), crlf(memoLines));
        std::vector<QuestRecord> rows;
        try {
            table.load(rows);
        } catch (const KorvaneError&) {
            // a table that stops loading is what some cases test
        }
        content.load();
        reward.load();
        memo.load();
    }
};

TEST_F(QuestFiles, StoringAFlag) {
    struct Case {
        const char* what;
        std::vector<std::string> table;
        std::string number;
        QuestField flag;
        std::string value;
        bool stored;
        std::string fileAfter; // empty: the file keeps its bytes
        QString error;
    };
    const std::vector<std::string> three{"0001,N,A,a,p,c,0,0,0", "0002,N,A,b,p,c,1,1,0",
                                         "0003,N,A,c,p,c,1,0,1"};
    const Case cases[] = {
        {"offered ticked",
         three,
         "0001",
         kOffered,
         "1",
         true,
         crlf({"0001,N,A,a,p,c,1,0,0", three[1], three[2]}),
         {}},
        {"repeatable cleared",
         three,
         "0003",
         kRepeatable,
         "0",
         true,
         crlf({three[0], three[1], "0003,N,A,c,p,c,1,0,0"}),
         {}},
        {"no such quest", three, "0009", kOffered, "1", false, {}, {}},
        {"an empty row", three, "", kOffered, "1", false, {}, {}},
        {"a line too short for the flag",
         {"0001,N,A"},
         "0001",
         kCompleted,
         "1",
         false,
         {},
         QStringLiteral("リストのインデックスが範囲を超えています (7)")},
        {"a table that did not load",
         {"0001,N,A,a,p,c,0,0,0", "x,broken"},
         "0001",
         kOffered,
         "1",
         false,
         {},
         QStringLiteral("起動時に読み込めなかった")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        load(c.table);
        const std::string before = readBytes(table.path());
        bool stored = false;
        QString error;
        try {
            stored = storeFlag(table, c.number, c.flag, c.value);
        } catch (const KorvaneError& e) {
            error = e.message();
        }
        EXPECT_EQ(stored, c.stored);
        EXPECT_EQ(readBytes(table.path()), c.fileAfter.empty() ? before : c.fileAfter);
        if (c.error.isEmpty())
            EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        else
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
        load(c.table, c.memo);
        if (c.next.empty())
            EXPECT_THROW(nextQuestNumber(data()), KorvaneError);
        else
            EXPECT_EQ(nextQuestNumber(data()), c.next);
    }

    load({"0003,N", "0010,N", "0007,N"});
    EXPECT_EQ(requireKnownQuest(table, "0007", QStringLiteral("x")), 2u);
    for (const std::string number : {"0004", "", "7", "0007,"}) {
        SCOPED_TRACE(number);
        EXPECT_THROW(requireKnownQuest(table, number, QStringLiteral("x")), KorvaneError);
    }
}

TEST(TextLines, WrittenAt255BytesAndNeverCut) {
    struct Case {
        const char* what;
        QStringList lines;
        std::vector<std::size_t> storedSizes; // empty: refused
    };
    const QString a255(255, QLatin1Char('a'));
    QStringList many(257, QStringLiteral("x"));
    QStringList tooMany(256, QStringLiteral("x"));
    tooMany << QString(300, QLatin1Char('a'));
    const Case cases[] = {
        {"an empty line", {QString()}, {0}},
        {"255 bytes", {a255}, {255}},
        {"256 bytes", {a255 + QLatin1Char('a')}, {255, 1}},
        {"600 bytes", {QString(600, QLatin1Char('b'))}, {255, 255, 90}},
        {"140 あ, as a full-HD memo line holds", {QString(140, QChar(0x3042))}, {254, 26}},
        {"a kanji across the 255th byte", {QString(254, QLatin1Char('a')) + QStringLiteral("漢")}, {254, 2}},
        {"257 lines", many, std::vector<std::size_t>(257, 1)},
        {"258 lines once split", tooMany, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.storedSizes.empty()) {
            EXPECT_THROW(encodeTextLines(c.lines, QStringLiteral("メモ")), KorvaneError);
            continue;
        }
        const std::vector<std::string> stored = encodeTextLines(c.lines, QStringLiteral("メモ"));
        std::vector<std::size_t> sizes;
        std::string joined, expected;
        for (const std::string& line : stored) {
            sizes.push_back(line.size());
            joined += line;
        }
        for (const QString& line : c.lines)
            expected += encodeTyped(line, QString());
        EXPECT_EQ(sizes, c.storedSizes);
        EXPECT_EQ(joined, expected) << "no byte is lost";
    }
}

TEST_F(QuestFiles, EditsTakeEveryLineOfAQuest) {
    std::vector<std::string> memoLines{"0001000keep"};
    for (int i = 0; i < 300; ++i)
        memoLines.push_back(storedLine("0002", static_cast<std::size_t>(i), "line"));
    memoLines.push_back("0003000keep");
    load({"0001,N", "0002,N", "0003,N"}, memoLines);
    modifyQuest(data(), 1, {"0002", "M"}, "0002", {Lines{}, Lines{}, Lines{"one"}});
    EXPECT_EQ(readBytes(memo.path()), crlf({"0001000keep", "0002000one", "0003000keep"}));
    deleteQuest(data(), "0002");
    EXPECT_EQ(readBytes(memo.path()), crlf({"0001000keep", "0003000keep"}));
    EXPECT_EQ(readBytes(table.path()), crlf({"0001,N", "0003,N"}));
}

TEST_F(QuestFiles, AFailedEditLeavesMemoryAsTheFilesAre) {
    load({"0001,N"}, {"0001000memo"});
    ::chmod(QFile::encodeName(reward.path()).constData(), 0444); // the third file cannot be written
    try {
        addQuest(data(), {"", "N"}, {Lines{"c"}, Lines{"r"}, Lines{"m"}});
        FAIL() << "the reward was written";
    } catch (const PartlySavedError& e) {
        EXPECT_EQ(e.saved(), (QStringList{table.path(), content.path()}));
    }
    for (StoredList* list : std::initializer_list<StoredList*>{&table, &content, &reward, &memo})
        EXPECT_EQ(crlf(list->lines().lines()), readBytes(list->path())) << list->path().toStdString();
    EXPECT_EQ(table.maxQuestNo(), 2) << "the table holds the quest";
    EXPECT_EQ(nextQuestNumber(data()), "0003");
}

TEST_F(QuestFiles, SavingAMemo) {
    struct Case {
        const char* what;
        std::string number;
        QStringList lines;
        std::vector<std::string> memoAfter; // empty with refused: the file keeps its bytes
        bool refused;
    };
    const Case cases[] = {
        {"replaces the quest's lines in sorted place",
         "0012",
         {"a", "", "c"},
         {"0011000x", "0012000a", "0012001", "0012002c", "0013000z"},
         false},
        {"an emptied memo leaves the file", "0012", {}, {"0011000x", "0013000z"}, false},
        {"a quest the table does not hold", "0014", {"a"}, {}, true},
        {"characters code page 932 cannot hold", "0012", {QStringLiteral("😀")}, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        load({"0011,N", "0012,N", "0013,N"}, {"0011000x", "0012000old", "0012001old", "0013000z"});
        const std::string before = readBytes(memo.path());
        if (c.refused) {
            EXPECT_THROW(saveMemo(data(), c.number, c.lines), KorvaneError);
            EXPECT_EQ(readBytes(memo.path()), before);
        } else {
            saveMemo(data(), c.number, c.lines);
            EXPECT_EQ(readBytes(memo.path()), crlf(c.memoAfter));
        }
    }
}

} // namespace
} // namespace korvane
