// Files a sync tool delivers are checked against what this PC itself last read or wrote, kept
// outside the folder: a cut or emptied file is never read as the checklist unasked, and a merge
// tells the common version only from this PC's own versions, whatever backup/ brought.

#include "editing/Checklist.h"
#include "editing/FlagRules.h"
#include "store/Backups.h"
#include "store/DataFiles.h"
#include "store/JournalFormat.h"
#include "store/LineFile.h"
#include "support/Sjis.h"
#include "support/TempFiles.h"
#include "sync/Presence.h"

#include <QDir>
#include <filesystem>
#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::crlf;
using test::readBytes;
using test::sj;
using test::writeBytes;

std::vector<std::string> tableOf(int quests, const char* flags = "0,0,0") {
    std::vector<std::string> lines;
    for (int n = 1; n <= quests; ++n)
        lines.push_back(QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0')).toStdString() +
                        sj(",ウ,港,名,所,条件,") + flags);
    return lines;
}

std::vector<std::string> memosOf(int quests) {
    std::vector<std::string> lines;
    for (int n = 1; n <= quests; ++n)
        lines.push_back(QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0')).toStdString() + "000" +
                        sj("メモ"));
    return lines;
}

// Each quest after the first needs the one before.
std::vector<std::string> chainsOf(int quests) {
    std::vector<std::string> lines;
    for (int n = 2; n <= quests; ++n)
        lines.push_back(chainLine(static_cast<std::uint16_t>(n),
                                  std::vector<std::uint16_t>{static_cast<std::uint16_t>(n - 1)}));
    return lines;
}

// As a sync tool delivers a file: written beside it, then renamed over it.
void arrive(const QString& path, const std::string& bytes) {
    writeBytes(path + ".syncthing.tmp", bytes);
    std::filesystem::rename((path + ".syncthing.tmp").toStdString(), path.toStdString());
}

class Arrivals : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return files::inFolder(dir.path(), name); }
    void SetUp() override {
        writeBytes(path(files::kQuestTable), crlf(tableOf(40)));
        writeBytes(path(files::kContent), "");
        writeBytes(path(files::kReward), "");
        writeBytes(path(files::kMemo), crlf(memosOf(40)));
        writeBytes(path(files::kChains), crlf(chainsOf(40)));
    }
    static void tick(Checklist& list, const char* number, QuestField flag) {
        list.apply(QStringLiteral("チェック"), number,
                   [&](QuestData d, EditStep* step) { storeFlag(d.table, number, flag, "1", step); });
    }
};

