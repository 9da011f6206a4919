// Conflict copies of the sync tools: their names, which files are copies at all, and the merge of
// each kind of difference, the files compared byte for byte.

#include "editing/Checklist.h"
#include "sync/MergePlan.h"
#include "store/Backups.h"
#include "support/Commit.h"
#include "support/LoadedData.h"
#include "support/Sjis.h"
#include "support/TempFiles.h"
#include "sync/ConflictNames.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace korvane {
namespace {

using test::crlf;
using test::readBytes;
using test::sj;
using test::sjLines;
using test::writeBytes;

TEST(ConflictCopies, NamesOfTheSyncTools) {
    struct Case {
        const char* name;
        const char* dataFile; // nothing: not a conflict copy of a data file
        const char* tool;
        const char* made;
        const char* by = ""; // who the name says made it
    };
    const Case cases[] = {
        {"クエスト.sync-conflict-20261209-033510-ZOVNQVO.csv", "クエスト.csv", "Syncthing",
         "2026-12-09 03:35:10", "ZOVNQVO"},
        {"クエストメモ (conflicted copy 2026-12-09 033510).txt", "クエストメモ.txt", "Nextcloud",
         "2026-12-09 03:35:10"},
        {"クエスト内容_conflict-20261209-033510.txt", "クエスト内容.txt", "Nextcloud", "2026-12-09 03:35:10"},
        {"クエスト報酬 (Taro's conflicted copy 2026-12-09).txt", "クエスト報酬.txt", "Dropbox",
         "2026-12-09 00:00:00", "Taro"},
        {"クエスト (Taro's Conflicted Copy 2026-12-09 (1)).csv", "クエスト.csv", "Dropbox",
         "2026-12-09 00:00:00", "Taro"},
        {"URLLIST.sync-conflict-20261209-033510-ZOVNQVO.txt", nullptr, "", ""}, // not a quest file
        {"メモ.sync-conflict-20261209-033510-ZOVNQVO.txt", nullptr, "", ""},
        {"クエスト.csv", nullptr, "", ""},
        {".syncthing.クエスト.csv.tmp", nullptr, "", ""}, // a sync tool's file still being written
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto copy = conflictCopyNamed(dir.path(), QString::fromUtf8(c.name));
        ASSERT_EQ(copy.has_value(), c.dataFile != nullptr);
        if (!copy)
            continue;
        EXPECT_EQ(copy->dataFile, QString::fromUtf8(c.dataFile));
        EXPECT_EQ(copy->tool, QString::fromUtf8(c.tool));
        EXPECT_EQ(copy->made.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), QString::fromUtf8(c.made));
        EXPECT_EQ(conflictNameOf(QString::fromUtf8(c.name))->by, QString::fromUtf8(c.by));
    }
}

// This PC's files, an earlier version this PC held (both PCs had it), and the copy the other PC made.
class Merge : public testing::Test {
protected:
    QTemporaryDir dir, held;
    std::vector<KeptVersion> earlier;
    QString path(const QString& name) const { return files::inFolder(dir.path(), name); }
    void putBase(const QString& name, const std::string& bytes) {
        earlier = {{held.filePath(name), 0}};
        writeBytes(earlier.front().path, bytes);
    }
    void SetUp() override {
        writeBytes(path(files::kQuestTable), "");
        writeBytes(path(files::kContent), "");
        writeBytes(path(files::kReward), "");
        writeBytes(path(files::kMemo), "");
    }
    // Merges the copy as planned, with the picks given, and returns the data file's bytes.
    std::string merged(const QString& copyName, const QString& dataFile,
                       const std::set<std::string>& picks = {}, bool copyIsThisPcs = false,
                       std::vector<LeftOutLine>* leftOut = nullptr) {
        test::LoadedData data(dir.path());
        auto copy = conflictCopyNamed(dir.path(), copyName);
        EXPECT_TRUE(copy.has_value());
        MergePlan plan = planMerge(data.data(), *copy, earlier, copyIsThisPcs);
        for (MergeDifference& d : plan.differences)
            d.takeOther = picks.contains(d.number);
        if (leftOut)
            *leftOut = plan.leftOut;
        applyMerge(data.data(), plan);
        for (StoredList* list : data.lists())
            EXPECT_EQ(crlf(list->lines().lines()), readBytes(list->path()))
                << "memory is what the file holds";
        EXPECT_TRUE(QFileInfo::exists(QDir(dir.filePath(kBackupFolder)).filePath(copyName)))
            << "the copy is kept";
        EXPECT_TRUE(findConflictCopies(dir.path()).copies.empty()) << "and not offered again";
        return readBytes(path(dataFile));
    }
};

