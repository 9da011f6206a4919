// Taking in another set of files: the matching rules by quest number, what the files hold after,
// and what the import refuses before writing anything.

#include "editing/QuestImport.h"
#include "store/Errors.h"
#include "support/LoadedData.h"
#include "support/Sjis.h"
#include "support/TempFiles.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace korvane {
namespace {

using test::crlf;
using test::readBytes;
using test::sjLines;
using test::writeBytes;

struct Folder {
    QTemporaryDir dir;
    QString path(const QString& name) const { return files::inFolder(dir.path(), name); }
    void write(const QString& name, const std::string& bytes) const { writeBytes(path(name), bytes); }
};

class Import : public testing::Test {
protected:
    void SetUp() override {
        mine.write(files::kQuestTable, sjLines({"0001,ウィンダス,港,釣り,釣り人,なし,1,1,0",
                                                "0002,ジュノ,ジュノ港,荷物,荷役頭,なし,1,0,0",
                                                "0003,マウラ,マウラ,風車,農夫,なし,0,0,1",
                                                "0005,セルビナ,セルビナ,砂丘,町長,なし,1,0,0"}));
        mine.write(files::kContent, sjLines({"0001000古い釣り", "0002000荷物の話", "0003000風車の話",
                                             "0005000砂丘一", "0009000残り"}));
        mine.write(files::kReward, sjLines({"0001000ギル1", "0005000ギル5", "0005001おまけ"}));
        mine.write(files::kMemo, sjLines({"0001000私のメモ", "0003000風車メモ"}));
        theirs.write(files::kQuestTable, sjLines({"0001,ウィンダス,港,大物釣り,釣り人,なし,0,0,0",
                                                  "0002,ジュノ,ジュノ港,荷物,荷役頭,なし,0,0,0",
                                                  "0004,ジラート,,石板,番人,ランク4,1,1,1",
                                                  "0005,セルビナ,セルビナ,砂丘,町長,なし,0,0,0",
                                                  "0009,マウラ,マウラ,新しい,誰か,なし,0,0,0"}));
        theirs.write(files::kContent,
                     sjLines({"0001000新しい釣り", "0002000荷物の話", "0005000砂丘一", "0005001砂丘二",
                              "0005002砂丘三", "0009000新しい内容", "0004000石板の話"}));
        theirs.write(files::kReward, sjLines({"0001000ギル1", "0004000ギル4"}));
        theirs.write(files::kMemo, sjLines({"0001000彼らのメモ1", "0004000彼らのメモ"}));
    }
    Folder mine, theirs;
};

TEST_F(Import, MatchesByNumberAndKeepsMyProgress) {
    test::LoadedData loaded(mine.dir.path());
    auto set = readImportSet(theirs.dir.path());
    const ImportPreview preview = previewImport(loaded.data(), *set);
    struct Row {
        const char* number;
        ImportKind kind;
        QStringList changes;
    };
    const Row rows[] = {
        {"0001",
         ImportKind::Changed,
         {"クエスト", "内容"}},                          // in both: their name and text, my flags and memo
        {"0002", ImportKind::Unchanged, {}},             // in both, alike but for the flags: mine stay
        {"0003", ImportKind::KeptMine, {}},              // only mine
        {"0004", ImportKind::Added, {}},                 // only theirs: flags 0, their memo
        {"0005", ImportKind::Changed, {"内容", "報酬"}}, // a text that grows, one that goes
        {"0009", ImportKind::Added, {}},                 // only theirs, over lines left behind
    };
    ASSERT_EQ(preview.quests.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].number);
        EXPECT_EQ(preview.quests[i].number, rows[i].number);
        EXPECT_EQ(preview.quests[i].kind, rows[i].kind);
        EXPECT_EQ(preview.quests[i].changes(), rows[i].changes);
    }
    EXPECT_EQ((std::array{preview.added, preview.changed, preview.unchanged, preview.keptMine}),
              (std::array{2, 2, 1, 1}));

    applyImport(loaded.data(), *set);
    EXPECT_EQ(
        readBytes(mine.path(files::kQuestTable)),
        sjLines({"0001,ウィンダス,港,大物釣り,釣り人,なし,1,1,0",
                 "0002,ジュノ,ジュノ港,荷物,荷役頭,なし,1,0,0", "0003,マウラ,マウラ,風車,農夫,なし,0,0,1",
                 "0004,ジラート,,石板,番人,ランク4,0,0,0", "0005,セルビナ,セルビナ,砂丘,町長,なし,1,0,0",
                 "0009,マウラ,マウラ,新しい,誰か,なし,0,0,0"}));
    EXPECT_EQ(readBytes(mine.path(files::kContent)),
              sjLines({"0001000新しい釣り", "0002000荷物の話", "0003000風車の話", "0004000石板の話",
                       "0005000砂丘一", "0005001砂丘二", "0005002砂丘三", "0009000新しい内容"}));
    EXPECT_EQ(readBytes(mine.path(files::kReward)), sjLines({"0001000ギル1", "0004000ギル4"}));
    EXPECT_EQ(readBytes(mine.path(files::kMemo)),
              sjLines({"0001000私のメモ", "0003000風車メモ", "0004000彼らのメモ"}));
    EXPECT_EQ(loaded.table.maxQuestNo(), 9);
    for (StoredList* list : loaded.lists())
        EXPECT_EQ(crlf(list->lines().lines()), readBytes(list->path())) << "memory is what the files hold";
}