// What arrives, while the checklist is open or while Korvane is closed, and whether it is held back.
TEST_F(Arrivals, FarShorterFilesAreHeldBackOthersRead) {
    const auto first = [](std::vector<std::string> lines, std::size_t n) {
        lines.resize(n);
        return lines;
    };
    struct Case {
        const char* what;
        QString file;
        std::vector<std::string> arrives;
        bool madeAgain; // deleted, then written anew, not renamed over
        bool reopened;  // Korvane was closed meanwhile
        bool held;
    };
    const Case cases[] = {
        {"the table cut to its first 10 lines", files::kQuestTable, first(tableOf(40), 10), false, false,
         true},
        {"the memos emptied, while closed", files::kMemo, {}, false, true, true},
        {"the table deleted and made again with 15 lines", files::kQuestTable, first(tableOf(40), 15), true,
         false, true},
        {"deleted and made again whole, another PC's ticks in it", files::kQuestTable, tableOf(40, "1,1,0"),
         true, false, false},
        {"more quests, while closed", files::kQuestTable, tableOf(60), false, true, false},
        {"a little fewer memos (more than half)", files::kMemo, memosOf(21), false, false, false},
        {"what each quest needs, cut", files::kChains, first(chainsOf(40), 6), false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        auto list = std::make_unique<Checklist>(dir.path());
        QDir(list->known().folder()).removeRecursively();
        list->load();
        tick(*list, "0002", kOffered); // this PC's own write is never an arrival
        EXPECT_TRUE(list->shortArrivals().empty());
        if (c.madeAgain) {
            QFile::remove(path(c.file));
            writeBytes(path(c.file), crlf(c.arrives));
        } else {
            arrive(path(c.file), crlf(c.arrives));
        }
        if (c.reopened)
            list = std::make_unique<Checklist>(dir.path());
        std::vector<std::pair<QString, std::size_t>> held, expected;
        for (const ShortArrival& a : list->shortArrivals())
            held.emplace_back(QFileInfo(a.path).fileName(), a.arrived);
        if (c.held)
            expected.emplace_back(c.file, c.arrives.size());
        EXPECT_EQ(held, expected);
    }
}

// Keeping this PC's version puts it back, the arrival kept in backup/; taking the arrival makes it
// this PC's version, the whole one kept all the same; nothing is written while a file changes again.
TEST_F(Arrivals, ThePlayersChoiceIsWhatIsWritten) {
    Checklist list(dir.path());
    list.load();
    tick(list, "0003", kOffered);
    const std::string mine = readBytes(path(files::kQuestTable));
    const std::string cut = crlf({tableOf(40).front()});
    arrive(path(files::kQuestTable), cut);

    std::vector<ShortArrival> held = list.shortArrivals();
    ASSERT_EQ(held.size(), 1u);
    arrive(path(files::kQuestTable), cut + cut); // changed again before the player chose
    EXPECT_FALSE(list.keepThisPcsVersion(held.front()));
    EXPECT_EQ(readBytes(path(files::kQuestTable)), cut + cut);

    held = list.shortArrivals();
    ASSERT_EQ(held.size(), 1u);
    EXPECT_TRUE(list.keepThisPcsVersion(held.front()));
    EXPECT_EQ(readBytes(path(files::kQuestTable)), mine);
    EXPECT_EQ(readBytes(backupsOf(path(files::kQuestTable)).last()), cut + cut);
    list.load();
    EXPECT_TRUE(list.shortArrivals().empty());

    arrive(path(files::kMemo), "");
    held = list.shortArrivals();
    ASSERT_EQ(held.size(), 1u);
    list.takeArrival(held.front());
    EXPECT_TRUE(list.shortArrivals().empty());
    list.load();
    EXPECT_EQ(list.MemoStore().lines().size(), 0u);
    const auto kept = list.known().versionsOf(files::kMemo);
    EXPECT_TRUE(std::any_of(kept.begin(), kept.end(), [&](const KnownVersions::Version& v) {
        return readBytes(v.path) == crlf(memosOf(40));
    })) << "the whole memos stay among this PC's versions";
}

// This PC's versions: the newest few, and never the one with the most lines nor the last that arrived.
TEST(KnownVersions, KeepsTheNewestTheLongestAndTheLastArrived) {
    QTemporaryDir dir;
    KnownVersions known(dir.path());
    const FileStamp stamp = FileStamp::absent();
    std::vector<std::string> lines = tableOf(30);
    known.remember(files::kQuestTable, tableOf(3), stamp, false);
    while (!lines.empty()) {
        known.remember(files::kQuestTable, lines, stamp, true);
        lines.pop_back();
    }
    const auto kept = known.versionsOf(files::kQuestTable);
    ASSERT_EQ(kept.size(), KnownVersions::kKept + 2);
    EXPECT_TRUE(kept[0].arrived);
    EXPECT_EQ(kept[0].lines, 3u);
    EXPECT_EQ(kept[1].lines, 30u);
    EXPECT_EQ(kept.back().lines, 1u);
    // One cut short while written is no version.
    writeBytes(kept.back().path, "cut");
    EXPECT_EQ(known.newest(files::kQuestTable)->lines, 2u);
}

// The guide says to sync the main folder, so backup/ brings the other PC's versions: the merge
// takes none of them for the version both PCs parted from.
TEST_F(Arrivals, TheOtherPcsBackupsNeverTellTheMerge) {
    Checklist list(dir.path());
    QDir(list.known().folder()).removeRecursively();
    list.load();
    tick(list, "0017", kOffered);
    tick(list, "0017", kCompleted);
    // The other PC ticked 0019 twice; its backup between the ticks came along, made after ours.
    std::vector<std::string> between = tableOf(40), theirs = tableOf(40);
    between[18] = tableOf(19, "1,0,0").back();
    theirs[18] = tableOf(19, "1,1,0").back();
    QDir(dir.path()).mkdir(kBackupFolder);
    writeBytes(QDir(dir.filePath(kBackupFolder)).filePath(QStringLiteral("クエスト_20991231-000000-000.csv")),
               crlf(between));
    const QString copy = path(QStringLiteral("クエスト.sync-conflict-20261211-033510-ZOVNQVO.csv"));
    writeBytes(copy, crlf(theirs));
    QStringList said;
    std::vector<MergePlan> plans = list.newConflictCopies(said);
    ASSERT_EQ(plans.size(), 1u);
    list.mergeCopies(plans, "0017");
    std::vector<std::string> both = tableOf(40);
    both[16] = tableOf(17, "1,1,0").back();
    both[18] = tableOf(19, "1,1,0").back();
    EXPECT_EQ(readBytes(path(files::kQuestTable)), crlf(both));
}

// Where the copies meet, a sync tool keeps the newer version in place and renames the other: each
// side is named by the PC that wrote it, never by which file holds it.
TEST(SideNames, EachSideIsNamedByThePcThatWroteIt) {
    const QString me = QStringLiteral("この PC「%1」").arg(ThisPc::here().name);
    struct Case {
        const char* what;
        bool copyIsThisPcs, fileIsThisPcs, laptopInJournal;
        QString mine, other;
    };
    const Case cases[] = {
        {"this PC's tick renamed into the copy", true, false, false, me, "Syncthing のデバイス ZOVNQVO"},
        {"the same, the other PC known by the journal", true, false, true, me, "PC「laptop」"},
        {"this PC's tick left in place", false, true, true, me, "PC「laptop」"},
        {"this PC wrote neither", false, false, true, "今の クエスト.csv", "競合コピー"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString table = files::inFolder(dir.path(), files::kQuestTable);
        const QString copy =
            dir.filePath(QStringLiteral("クエスト.sync-conflict-20261211-033510-ZOVNQVO.csv"));
        for (const QString& name : {files::kContent, files::kReward, files::kMemo})
            writeBytes(files::inFolder(dir.path(), name), "");
        writeBytes(table, crlf(tableOf(40)));
        if (c.laptopInJournal)
            writeBytes(dir.filePath(kJournalFile),
                       journalLine({60, 19, JournalKind::Offered, JournalCause::Player, 0}, "laptop") +
                           "\r\n");
        Checklist list(dir.path());
        list.load();
        list.apply(QStringLiteral("チェック"), "0017",
                   [&](QuestData d, EditStep* step) { storeFlag(d.table, "0017", kOffered, "1", step); });
        std::vector<std::string> theirs = tableOf(40);
        theirs[18] = tableOf(19, "1,0,0").back();
        if (c.copyIsThisPcs)
            ASSERT_TRUE(QFile::rename(table, copy));
        else if (!c.fileIsThisPcs)
            writeBytes(table, crlf(tableOf(40)));
        writeBytes(c.copyIsThisPcs ? table : copy, crlf(theirs));
        list.load(); // as the watch reads what came
        QStringList said;
        const std::vector<MergePlan> plans = list.newConflictCopies(said);
        ASSERT_EQ(plans.size(), 1u) << said.join("\n").toStdString();
        EXPECT_EQ(plans.front().sides.mine, c.mine);
        EXPECT_EQ(plans.front().sides.other, c.other);
    }
}

// A sync tool renames a folder named in NFD to NFC while it is open: the checklist follows it, and
// no folder in the other form is made again.
TEST_F(Arrivals, AFolderRenamedToItsComposedNameIsFollowed) {
    const QString nfc = dir.filePath(QStringLiteral("ガイド")),
                  nfd = nfc.normalized(QString::NormalizationForm_D);
    ASSERT_TRUE(QDir().mkdir(nfd));
    for (const QString& name : files::kDataFiles)
        QFile::rename(path(name), files::inFolder(nfd, name));
    Checklist list(nfd);
    list.load();
    ASSERT_TRUE(QDir().rename(nfd, nfc));
    const FolderLook look = list.look(true);
    EXPECT_EQ(look.renamedTo, nfc);
    list.followRename(look.renamedTo);
    tick(list, "0004", kOffered);
    EXPECT_EQ(readLines(files::inFolder(nfc, files::kQuestTable))[3], tableOf(4, "1,0,0").back());
    EXPECT_FALSE(QFileInfo::exists(nfd));
    EXPECT_TRUE(list.look(true).folderThere);
}

} // namespace
} // namespace korvane