TEST_F(Merge, EachDifferenceSettledByItsRule) {
    const QString copy = QStringLiteral("クエスト.sync-conflict-20261209-033510-ZOVNQVO.csv");
    struct Case {
        const char* what;
        std::string base, mine, theirs; // the table's lines; an empty base: none in backup/
        std::set<std::string> picks;
        std::string expected;
    };
    const Case cases[] = {
        {"each PC ticked another quest: both ticks",
         sjLines({"0001,ウ,港,a,p,c,0,0,0", "0002,ウ,港,b,p,c,0,0,0"}),
         sjLines({"0001,ウ,港,a,p,c,1,0,0", "0002,ウ,港,b,p,c,0,0,0"}),
         sjLines({"0001,ウ,港,a,p,c,0,0,0", "0002,ウ,港,b,p,c,1,1,0"}),
         {},
         sjLines({"0001,ウ,港,a,p,c,1,0,0", "0002,ウ,港,b,p,c,1,1,0"})},
        {"only the copy cleared a flag: cleared; only this PC renamed: this PC's name",
         sjLines({"0001,ウ,港,a,p,c,1,0,0"}),
         sjLines({"0001,ウ,港,新名,p,c,1,0,0"}),
         sjLines({"0001,ウ,港,a,p,c,0,0,0"}),
         {},
         sjLines({"0001,ウ,港,新名,p,c,0,0,0"})},
        {"no earlier version: a flag set on either side is set, a name this PC's",
         "",
         sjLines({"0001,ウ,港,私の名,p,c,0,1,0"}),
         sjLines({"0001,ウ,港,彼の名,p,c,1,0,1"}),
         {},
         sjLines({"0001,ウ,港,私の名,p,c,1,1,1"})},
        {"no earlier version, the copy's name picked",
         "",
         sjLines({"0001,ウ,港,私の名,p,c,0,0,0"}),
         sjLines({"0001,ウ,港,彼の名,p,c,0,0,0"}),
         {"0001"},
         sjLines({"0001,ウ,港,彼の名,p,c,0,0,0"})},
        {"a quest only one side has is kept, the copy's lines byte for byte",
         "",
         sjLines({"0001,ウ,港,a,p,c,0,0,0", "0005,ウ,港,e,p,c,0,0,0"}),
         sjLines({"0002,ウ,港,\"<a href=x>\",p,c,1,0,0", "0003", "0004,ウ,港,d,p,c,0,0,1"}),
         {},
         sjLines({"0001,ウ,港,a,p,c,0,0,0", "0002,ウ,港,\"<a href=x>\",p,c,1,0,0", "0003",
                  "0004,ウ,港,d,p,c,0,0,1", "0005,ウ,港,e,p,c,0,0,0"})},
        {"a quest whose every change is the copy's takes the copy's line as it stands",
         sjLines({"0001,ウ,港,a,p,c,0,0,0"}),
         sjLines({"0001,ウ,港,a,p,c,0,0,0"}),
         sjLines({"0001,ウ,港,a,p,\"c d\",1,0,0,extra"}),
         {},
         sjLines({"0001,ウ,港,a,p,\"c d\",1,0,0,extra"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        QDir(dir.filePath(kBackupFolder)).removeRecursively();
        earlier.clear();
        if (!c.base.empty())
            putBase(files::kQuestTable, c.base);
        writeBytes(path(files::kQuestTable), c.mine);
        writeBytes(path(copy), c.theirs);
        EXPECT_EQ(merged(copy, files::kQuestTable, c.picks), c.expected);
    }
}

TEST_F(Merge, LinesThatNameNoQuestAreNamedAndLeftOut) {
    const QString copy = QStringLiteral("クエスト.sync-conflict-20261209-033510-ZOVNQVO.csv");
    writeBytes(path(files::kQuestTable), sjLines({"0001,ウ,港,a,p,c,0,0,0"}));
    writeBytes(path(copy),
               sjLines({"0001,ウ,港,a,p,c,0,0,0", "0002,ウ,港,b,p,c,0,0,0", "0002,ウ,港,二行目,p,c,0,0,0",
                        "10000,ウ,港,x,p,c,0,0,0", "0,ウ,港,x,p,c,0,0,0", "0000,ウ,港,x,p,c,0,0,0",
                        "なし,ウ,港,x,p,c,0,0,0"}));
    std::vector<LeftOutLine> leftOut;
    EXPECT_EQ(merged(copy, files::kQuestTable, {}, false, &leftOut),
              sjLines({"0001,ウ,港,a,p,c,0,0,0", "0002,ウ,港,b,p,c,0,0,0"}));
    std::vector<std::pair<std::string, bool>>
        named; // the line, and whether it is a second line of its number
    for (const LeftOutLine& line : leftOut)
        named.emplace_back(line.line, line.why.contains(QStringLiteral("二行目")));
    EXPECT_EQ(named, (std::vector<std::pair<std::string, bool>>{{sj("0002,ウ,港,二行目,p,c,0,0,0"), true},
                                                                {sj("10000,ウ,港,x,p,c,0,0,0"), false},
                                                                {sj("0,ウ,港,x,p,c,0,0,0"), false},
                                                                {sj("0000,ウ,港,x,p,c,0,0,0"), false},
                                                                {sj("なし,ウ,港,x,p,c,0,0,0"), false}}));
}

// Syncthing put the other PC's version in the file and renamed this PC's into the copy: this PC's
// side is the copy, and the rules read it so.
TEST_F(Merge, ThisPcsVersionInTheCopy) {
    const QString copy = QStringLiteral("クエストメモ.sync-conflict-20261209-033510-ZOVNQVO.txt");
    writeBytes(path(files::kQuestTable), sjLines({"0001,ウ,港,a,p,c,0,0,0"}));
    writeBytes(path(files::kMemo), sjLines({"0001000ノートのメモ"}));
    writeBytes(path(copy), sjLines({"0001000机のメモ"}));
    EXPECT_EQ(merged(copy, files::kMemo, {}, true),
              sjLines({"0001000机のメモ", "0001001――― 競合コピー（2026/12/09 03:35）の内容 ―――",
                       "0001002ノートのメモ"}));
}

TEST_F(Merge, MemosKeepBothTextsUnlessOneSideAloneChanged) {
    const QString copy = QStringLiteral("クエストメモ.sync-conflict-20261209-033510-ZOVNQVO.txt");
    putBase(files::kMemo, sjLines({"0001000元のメモ", "0002000元のメモ", "0003000同じ"}));
    writeBytes(path(files::kMemo), sjLines({"0001000私の追記", "0002000元のメモ", "0003000同じ"}));
    writeBytes(path(copy), sjLines({"0001000彼の追記", "0001001二行目", "0002000彼だけの変更", "0003000同じ",
                                    "0004000彼だけのクエストのメモ"}));
    // 0001 both changed: both kept, this PC's first; 0002 only the copy changed; 0004 only the copy has.
    EXPECT_EQ(
        merged(copy, files::kMemo),
        sjLines({"0001000私の追記", "0001001――― 競合コピー（2026/12/09 03:35）の内容 ―――", "0001002彼の追記",
                 "0001003二行目", "0002000彼だけの変更", "0003000同じ", "0004000彼だけのクエストのメモ"}));
}

// A memo line written anew is split past 255 bytes, as a saved memo is; a line either PC wrote
// stays as it stands, however long. A memo one side added is told by the common version too.
TEST_F(Merge, MemoLinesWrittenAnewAreSplitAsAnEditSplitsThem) {
    const QString copy = QStringLiteral("クエストメモ.sync-conflict-20261209-033510-ZOVNQVO.txt");
    const std::string longLine(300, 'x');
    putBase(files::kMemo, sjLines({"0001000元"}));
    writeBytes(path(files::kMemo), crlf({"0001000" + longLine}));
    writeBytes(path(copy), crlf({"0001000" + longLine + "y", "0002000" + longLine}));
    EXPECT_EQ(merged(copy, files::kMemo),
              crlf({"0001000" + longLine, "0001001" + sj("――― 競合コピー（2026/12/09 03:35）の内容 ―――"),
                    "0001002" + longLine.substr(0, 255), "0001003" + longLine.substr(255) + "y",
                    "0002000" + longLine}));
}

// Every copy found at one look, merged through the checklist as the window merges them: each in
// one preview, and one after another in either order, give the same memo file; one preview saves
// the file once for copies that change different quests.
TEST_F(Merge, SeveralCopiesNeverDropALine) {
    const QString memoCopy = QStringLiteral("クエストメモ.sync-conflict-20261209-0335%1-ZOVNQVO.txt");
    std::vector<std::string> twelve;
    for (int n = 1; n <= 11; ++n)
        twelve.push_back(QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0')).toStdString() + "000memo " +
                         std::to_string(n));
    twelve.insert(twelve.begin() + 3, "0003001second line");
    const auto with = [&](std::vector<std::string> lines, std::vector<std::string> more) {
        lines.insert(lines.end(), more.begin(), more.end());
        std::sort(lines.begin(), lines.end());
        return crlf(lines);
    };
    const std::string divider = "0001001" + sj("――― 競合コピー（2026/12/09 03:35）の内容 ―――");
    struct Case {
        const char* what;
        std::vector<std::string> copies;
        std::string expected;
        int notCopies;
        int saves; // in one preview
    };
    const Case cases[] = {
        {"the whole file and a line, beside two lines of no quest",
         {with(twelve, {"0005001new"}), "games:*:19000:0:99999:7:::\ngames:*:19000:0:99999:7:::\n"},
         with(twelve, {"0005001new"}),
         1,
         1},
        {"one line of one quest: the quests it lacks stay as they are",
         {crlf({"0001001hello"})},
         with(twelve, {divider, "0001002hello"}),
         0,
         1},
        {"two copies alike: the text is taken once",
         {crlf({"0001001hello"}), crlf({"0001001hello"})},
         with(twelve, {divider, "0001002hello"}),
         0,
         1},
        {"two copies, each with a quest of its own changed",
         {with(twelve, {"0005001new"}), with(twelve, {"0009001other"})},
         with(twelve, {"0005001new", "0009001other"}),
         0,
         1},
        {"binary bytes only", {std::string("\x89PNG\r\n\x1a\n\0\0", 10)}, crlf(twelve), 1, 0},
    };
    for (const Case& c : cases) {
        for (const int order : {0, 1, 2}) { // one preview, its copies reversed, one after another
            SCOPED_TRACE(testing::Message() << c.what << ", order " << order);
            SetUp();
            QDir(dir.filePath(kBackupFolder)).removeRecursively();
            writeBytes(path(files::kMemo), crlf(twelve));
            Checklist checklist(dir.path());
            QDir(checklist.known().folder()).removeRecursively(); // the file as read is the version held
            checklist.load();
            int notCopies = 0;
            for (std::size_t i = 0; i < c.copies.size(); ++i) {
                writeBytes(path(memoCopy.arg(10 + i)), c.copies[i]);
                if (order < 2 && i + 1 < c.copies.size())
                    continue;
                QStringList said;
                std::vector<MergePlan> plans = checklist.newConflictCopies(said);
                if (order == 1)
                    std::reverse(plans.begin(), plans.end());
                for (const MergePlan& plan : plans)
                    notCopies += plan.notACopy;
                checklist.mergeCopies(plans, "0001");
            }
            EXPECT_EQ(readBytes(path(files::kMemo)), c.expected);
            EXPECT_EQ(notCopies, c.notCopies);
            if (order < 2) {
                EXPECT_EQ(backupsOf(path(files::kMemo)).size(), c.saves);
            }
        }
    }
}

// What is read as a copy is the file that was checked: one put in its place since (a link to any
// file of the PC) is checked again, and a copy named but not checked yet is checked before it is
// opened, so that a pipe never blocks the read.
TEST_F(Merge, ACopyIsReadOnlyAsTheFileItWasCheckedAs) {
    const QString name = QStringLiteral("クエストメモ.sync-conflict-20261209-033510-ZOVNQVO.txt");
    writeBytes(path(name), crlf({"0001000mine"}));
    const ConflictCopy checked = findConflictCopies(dir.path()).copies.at(0);
    EXPECT_EQ(readConflictCopy(checked), Lines{"0001000mine"});
    QTemporaryDir elsewhere;
    writeBytes(elsewhere.filePath("secret"), crlf({"0001000secret"}));
    QFile::remove(path(name));
    ASSERT_TRUE(QFile::link(elsewhere.filePath("secret"), path(name)));
    EXPECT_THROW(readConflictCopy(checked), KorvaneError);

    QFile::remove(path(name));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(name)).constData(), 0600), 0);
    const ConflictCopy named = findConflictCopies(dir.path(), CopyCheck::AtRead).copies.at(0);
    EXPECT_FALSE(named.checked);
    EXPECT_THROW(readConflictCopy(named), KorvaneError);
}