TEST_F(Import, RulesThatKeepThePlayersData) {
    struct Case {
        const char* what;
        std::function<void(Folder& mine, Folder& theirs)> setUp;
        std::set<std::string> leftOut;
        const char* refusal; // part of the message that refuses the set before anything is written
        std::function<void(Folder& mine)> check;
        std::function<void(Folder& theirs)> afterPreview = {};
    };
    const Case cases[] = {
        {"a memo of mine under a number they add stays mine",
         [](Folder& m, Folder&) {
             m.write(files::kMemo, sjLines({"0001000私のメモ", "0004000先に書いたメモ"}));
         },
         {},
         nullptr,
         [](Folder& m) {
             EXPECT_EQ(readBytes(m.path(files::kMemo)),
                       sjLines({"0001000私のメモ", "0004000先に書いたメモ"}));
         }},
        {"a quest left out stays as it is, and one left out is not added",
         [](Folder&, Folder&) {},
         {"0001", "0004"},
         nullptr,
         [](Folder& m) {
             const std::string table = readBytes(m.path(files::kQuestTable));
             EXPECT_NE(table.find(test::sj("0001,ウィンダス,港,釣り,")), std::string::npos);
             EXPECT_EQ(table.find("0004,"), std::string::npos);
             EXPECT_EQ(readBytes(m.path(files::kContent)).find("0004000"), std::string::npos);
             EXPECT_NE(readBytes(m.path(files::kContent)).find(test::sj("0001000古い釣り")),
                       std::string::npos);
             EXPECT_EQ(readBytes(m.path(files::kMemo)), sjLines({"0001000私のメモ", "0003000風車メモ"}));
         }},
        {"numbers past 9999 are named and refused",
         [](Folder&, Folder& t) {
             t.write(files::kQuestTable, sjLines({"0001,a,,b,c,d,0,0,0", "10000,a,,b,c,d,0,0,0"}));
         },
         {},
         "取り込めない番号: 10000",
         nullptr},
#ifndef _WIN32 // no pipe or device stands in a folder of Windows
        {"a pipe in a file's place is refused, never waited on",
         [](Folder&, Folder& t) {
             QFile::remove(t.path(files::kContent));
             ::mkfifo(QFile::encodeName(t.path(files::kContent)).constData(), 0600);
         },
         {},
         "通常のファイルではない",
         nullptr},
        {"a device in a file's place is refused, never read to its end",
         [](Folder&, Folder& t) {
             QFile::remove(t.path(files::kMemo));
             QFile::link(QStringLiteral("/dev/zero"), t.path(files::kMemo));
         },
         {},
         "通常のファイルではない",
         nullptr},
#endif
        {"their memo file gone when it is read: the message names what was saved",
         [](Folder&, Folder&) {},
         {},
         nullptr,
         [](Folder& m) {
             EXPECT_EQ(readBytes(m.path(files::kMemo)), sjLines({"0001000私のメモ", "0003000風車メモ"}));
         },
         [](Folder& t) {
             QFile::remove(t.path(files::kMemo));
             QDir().mkdir(t.path(files::kMemo));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir().rmdir(theirs.path(files::kMemo));
        for (const QString& name : {files::kContent, files::kMemo})
            QFile::remove(theirs.path(name)); // a pipe left by the case before would block its rewriting
        SetUp();
        c.setUp(mine, theirs);
        test::LoadedData loaded(mine.dir.path());
        if (c.refusal) {
            try {
                readImportSet(theirs.dir.path());
                ADD_FAILURE() << "not refused";
            } catch (const KorvaneError& error) {
                EXPECT_TRUE(error.message().contains(QString::fromUtf8(c.refusal)))
                    << error.message().toStdString();
            }
            continue;
        }
        auto set = readImportSet(theirs.dir.path());
        if (c.afterPreview) {
            c.afterPreview(theirs);
            try {
                applyImport(loaded.data(), *set, c.leftOut);
                ADD_FAILURE() << "not stopped";
            } catch (const PartlySavedError& error) {
                EXPECT_EQ(error.saved(), test::dataFiles(mine.dir.path()).mid(0, 3));
            }
        } else {
            applyImport(loaded.data(), *set, c.leftOut);
        }
        c.check(mine);
        for (StoredList* list : loaded.lists())
            EXPECT_EQ(crlf(list->lines().lines()), readBytes(list->path()))
                << "memory is what the files hold";
    }
}

TEST_F(Import, TextsComeInWhole) {
    // The limits bind what an editor saves; a stored text comes in as stored, every line and byte.
    std::vector<std::string> long300;
    for (int i = 0; i < 300; ++i)
        long300.push_back(storedLine("0001", static_cast<std::size_t>(i), "x"));
    long300.push_back("0002000" + std::string(300, 'y'));
    theirs.write(files::kContent, crlf(long300));
    test::LoadedData loaded(mine.dir.path());
    auto set = readImportSet(theirs.dir.path());
    applyImport(loaded.data(), *set);
    EXPECT_EQ(loaded.content.readText("0001").size(), 300u);
    EXPECT_EQ(loaded.content.readText("0002"), (Lines{std::string(300, 'y')}));
}

TEST_F(Import, ASetThatDoesNotLoadIsRefused) {
    // The file named is removed, or replaced by a bad table line, or by a folder.
    const std::pair<QString, const char*> cases[] = {
        {files::kQuestTable, "abcd,x"}, {files::kQuestTable, nullptr}, {files::kContent, nullptr},
        {files::kReward, nullptr},      {files::kMemo, "folder"},
    };
    for (const auto& [file, damage] : cases) {
        SCOPED_TRACE(file.toStdString() + (damage ? damage : " missing"));
        SetUp();
        QFile::remove(theirs.path(file));
        if (damage && std::string_view(damage) == "folder")
            QDir().mkdir(theirs.path(file));
        else if (damage)
            theirs.write(file, crlf({damage}));
        EXPECT_THROW(readImportSet(theirs.dir.path()), KorvaneError);
        QDir().rmdir(theirs.path(file));
    }
    SetUp();
    QFile::remove(theirs.path(files::kMemo)); // memos are the player's own: a set may come without
    EXPECT_NO_THROW(readImportSet(theirs.dir.path()));
}

} // namespace
} // namespace korvane