TEST_F(Merge, UndoBringsTheCopyBackToBeOfferedAgain) {
    const QString copy = QStringLiteral("クエスト.sync-conflict-20261209-033510-ZOVNQVO.csv");
    const std::string mine = sjLines({"0001,ウ,港,a,p,c,0,0,0"}),
                      theirs = sjLines({"0001,ウ,港,a,p,c,1,0,0"});
    writeBytes(path(files::kQuestTable), mine);
    writeBytes(path(copy), theirs);
    test::LoadedData data(dir.path());
    MergePlan plan = planMerge(data.data(), findConflictCopies(dir.path()).copies.at(0), {});
    EditStep step;
    applyMerge(data.data(), plan, &step);
    EXPECT_TRUE(findConflictCopies(dir.path()).copies.empty());
    applyStep(step);
    EXPECT_EQ(readBytes(path(files::kQuestTable)), mine);
    EXPECT_EQ(readBytes(path(copy)), theirs);
    applyStep(step); // redone
    EXPECT_EQ(readBytes(path(files::kQuestTable)), theirs);
    EXPECT_FALSE(QFileInfo::exists(path(copy)));
}

// A sync tool renames this PC's version into the copy and puts the other PC's in its place: the
// copy is told as this PC's by what this PC wrote, in this run or the last.
TEST_F(Merge, ThisPcsVersionIsToldByWhatItWrote) {
    const QString copy = path(QStringLiteral("クエストメモ.sync-conflict-20261209-033510-ZOVNQVO.txt"));
    test::LoadedData data(dir.path());
    test::commitOne(data.memo.textChange("0001", {"mine"}));
    ASSERT_TRUE(QFile::rename(path(files::kMemo), copy));
    writeBytes(path(files::kMemo), crlf({"0001000theirs"}));
    EXPECT_TRUE(data.memo.wroteVersion(copy));
    EXPECT_FALSE(data.memo.wroteVersion(path(files::kMemo)));
    TextStore nextRun(path(files::kMemo));
    nextRun.rememberWritten(*FileStamp::fromText(data.memo.written().back().toText()));
    EXPECT_TRUE(nextRun.wroteVersion(copy));
}

// Only a regular file of the folder is a copy; one larger than any data file is not read.
TEST(ConflictCopies, LinksAndHugeFilesAreRefusedByName) {
    QTemporaryDir dir;
    const QString link = dir.filePath("クエスト.sync-conflict-20261209-033510-ZOVNQVO.csv");
    const QString huge = dir.filePath("クエストメモ.sync-conflict-20261209-033510-ZOVNQVO.txt");
#ifdef _WIN32
    QDir().mkdir(link); // links of Windows are shortcuts: a folder of the name stands for what no file is
#else
    ASSERT_TRUE(QFile::link(dir.filePath("elsewhere"), link));
#endif
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(kLargestCopyBytes + 1));
    const FoundCopies found = findConflictCopies(dir.path());
    EXPECT_TRUE(found.copies.empty());
    ASSERT_EQ(found.refused.size(), 2);
    EXPECT_TRUE(found.refused[0].contains(QDir::toNativeSeparators(link)) ||
                found.refused[1].contains(QDir::toNativeSeparators(link)));
    EXPECT_TRUE(found.refused.join("").contains(QDir::toNativeSeparators(huge)));
}

#ifndef _WIN32 // hard links and owners as POSIX has them
// A copy that is another name of some other file (a hard link to /etc/shadow, say), or another
// user's file, is never read, shown or moved.
TEST(ConflictCopies, HardLinksAndOtherUsersFilesAreRefused) {
    QTemporaryDir dir, elsewhere;
    const QString secret = QDir(elsewhere.path()).filePath("secret");
    writeBytes(secret, "root:*:19000:0:99999:7:::\n");
    const QString linked = dir.filePath("クエストメモ.sync-conflict-20261209-033510-ZOVNQVO.txt");
    ASSERT_EQ(::link(QFile::encodeName(secret).constData(), QFile::encodeName(linked).constData()), 0);
    const QString theirs = dir.filePath("クエスト.sync-conflict-20261209-033510-ZOVNQVO.csv");
    writeBytes(theirs, "0001,a,b,c,d,e,0,0,0\r\n");
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(QFile::encodeName(theirs).constData(), 65534, 65534), 0);
    }
    const FoundCopies found = findConflictCopies(dir.path());
    EXPECT_EQ(found.copies.size(), root ? 0u : 1u);
    ASSERT_EQ(found.refused.size(), root ? 2 : 1);
    EXPECT_TRUE(found.refused.join("").contains(QDir::toNativeSeparators(linked)));
    EXPECT_FALSE(found.refused.join("").contains("root:"));
}
#endif

} // namespace
} // namespace korvane
